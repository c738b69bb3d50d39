#include "shell/win32/fatal_error_win.h"

#include <string>

#include "shell/fatal_error_text.h"
#include "shell/win32/gbk_win.h"
#include "shell/win32/program_state_win.h"

void fatalError(std::string_view message, std::int32_t code) {
    ++eventHold;
    const std::wstring text = gbkToWide(fatalErrorText(message, code));
    MessageBoxW(nullptr, text.c_str(), gbkToWide("错误").c_str(), MB_OK | MB_ICONERROR);
    onProgramEnd = nullptr;
    ExitProcess(static_cast<UINT>(-1));
}
