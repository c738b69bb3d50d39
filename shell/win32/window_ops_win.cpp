#include "shell/win32/window_ops_win.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "shell/win32/gbk_win.h"
#include "shell/win32/main_window_win.h"

namespace {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::int32_t Win32WindowOps::selectionIndex(std::string_view combo) {
    HWND box = window_.control(window_.require(combo, ControlKind::ComboBox));
    return static_cast<std::int32_t>(SendMessageW(box, CB_GETCURSEL, 0, 0));
}

void Win32WindowOps::setSelectionIndex(std::string_view combo, std::int32_t index) {
    HWND box = window_.control(window_.require(combo, ControlKind::ComboBox));
    const auto last = static_cast<std::int32_t>(SendMessageW(box, CB_GETCOUNT, 0, 0)) - 1;
    index = std::clamp(index, std::int32_t{-1}, std::max(last, std::int32_t{-1}));
    // CB_SETCURSEL sends no notification, so no event is raised.
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string Win32WindowOps::comboText(std::string_view combo) {
    HWND box = window_.control(window_.require(combo, ControlKind::ComboBox));
    const LRESULT selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return {};
    const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                                                      reinterpret_cast<LPARAM>(text.data()))));
    return wideToGbk(text);
}

void Win32WindowOps::setEnabled(std::string_view control, bool enabled) {
    EnableWindow(window_.control(window_.require(control)), enabled ? TRUE : FALSE);
}

int Win32WindowOps::isChecked(std::string_view radio) {
    HWND button = window_.control(window_.require(radio, ControlKind::RadioButton));
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

Text Win32WindowOps::editText(std::string_view edit) {
    return wideToGbk(windowText(window_.control(window_.require(edit, ControlKind::EditBox))));
}

void Win32WindowOps::setEditText(std::string_view edit, std::string_view text) {
    window_.replaceEditText(window_.require(edit, ControlKind::EditBox), text);
}

void Win32WindowOps::setCaption(std::string_view label, std::string_view text) {
    HWND control = window_.control(window_.require(label, ControlKind::Label));
    SetWindowTextW(control, gbkToWide(text).c_str());
    InvalidateRect(control, nullptr, TRUE);
}

void Win32WindowOps::showMessage(std::string_view message, std::string_view title) {
    MessageBoxW(nullptr, gbkToWide(message).c_str(), gbkToWide(title).c_str(), MB_OK | MB_TASKMODAL);
    // The box disabled the main window, so closing it may activate nothing: bring the window back,
    // which also returns the focus to the control that had it.
    if (window_.isLoaded() && GetActiveWindow() != window_.handle()) {
        SetForegroundWindow(window_.handle());
        SetActiveWindow(window_.handle());
    }
}

void Win32WindowOps::setFocus(std::string_view control) {
    window_.focusControl(window_.require(control));
}
