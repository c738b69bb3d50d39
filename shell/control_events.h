// The control events and the table that binds them to the design handlers.
#pragma once

#include <span>
#include <string_view>

#include "shell/window_ops.h"

enum class ControlEvent { ListItemSelected, Clicked, TextChanged, Feedback };

using EventHandler = void (*)(WindowOps&);

struct EventBinding {
    const char* control;  // GBK control name
    ControlEvent event;
    EventHandler handler;
};

// The bindings of the program: every other event of the window has no handler.
std::span<const EventBinding> programEventBindings();

// The handler bound to (control, event) in the table, or nullptr.
EventHandler findEventHandler(std::span<const EventBinding> bindings, std::string_view control,
                              ControlEvent event);
