// The driver's receiver of the probe's event records: a hidden top-level window of class
// "TavrolinEventSink" on a thread of its own that pumps messages all the time, so the probe's
// synchronous WM_COPYDATA never waits on the test.
#pragma once

#include <windows.h>

#include <mutex>
#include <thread>
#include <vector>

#include "event_record.h"

class EventSink {
public:
    EventSink();   // returns once the window exists
    ~EventSink();  // destroys the window and joins the thread
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;

    bool ready() const { return window_ != nullptr; }
    std::vector<EventRecord> events() const;
    void clear();

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    void run(HANDLE created);

    std::thread thread_;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    mutable std::mutex mutex_;
    std::vector<EventRecord> events_;
};

// Readable form of a list of records for failure messages, one per line, in UTF-8.
std::string describe(const std::vector<EventRecord>& events);
