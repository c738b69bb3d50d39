#include "message_box_view.h"

#include "gbk_text.h"
#include "running_program.h"
#include "user_input.h"

namespace {

BOOL CALLBACK readBoxChild(HWND child, LPARAM context) {
    auto& box = *reinterpret_cast<MessageBoxView*>(context);
    const std::wstring className = windowClassName(child);
    if (className == L"Button" && GetDlgCtrlID(child) == IDOK) {
        box.okButton = child;
    } else if (className == L"Static") {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            box.hasIcon = box.hasIcon || IsWindowVisible(child);
        } else if (box.text.empty()) {
            box.text = gbkFromWide(windowText(child));
        }
    }
    return TRUE;
}

}  // namespace

std::vector<MessageBoxView> messageBoxesOf(const RunningProgram& program) {
    std::vector<MessageBoxView> boxes;
    for (HWND window : program.topLevelWindows()) {
        if (windowClassName(window) != L"#32770") continue;
        MessageBoxView box;
        box.window = window;
        box.caption = gbkFromWide(windowText(window));
        EnumChildWindows(window, readBoxChild, reinterpret_cast<LPARAM>(&box));
        boxes.push_back(box);
    }
    return boxes;
}

MessageBoxView waitForMessageBox(const RunningProgram& program, DWORD timeoutMs) {
    MessageBoxView found;
    waitUntil(
        [&] {
            const auto boxes = messageBoxesOf(program);
            if (boxes.empty() || !boxes.front().okButton) return false;
            found = boxes.front();
            return true;
        },
        timeoutMs);
    return found;
}

void clickOk(const MessageBoxView& box) {
    if (box.okButton) clickCentreOf(box.okButton);
}
