// The main window of a running program seen from outside: its controls found by their layout names
// and their state read back with the messages any other process may send.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

class MainWindowView {
public:
    // Finds every control of the layout table in `mainWindow`: the control at layout index i has
    // the control id controlIdOf(i) and is a child of its group box, or of the main window.
    explicit MainWindowView(HWND mainWindow);

    HWND mainWindow() const { return main_; }
    // The control's window, or null when the window has no such control.
    HWND control(std::string_view name) const;
    // Names of the layout controls that were not found.
    std::vector<std::string> missingControls() const;

    // The caption or edit text as GBK.
    std::string text(std::string_view name) const;
    // CB_GETCURSEL of a combo box.
    int selection(std::string_view combo) const;
    // The combo box's list items as GBK, in list order.
    std::vector<std::string> items(std::string_view combo) const;
    // BM_GETCHECK of a radio button: 1 checked, 0 not.
    int checked(std::string_view radio) const;
    bool enabled(std::string_view name) const;
    bool visible(std::string_view name) const;

    // The layout name of the control that has the keyboard focus, "(main window)" when the window
    // itself has it, "(none)" when nothing in the GUI thread has it, or the class of another window.
    std::string focusedControl() const;

    // The visible drop-down list of the combo box, or null when its list is closed.
    HWND openList(std::string_view combo) const;

private:
    HWND main_;
    std::vector<HWND> controls_;  // by layout index
};
