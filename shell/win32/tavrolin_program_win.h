// The program's whole life on its one GUI thread.
#pragma once

#include <span>

#include "shell/control_events.h"

// Starts the program with the given event bindings: resets the floating-point unit, builds and shows
// the main window with every event held back, runs the message loop until the window is closed, and
// returns the exit code (0). A failure of the platform ends the process with -1 instead.
int runTavrolin(std::span<const EventBinding> bindings);
