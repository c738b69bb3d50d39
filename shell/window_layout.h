// The main window described as data: its own settings and one row per control. The window is built
// from this description alone, by going over the rows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum class ControlKind { Label, EditBox, ComboBox, RadioButton, Button, GroupBox };

enum class InputMode { Normal, ReadOnly, Integer };

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// A font of its own; a null face means the system's default GUI font.
struct FontSpec {
    const char* face;  // GBK face name
    int pixelHeight;   // character height in pixels (regular weight)
};

inline constexpr FontSpec kDefaultFont{nullptr, 0};

// Every combo box is this high with its list open.
inline constexpr int kComboBoxOpenHeight = 160;

struct ControlLayout {
    ControlKind kind;
    const char* name;    // GBK, unique within the window
    const char* parent;  // name of the group box it lies in, or nullptr for the client area
    int x, y;            // top-left corner relative to the parent
    int width, height;   // outer size
    const char* text;    // caption, or initial text of an edit box (GBK)
    std::span<const char* const> items;  // combo box list in display order
    std::int32_t selected;               // combo box: initial selection, -1 none
    bool checked;                        // radio button: initial state
    InputMode inputMode;                 // edit boxes only
    int maxLength;                       // edit boxes: most characters the user can enter, 0 = no limit
    Rgb textColor;
    FontSpec font;
    bool wraps;      // labels: the caption breaks into lines at the label's width
    bool focusStop;  // the keyboard can move the focus to it
    bool visible;
    bool enabled;
};

struct WindowLayout {
    const char* title;  // GBK
    int outerWidth, outerHeight;
    int clientWidthNeeded, clientHeightNeeded;
    int iconSize;  // pixels, square, 24-bit; one image for both icon sizes
    bool enterMovesFocus;
    bool escapeCloses;
    bool f1Help;
    std::span<const ControlLayout> controls;  // in creation order
    std::span<const char* const> focusOrder;  // forward keyboard order of the focus stops
};

const WindowLayout& mainWindowLayout();

// Index of the named control in mainWindowLayout().controls, or -1.
int findControl(std::string_view name);

// The Win32 control id of the control at a layout index; test drivers find controls by it.
constexpr int controlIdOf(int layoutIndex) { return 1000 + layoutIndex; }
