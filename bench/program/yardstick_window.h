// The yardsticks of the start-up and memory benchmarks share one program: it registers a class,
// creates one top-level window of tavrolin.exe's size, lets the yardstick add its contents, shows the
// window and runs the message loop. Built with the same compiler, flags and static runtimes as
// tavrolin.exe.
#pragma once

#include <windows.h>

// What the yardstick puts into the still hidden window; false when that failed.
bool addWindowContents(HWND window, HINSTANCE instance);
