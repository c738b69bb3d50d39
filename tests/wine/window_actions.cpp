#include "window_actions.h"

#include "main_window_view.h"
#include "running_program.h"
#include "user_input.h"

bool pickListItem(const RunningProgram& program, const MainWindowView& view, std::string_view combo,
                  int index) {
    HWND box = view.control(combo);
    if (!box) return false;
    clickCentreOf(box);
    HWND list = nullptr;
    waitUntil([&] { return (list = view.openList(combo)) != nullptr; }, 3000);
    if (!list) return false;
    program.settle();
    RECT item{};
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&item), SMTO_ABORTIFHUNG, 2000, &result) ||
        static_cast<LRESULT>(result) == LB_ERR) {
        return false;
    }
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    MapWindowPoints(list, nullptr, &centre, 1);
    clickAt(centre);
    program.settle();
    return true;
}

POINT framePoint(HWND window, LRESULT hitCode) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
    const int frame = GetSystemMetrics(SM_CYFIXEDFRAME);
    const LONG y = rect.top + frame + captionHeight / 2;
    for (LONG x = rect.right - 1; x >= rect.left; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
        if (static_cast<LRESULT>(hit) == hitCode) {
            // The middle of the run of points that answer the code.
            LONG start = x;
            for (;;) {
                SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(start - 1, y),
                                    SMTO_ABORTIFHUNG, 2000, &hit);
                if (static_cast<LRESULT>(hit) != hitCode || start - 1 < rect.left) break;
                --start;
            }
            return {(start + x) / 2, y};
        }
    }
    return {-1, -1};
}
