// The program's one fatal path: an error box, then exit code -1.
#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <string_view>

// Holds every event, shows the "错误" box with the error icon, then ends the process with exit
// code -1 without running the end-of-run routine.
[[noreturn]] void fatalError(std::string_view message, std::int32_t code);

// Runs a window procedure's body so that no exception leaves it: one that escapes is fatal.
template <typename Body>
LRESULT guardedWindowProc(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        fatalError(error.what(), 0);
    } catch (...) {
        fatalError("未知的内部错误", 0);
    }
}
