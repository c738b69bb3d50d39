// Process entry: no argument is read; the exit code is 0 after the window was closed.
#include <windows.h>

#include "shell/control_events.h"
#include "shell/win32/tavrolin_program_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return runTavrolin(programEventBindings()); }
