// Runs a program once under Wine's debug channels and closes it as a user would, for the run-time
// trace check (check_runtime_trace.sh).
//   traced_run CHANNELS PROGRAM [ARGUMENT...]
// The program gets WINEDEBUG=CHANNELS; its trace goes to the standard error that it shares with
// this driver, which itself runs without channels. On standard output the driver writes what tells
// the program's trace lines and calls apart from everything else: the process id as Wine's trace
// writes it, the address range of the program's image (the relay channel shows the caller's
// address), the program's path and current directory; then every window of the program with its
// class and text, so that two runs can be compared, and the exit code after Alt+F4.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "tools/win32_support/process_windows_win.h"
#include "tools/win32_support/wine_paths_win.h"
#include "user_input.h"

namespace {

constexpr DWORD kTimeoutMs = 60000;  // relay tracing slows the program down a lot

std::wstring quoted(const std::wstring& argument) { return L"\"" + argument + L"\""; }

std::string utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    return result;
}

void printWindow(HWND window, int depth) {
    wchar_t className[128] = {};
    GetClassNameW(window, className, 128);
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        kTimeoutMs, &copied);
    std::printf("window %*s%s \"%s\" style %08lX\n", depth * 2, "", utf8(className).c_str(),
                utf8(text).c_str(), static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        printWindow(child, depth + 1);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: traced_run CHANNELS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::wstring program = windowsPath(argv[2]);
    std::wstring commandLine = quoted(program);
    for (int i = 3; i < argc; ++i) commandLine += L" " + quoted(argv[i]);

    // Wine sets up its display driver, and records the display's modes in the registry, in the
    // first process of the session that uses the display. A window of the driver's own makes sure
    // that this is not the traced program.
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  nullptr, nullptr));

    SetEnvironmentVariableW(L"WINEDEBUG", argv[1]);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const bool created = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                        0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(L"WINEDEBUG", L"-all");
    if (!created) {
        std::printf("not started: error %lu\n", GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    std::printf("pid %04lx\n", static_cast<unsigned long>(process.dwProcessId));
    std::printf("program %s\n", utf8(program).c_str());
    wchar_t directory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, directory);
    std::printf("directory %s\n", utf8(directory).c_str());

    WaitForInputIdle(process.hProcess, kTimeoutMs);
    // The first module of a process is its executable.
    HMODULE image = nullptr;
    DWORD needed = 0;
    MODULEINFO imageInfo{};
    if (K32EnumProcessModules(process.hProcess, &image, sizeof image, &needed) &&
        K32GetModuleInformation(process.hProcess, image, &imageInfo, sizeof imageInfo)) {
        std::printf("image %llx %lx\n",
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(imageInfo.lpBaseOfDll)),
                    static_cast<unsigned long>(imageInfo.SizeOfImage));
    }
    HWND mainWindow = nullptr;
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (!mainWindow && GetTickCount64() < deadline &&
           WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
        mainWindow = shownUnownedWindow(process.dwProcessId);
    }
    int status = 0;
    if (mainWindow) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &result);
        printWindow(mainWindow, 0);
        SetForegroundWindow(mainWindow);
        pressKey(VK_F4, kAlt);
    } else {
        std::printf("no window\n");
        status = 1;
    }
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        std::printf("exit %ld\n", static_cast<long>(code));
    } else {
        std::printf("exit none: still running after Alt+F4\n");
        TerminateProcess(process.hProcess, 1);
        status = 1;
    }
    CloseHandle(process.hProcess);
    return status;
}
