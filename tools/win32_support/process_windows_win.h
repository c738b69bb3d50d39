// The top-level windows of another process, found by enumerating the desktop's windows and keeping
// those the process owns. The searches look once; waiting for a window to come up is the caller's.
#pragma once

#include <windows.h>

#include <vector>

// Whether a top-level window of the process is one the caller looks for.
using WindowTest = bool (*)(HWND window);

// The top-level windows of process `processId` that pass `test`, in the order EnumWindows gives
// them: on `desktop`, or on the caller's own desktop when it is null.
std::vector<HWND> processWindows(DWORD processId, WindowTest test, HDESK desktop = nullptr);

// The first top-level window of process `processId` that passes `test`, on the caller's desktop;
// null when there is none. Windows after it are not looked at.
HWND firstProcessWindow(DWORD processId, WindowTest test);

// A window the user sees as a program's own: visible and without an owner (owned windows are
// dialogs and pop-ups of another window).
bool isShownUnowned(HWND window);

// The first visible top-level window of process `processId` without an owner, or null: a program's
// main window once it has shown it.
HWND shownUnownedWindow(DWORD processId);
