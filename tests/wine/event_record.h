// The record a probe build sends to the test driver each time one of its handlers runs. Both sides
// share this format: GBK fields separated by tabs.
//   control  the control whose event ran
//   event    "selected", "clicked", "changed", or "returned" when a scripted handler has finished
//   focus    the layout name of the control that had the keyboard focus while the handler ran
//   state    what the handler saw of the window, as "name=value" pairs joined by ","
#pragma once

#include <string>
#include <string_view>

// The WM_COPYDATA tag of an event record.
inline constexpr unsigned long kEventRecordTag = 0x54415645;

// The class of the driver's hidden window that receives the records.
inline constexpr wchar_t kEventSinkClass[] = L"TavrolinEventSink";

struct EventRecord {
    std::string control;
    std::string event;
    std::string focus;
    std::string state;
    friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

std::string encodeEventRecord(const EventRecord& record);
EventRecord decodeEventRecord(std::string_view bytes);
