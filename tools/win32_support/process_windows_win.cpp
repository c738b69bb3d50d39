#include "tools/win32_support/process_windows_win.h"

namespace {

// What EnumWindows's callback looks for: every window that passes the test when `all` is given,
// otherwise only the first one.
struct WindowSearch {
    DWORD processId;
    WindowTest test;
    std::vector<HWND>* all;
    HWND first = nullptr;
};

BOOL CALLBACK visitWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !search.test(window)) return TRUE;
    if (search.all) {
        search.all->push_back(window);
        return TRUE;
    }
    search.first = window;
    return FALSE;
}

}  // namespace

std::vector<HWND> processWindows(DWORD processId, WindowTest test, HDESK desktop) {
    std::vector<HWND> found;
    WindowSearch search{processId, test, &found};
    if (desktop) {
        EnumDesktopWindows(desktop, visitWindow, reinterpret_cast<LPARAM>(&search));
    } else {
        EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&search));
    }
    return found;
}

HWND firstProcessWindow(DWORD processId, WindowTest test) {
    WindowSearch search{processId, test, nullptr};
    EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&search));
    return search.first;
}

bool isShownUnowned(HWND window) { return IsWindowVisible(window) && !GetWindow(window, GW_OWNER); }

HWND shownUnownedWindow(DWORD processId) { return firstProcessWindow(processId, isShownUnowned); }
