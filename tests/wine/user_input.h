// Genuine user input through SendInput: it enters the system's input queue like a real keyboard or
// mouse and reaches whatever window has the focus or lies under the pointer.
#pragma once

#include <windows.h>

#include <string_view>

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

// One key press (down and up) of a virtual key with the given modifiers held. `extended` marks the
// keys of the extended block: the keypad Enter, and the arrows of the arrow block.
void pressKey(WORD virtualKey, unsigned modifiers = kNoModifier, bool extended = false);

// Holds a key down long enough for `downs` key-down messages (the later ones auto-repeats), then
// lets it go.
void holdKey(WORD virtualKey, int downs);

// Types each character as the keys that produce it on the current keyboard layout (with Shift where
// the layout needs it); a character no key produces is sent as a Unicode packet.
void typeText(std::wstring_view text);

// Moves the pointer to a point on the screen and clicks the left button there.
void clickAt(POINT screenPoint);

// Moves the pointer to a point on the screen and double-clicks the left button there.
void doubleClickAt(POINT screenPoint);

// Clicks the centre of a window's screen rectangle.
void clickCentreOf(HWND window);

// The centre of a window's screen rectangle.
POINT centreOf(HWND window);
