// The main window on Win32: built from the rows of mainWindowLayout(), it owns the
// control windows, turns their notifications into control events and remembers the focus across
// deactivation.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "shell/control_events.h"
#include "shell/window_layout.h"
#include "shell/win32/window_ops_win.h"

// Private messages (WM_APP and up: WM_USER and WM_USER + 1 belong to the dialog manager).
inline constexpr UINT kMsgListItemSelected = WM_APP + 1;  // wParam: layout index of the combo box

class MainWindow {
public:
    explicit MainWindow(std::span<const EventBinding> bindings);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and its controls, hidden. False when anything could not be created; what
    // was created is destroyed again.
    bool create(HINSTANCE instance);
    void show();

    HWND handle() const { return window_; }
    bool isLoaded() const { return window_ != nullptr; }
    const WindowLayout& layout() const { return layout_; }
    HWND control(int index) const { return controls_[static_cast<std::size_t>(index)]; }
    // The layout index of a control window (or of a window inside one), or -1.
    int indexOf(HWND window) const;
    // The layout index of a named control, of the expected kind when one is given; a missing control
    // is a failure of the platform and fatal.
    int require(std::string_view name, std::optional<ControlKind> kind = std::nullopt) const;
    Win32WindowOps& ops() { return ops_; }

    // Runs the handler bound to (control, event) unless events are held.
    void raiseEvent(int index, ControlEvent event);
    // Moves the keyboard focus to a control; on a radio button this neither checks it nor raises its
    // clicked event.
    void focusControl(int index);
    // Checks a radio button and unchecks the others of its parent.
    void checkRadioAlone(int index);
    // Replaces an edit box's text, then raises its text-changed event exactly once.
    void replaceEditText(int index, std::string_view gbk);

    // Notifications from the controls' own window procedures.
    bool suppressesRadioFocusClick(HWND radio) const { return radioGainingFocus_ == radio; }
    void setRadioGainingFocus(HWND radio) { radioGainingFocus_ = radio; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int notification, int id, HWND control);
    void rememberFocus();
    void onSetFocus();
    void onGetMinMaxInfo(MINMAXINFO& info) const;
    void onDestroy();
    LRESULT onControlColour(HDC dc, HWND control, UINT message);
    bool createControls(HINSTANCE instance);
    bool createControl(std::size_t index, HINSTANCE instance);
    void destroyAll();

    const WindowLayout& layout_;
    std::span<const EventBinding> bindings_;
    Win32WindowOps ops_;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::vector<HWND> controls_;
    std::vector<HFONT> ownFonts_;
    HWND savedFocus_ = nullptr;
    HWND radioGainingFocus_ = nullptr;
    bool minimizing_ = false;
    int suppressedEditChange_ = -1;  // layout index whose platform EN_CHANGE is being replaced
    HBRUSH editBackground_ = nullptr;
};
