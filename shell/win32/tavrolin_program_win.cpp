#include "shell/win32/tavrolin_program_win.h"

#include <windows.h>

#include <commctrl.h>
#include <float.h>

#include "shell/win32/fatal_error_win.h"
#include "shell/win32/keyboard_win.h"
#include "shell/win32/main_window_win.h"
#include "shell/win32/program_state_win.h"

namespace {

void initialisePlatform() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

// Round to nearest with every floating-point exception masked, so that a division by zero or an
// overflow gives an infinity or a NaN instead of a trap. On x86-64 doubles are computed by SSE2,
// which has no precision control: every intermediate result is a plain double.
void resetFloatingPoint() {
    _fpreset();
    unsigned int control = 0;
    _controlfp_s(&control, _RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
}

void programEndsHere() {}

void handlePendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void loadMainWindow(MainWindow& window) {
    handlePendingMessages();
    ++eventHold;
    if (!window.create(GetModuleHandleW(nullptr))) fatalError("载入启动窗口失败", 0);
    // Whatever building queued (initial texts and selections) is handled under the hold and so
    // reaches no handler.
    handlePendingMessages();
    --eventHold;
    // Activation gives the window the focus, which passes on to the first focus stop.
    window.show();
}

void runMessageLoop(MainWindow& window) {
    loopStarted = true;
    if (!window.isLoaded()) return;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        bool consumed = false;
        guardedWindowProc([&]() -> LRESULT {
            consumed = preprocessKey(window, message);
            return 0;
        });
        if (consumed) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void endOfRun() {
    ++eventHold;
    if (onProgramEnd) {
        void (*routine)() = onProgramEnd;
        onProgramEnd = nullptr;
        routine();
    }
}

}  // namespace

int runTavrolin(std::span<const EventBinding> bindings) {
    initialisePlatform();
    resetFloatingPoint();
    onProgramEnd = programEndsHere;
    {
        MainWindow window(bindings);
        loadMainWindow(window);
        runMessageLoop(window);
    }
    endOfRun();
    return 0;
}
