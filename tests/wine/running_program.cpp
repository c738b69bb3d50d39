#include "running_program.h"

#include <utility>

#include "tools/win32_support/process_windows_win.h"
#include "tools/win32_support/wine_paths_win.h"

namespace {

// The style bit rather than IsWindowVisible, which tells nothing about windows of a desktop other
// than the caller's.
bool hasVisibleStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

}  // namespace

std::wstring windowClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return L"<no answer>";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

RunningProgram::RunningProgram(const std::string& executable, const std::wstring& desktop,
                               DWORD timeoutMs)
    : desktop_(desktop) {
    std::wstring path = windowsPath(executable);
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!desktop_.empty()) startup.lpDesktop = desktop_.data();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        error_ = "CreateProcess failed with error " + std::to_string(GetLastError()) + " for " +
                 executable;
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;

    WaitForInputIdle(process_, timeoutMs);
    waitUntil(
        [&] {
            for (HWND window : topLevelWindows()) {
                if (GetWindow(window, GW_OWNER) == nullptr && windowText(window) == L"Tavrolin") {
                    mainWindow_ = window;
                    return true;
                }
            }
            return !isRunning();
        },
        timeoutMs);
    if (mainWindow_) {
        settle();
    } else {
        error_ = isRunning() ? "no visible window titled Tavrolin appeared"
                             : "the program ended before showing its window";
    }
}

RunningProgram::~RunningProgram() {
    if (!process_) return;
    terminate();
    CloseHandle(process_);
}

DWORD RunningProgram::guiThreadId() const {
    return mainWindow_ ? GetWindowThreadProcessId(mainWindow_, nullptr) : 0;
}

bool RunningProgram::isRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void RunningProgram::settle() const {
    if (!mainWindow_) return;
    // Each round trip lets the GUI thread take at least one more queued message (sent messages are
    // handled before posted and input messages), and each pause lets it run through what is queued.
    for (int round = 0; round < 4; ++round) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(mainWindow_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
        Sleep(round == 0 ? 5 : 20);
    }
}

std::vector<HWND> RunningProgram::topLevelWindows() const {
    if (desktop_.empty()) return processWindows(processId_, hasVisibleStyle);
    std::vector<HWND> windows;
    if (HDESK desk = OpenDesktopW(desktop_.c_str(), 0, FALSE,
                                  DESKTOP_READOBJECTS | DESKTOP_ENUMERATE)) {
        windows = processWindows(processId_, hasVisibleStyle, desk);
        CloseDesktop(desk);
    }
    return windows;
}

std::optional<DWORD> RunningProgram::waitForExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void RunningProgram::terminate() {
    if (isRunning()) {
        TerminateProcess(process_, 0xDEAD);
        WaitForSingleObject(process_, 5000);
    }
}
