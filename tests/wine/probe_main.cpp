// The program with a recorder bound to every event of every control, so that the tests see which
// handlers the window runs, in which order, and what each of them would find.
#include <windows.h>

#include "recording_bindings.h"
#include "shell/win32/tavrolin_program_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<EventBinding> bindings = recordingBindings();
    return runTavrolin(bindings);
}
