#include "other_window.h"

namespace {
constexpr wchar_t kClassName[] = L"TavrolinTestOtherWindow";
}

OtherWindow::OtherWindow(RECT rect) {
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, rect, created] {
        threadId_ = GetCurrentThreadId();
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        RegisterClassW(&windowClass);  // fails harmlessly when an earlier window registered it
        window_ = CreateWindowExW(0, kClassName, L"Another program", WS_OVERLAPPED | WS_CAPTION,
                                  rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, nullptr, nullptr, windowClass.hInstance,
                                  nullptr);
        if (window_) ShowWindow(window_, SW_SHOWNOACTIVATE);
        SetEvent(created);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (window_) DestroyWindow(window_);
    });
    WaitForSingleObject(created, 10000);
    CloseHandle(created);
}

OtherWindow::~OtherWindow() {
    if (threadId_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    if (thread_.joinable()) thread_.join();
}
