#include "main_window_view.h"

#include "gbk_text.h"
#include "running_program.h"
#include "shell/window_layout.h"
#include "tools/win32_support/process_windows_win.h"

namespace {

LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

bool isVisibleDropDownList(HWND window) {
    return IsWindowVisible(window) && windowClassName(window) == L"ComboLBox";
}

}  // namespace

MainWindowView::MainWindowView(HWND mainWindow) : main_(mainWindow) {
    const auto layout = mainWindowLayout().controls;
    controls_.assign(layout.size(), nullptr);
    // Group boxes come before their children in the table, but a lookup by name does not rely on it.
    for (std::size_t i = 0; i < layout.size(); ++i) {
        HWND parent = main_;
        if (layout[i].parent) {
            const int parentIndex = findControl(layout[i].parent);
            parent = parentIndex >= 0 ? GetDlgItem(main_, controlIdOf(parentIndex)) : nullptr;
        }
        if (parent) controls_[i] = GetDlgItem(parent, controlIdOf(static_cast<int>(i)));
    }
}

HWND MainWindowView::control(std::string_view name) const {
    const int index = findControl(name);
    return index >= 0 ? controls_[static_cast<std::size_t>(index)] : nullptr;
}

std::vector<std::string> MainWindowView::missingControls() const {
    std::vector<std::string> missing;
    const auto layout = mainWindowLayout().controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (!controls_[i]) missing.emplace_back(layout[i].name);
    }
    return missing;
}

std::string MainWindowView::text(std::string_view name) const {
    HWND window = control(name);
    return window ? gbkFromWide(windowText(window)) : "<no control>";
}

int MainWindowView::selection(std::string_view combo) const {
    HWND window = control(combo);
    return window ? static_cast<int>(sendTo(window, CB_GETCURSEL)) : -2;
}

std::vector<std::string> MainWindowView::items(std::string_view combo) const {
    std::vector<std::string> result;
    HWND window = control(combo);
    if (!window) return result;
    const LRESULT count = sendTo(window, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = sendTo(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        if (length < 0) break;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        sendTo(window, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        result.push_back(gbkFromWide(item));
    }
    return result;
}

int MainWindowView::checked(std::string_view radio) const {
    HWND window = control(radio);
    return window ? static_cast<int>(sendTo(window, BM_GETCHECK)) : -1;
}

bool MainWindowView::enabled(std::string_view name) const {
    HWND window = control(name);
    return window && IsWindowEnabled(window);
}

bool MainWindowView::visible(std::string_view name) const {
    HWND window = control(name);
    return window && IsWindowVisible(window);
}

std::string MainWindowView::focusedControl() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info) || !info.hwndFocus) {
        return "(none)";
    }
    if (info.hwndFocus == main_) return "(main window)";
    const auto layout = mainWindowLayout().controls;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i] == info.hwndFocus) return layout[i].name;
    }
    std::string other = "(window of class ";
    other += gbkFromWide(windowClassName(info.hwndFocus));
    other += ")";
    return other;
}

HWND MainWindowView::openList(std::string_view combo) const {
    HWND window = control(combo);
    if (!window || !sendTo(window, CB_GETDROPPEDSTATE)) return nullptr;
    DWORD processId = 0;
    GetWindowThreadProcessId(main_, &processId);
    return firstProcessWindow(processId, isVisibleDropDownList);
}
