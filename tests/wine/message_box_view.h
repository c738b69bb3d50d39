// The message boxes a running program shows, read from outside and closed with a genuine click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RunningProgram;

struct MessageBoxView {
    HWND window = nullptr;
    std::string caption;  // GBK
    std::string text;     // GBK, the message itself
    bool hasIcon = false;  // an icon is shown beside the text
    HWND okButton = nullptr;
};

// The visible message boxes (dialog class "#32770") of the program.
std::vector<MessageBoxView> messageBoxesOf(const RunningProgram& program);

// Waits up to `timeoutMs` for the program's first message box; the window is null when none came.
MessageBoxView waitForMessageBox(const RunningProgram& program, DWORD timeoutMs = 5000);

// Clicks the box's OK button with the mouse.
void clickOk(const MessageBoxView& box);
