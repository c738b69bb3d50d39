// The few process-wide values of the shell, touched only on the GUI thread.
#pragma once

// While above 0, no event reaches a handler: such an event is dropped, not queued.
extern int eventHold;
// Set when the message loop is entered, never cleared.
extern bool loopStarted;
// The end-of-run routine registered at start-up, or nullptr; runs at most once.
extern void (*onProgramEnd)();
