#include "shell/win32/program_state_win.h"

int eventHold = 0;
bool loopStarted = false;
void (*onProgramEnd)() = nullptr;
