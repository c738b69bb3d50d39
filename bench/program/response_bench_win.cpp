// Response time of the three calculation buttons, measured inside the real program: the program
// runs as tavrolin.exe does, and once its window is up a timer on the GUI thread fills in the inputs
// and clicks each button many times with BM_CLICK (the button's own mouse-down and mouse-up, then
// BN_CLICKED and the handler), timing each click until it returns with the results written.
//   response_bench [CLICKS]      default 2000 clicks per button
// Prints each button's median and 90th percentile and the results it wrote, then closes the window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/control_events.h"
#include "shell/win32/tavrolin_program_win.h"
#include "shell/window_layout.h"

namespace {

constexpr UINT kStartDelayMs = 500;
constexpr int kWarmUpClicks = 50;
int clicks = 2000;

HWND mainWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) != L"TavrolinMainWindow" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The control's window anywhere under the main window (group boxes hold some of them).
HWND control(HWND main, const char* name) {
    struct Search {
        int id;
        HWND found;
    } search{controlIdOf(findControl(name)), nullptr};
    EnumChildWindows(
        main,
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            if (GetDlgCtrlID(window) != s.id) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string text(HWND window) {
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return std::string(buffer, buffer + wcslen(buffer));
}

double microsecondsPerTick() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e6 / static_cast<double>(frequency.QuadPart);
}

void measureButton(HWND main, const char* label, const char* button, const char* lower,
                   const char* upper) {
    HWND target = control(main, button);
    std::vector<double> times;
    const double tick = microsecondsPerTick();
    for (int i = -kWarmUpClicks; i < clicks; ++i) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        SendMessageW(target, BM_CLICK, 0, 0);
        QueryPerformanceCounter(&after);
        if (i >= 0) times.push_back(static_cast<double>(after.QuadPart - before.QuadPart) * tick);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-26s median %7.1f us, 90th percentile %7.1f us over %d clicks; wrote \"%s\" and \"%s\"\n",
                label, times[times.size() / 2], times[times.size() * 9 / 10], clicks,
                text(control(main, lower)).c_str(), text(control(main, upper)).c_str());
}

void CALLBACK measureAll(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND main = mainWindow();
    if (!main) return;  // not shown yet: the timer fires again
    KillTimer(nullptr, timer);

    // The inputs of all three calculations, as the auto-fill and the user would leave them:
    // project type 0, drinking water, no reliable internal source, 500 persons, wash water 5.
    SendMessageW(control(main, "用水种类"), CB_SETCURSEL, 0, 0);
    SendMessageW(control(main, "无可靠内水源"), BM_SETCHECK, BST_CHECKED, 0);
    const struct {
        const char* field;
        const wchar_t* text;
    } inputs[] = {{"编辑框1", L"5"}, {"编辑框2", L"6"}, {"编辑框3", L"15"}, {"编辑框4", L"15"},
                  {"掩蔽人数", L"500"}, {"口部冲洗水量", L"5"}};
    for (const auto& input : inputs) SetWindowTextW(control(main, input.field), input.text);

    measureButton(main, "drinking water (button 1)", "按钮1", "编辑框5", "编辑框6");
    // The domestic calculation asks for domestic water first when drinking water is chosen.
    SendMessageW(control(main, "用水种类"), CB_SETCURSEL, 1, 0);
    measureButton(main, "domestic water (button 2)", "按钮2", "编辑框7", "编辑框8");
    measureButton(main, "total (button 3)", "按钮3", "编辑框11", "编辑框12");
    PostMessageW(main, WM_CLOSE, 0, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (__argc > 1) clicks = std::max(1, _wtoi(__wargv[1]));
    SetTimer(nullptr, 0, kStartDelayMs, measureAll);
    return runTavrolin(programEventBindings());
}
