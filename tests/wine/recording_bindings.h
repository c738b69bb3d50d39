// Event bindings for the probe builds of the program: every list item selected of a combo box,
// every click of a radio button or button and every text change of an edit box runs a recorder that
// reports the event synchronously to the test driver's event sink.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "event_record.h"
#include "shell/control_events.h"

// A recorder for every control of the layout except those named in `except`, which the caller binds
// to handlers of its own.
std::vector<EventBinding> recordingBindings(std::span<const std::string_view> except = {});

// What a recorder reports when the control at `layoutIndex` raises its event.
EventRecord recordOfEvent(WindowOps& window, int layoutIndex);

// Sends a record to the driver's sink and returns once the driver has taken it; does nothing when
// no driver is listening.
void sendEventRecord(const EventRecord& record);

// The layout name of the control that has the keyboard focus, "-" when no control has it.
std::string focusedControlName();

// The "name=value" state of the named radio buttons, or of the named edit boxes, joined by ",".
std::string checkedStateOf(WindowOps& window, std::span<const std::string_view> radios);
std::string textStateOf(WindowOps& window, std::span<const std::string_view> edits);
