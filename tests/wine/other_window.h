// Another program's window, as far as the program under test can tell: a visible top-level window
// of the driver, on a thread of its own that pumps messages, which a click brings to the front.
#pragma once

#include <windows.h>

#include <thread>

class OtherWindow {
public:
    // Shows the window at `rect` (screen coordinates) without activating it.
    explicit OtherWindow(RECT rect);
    ~OtherWindow();
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND window() const { return window_; }

private:
    std::thread thread_;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};
