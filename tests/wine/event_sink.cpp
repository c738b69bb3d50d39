#include "event_sink.h"

#include <string_view>

#include "gbk_text.h"

EventSink::EventSink() {
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, created] { run(created); });
    WaitForSingleObject(created, 10000);
    CloseHandle(created);
}

EventSink::~EventSink() {
    if (threadId_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    if (thread_.joinable()) thread_.join();
}

void EventSink::run(HANDLE created) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kEventSinkClass;
    RegisterClassW(&windowClass);  // fails harmlessly when an earlier sink registered it
    // Top-level so that FindWindowW finds it, and never shown so that it never takes activation.
    window_ = CreateWindowExW(0, kEventSinkClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetEvent(created);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK EventSink::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        auto* sink = reinterpret_cast<EventSink*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (sink && data && data->dwData == kEventRecordTag) {
            std::string_view bytes(static_cast<const char*>(data->lpData), data->cbData);
            std::lock_guard lock(sink->mutex_);
            sink->events_.push_back(decodeEventRecord(bytes));
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<EventRecord> EventSink::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

void EventSink::clear() {
    std::lock_guard lock(mutex_);
    events_.clear();
}

std::string describe(const std::vector<EventRecord>& events) {
    if (events.empty()) return "(no events)\n";
    std::string text;
    for (const EventRecord& e : events) {
        text += utf8FromGbk(e.control + " " + e.event + " (focus " + e.focus + "; " + e.state + ")") +
                "\n";
    }
    return text;
}
