// One run of a program under test: started like a user would start it, observed from outside and
// never left behind. Every wait is bounded; a program still running when the object goes away is
// terminated.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class RunningProgram {
public:
    // Starts the executable (a Unix path under Wine, or a Windows path) with no argument. `desktop`
    // names the desktop the process is created on; empty means the driver's own. Returns once the
    // process's top-level window titled "Tavrolin" is visible and the process is idle, or after
    // `timeoutMs`; mainWindow() is null when no window came up.
    RunningProgram(const std::string& executable, const std::wstring& desktop = L"",
                   DWORD timeoutMs = 20000);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // False when the process could not be created at all; error() then tells why.
    bool started() const { return process_ != nullptr; }
    const std::string& error() const { return error_; }

    HWND mainWindow() const { return mainWindow_; }
    DWORD processId() const { return processId_; }
    DWORD guiThreadId() const;
    bool isRunning() const;

    // Waits until the GUI thread has handled what the last action queued: repeated round trips of
    // WM_NULL with short pauses in between, so that input, the messages it posts and the events the
    // program queues for itself have all been handled.
    void settle() const;

    // The visible top-level windows of the process, on the desktop it runs on.
    std::vector<HWND> topLevelWindows() const;

    // Waits for the process to end and returns its exit code, or nothing after `timeoutMs`.
    std::optional<DWORD> waitForExit(DWORD timeoutMs) const;

    // Ends the process at once (used when a test fails with the program still running).
    void terminate();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
    std::wstring desktop_;
    std::string error_;
};

// Polls `condition` every few milliseconds until it holds or `timeoutMs` has passed; returns its last
// value.
template <typename Condition>
bool waitUntil(Condition condition, DWORD timeoutMs = 3000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
}

// The class name of a window.
std::wstring windowClassName(HWND window);
// The text of a window, read with WM_GETTEXT (works across processes).
std::wstring windowText(HWND window);
