// window_screenshot.exe PROGRAM.exe OUT.png
// Starts the program, waits until its main window is shown and idle, saves the window's rectangle of
// the screen as a PNG, closes the window and exits with the program's exit code (1 when something
// went wrong before that, with a message on stderr).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/png_writer.h"
#include "tools/win32_support/process_windows_win.h"
#include "tools/win32_support/wine_paths_win.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

// The program's main window: shown, without an owner, and with a title.
bool isTitledMainWindow(HWND window) {
    return isShownUnowned(window) && GetWindowTextLengthW(window) > 0;
}

HWND waitForMainWindow(HANDLE process, DWORD processId) {
    WaitForInputIdle(process, kTimeoutMs);
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (GetTickCount64() < deadline && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        if (HWND window = firstProcessWindow(processId, isTitledMainWindow)) return window;
        Sleep(20);
    }
    return nullptr;
}

// Lets the program handle what is queued and paint: WM_NULL round trips with pauses between them.
void waitUntilPainted(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    for (int round = 0; round < 10; ++round) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
        Sleep(50);
    }
}

// The window's rectangle of the screen as rows of RGB pixels, top row first.
bool captureWindow(HWND window, int& width, int& height, std::vector<std::uint8_t>& rgb) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) return false;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    if (width < 1 || height < 1) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, old);
        if (copied) {
            const auto* pixels = static_cast<const std::uint8_t*>(bits);  // blue, green, red, unused
            const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
            rgb.resize(count * 3);
            for (std::size_t i = 0; i < count; ++i) {
                rgb[i * 3] = pixels[i * 4 + 2];
                rgb[i * 3 + 1] = pixels[i * 4 + 1];
                rgb[i * 3 + 2] = pixels[i * 4];
            }
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

bool writeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return CloseHandle(file) && ok;
}

int fail(const char* message, HANDLE process) {
    std::fprintf(stderr, "window_screenshot: %s\n", message);
    if (process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_screenshot PROGRAM.exe OUT.png\n");
        return 1;
    }
    const std::wstring program = windowsPath(argv[1]);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return fail("cannot start the program", nullptr);
    }
    CloseHandle(info.hThread);
    HANDLE process = info.hProcess;

    HWND window = waitForMainWindow(process, info.dwProcessId);
    if (!window) return fail("the program showed no window", process);
    waitUntilPainted(window);

    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    if (!captureWindow(window, width, height, rgb)) return fail("cannot capture the window", process);
    if (!writeFile(windowsPath(argv[2]), encodePng(width, height, rgb))) {
        return fail("cannot write the PNG file", process);
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, kTimeoutMs) != WAIT_OBJECT_0) {
        return fail("the program did not end after WM_CLOSE", process);
    }
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return static_cast<int>(code);
}
