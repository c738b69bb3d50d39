// Creation of the control windows of each kind, with the window procedures that give them their
// looks and input rules.
#pragma once

#include <windows.h>

#include "shell/window_layout.h"

class MainWindow;

// Registers the window class of the labels; false on failure.
bool registerLabelClass(HINSTANCE instance);

// Creates the hidden control window of a layout row inside `parent`, or returns nullptr. `font` is the
// row's own font or the default GUI font.
HWND createControlWindow(const ControlLayout& row, int index, HWND parent, HFONT font,
                         HINSTANCE instance, MainWindow& owner);

// The procedure data of a subclassed control, kept in its GWLP_USERDATA (the standard control
// classes keep their own state in their window extra bytes, not there).
struct SubclassedControl {
    WNDPROC original;
    MainWindow* owner;
    int index;
    // Edit boxes: the text line inside the border, in window coordinates (see the edit box code).
    RECT innerBorder;
};

SubclassedControl* subclassOf(HWND control);
void installSubclass(HWND control, WNDPROC procedure, MainWindow& owner, int index);

// Per-kind window procedures, installed by createControlWindow.
LRESULT CALLBACK editBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK radioButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK pushButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK groupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Edit boxes: recomputes the vertically centred text line after the font was set.
void centreEditLine(HWND edit);
