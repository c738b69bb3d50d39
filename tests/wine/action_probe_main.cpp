// The recording program with three buttons bound to scripted uses of the window operations:
//   按钮1  an operation on a control the window does not have (the platform's fatal path)
//   按钮2  setEditText twice with the same text into 编辑框1 (one text-changed event each)
//   按钮3  setFocus on the radio button 有可靠内水源 (neither checks it nor clicks it)
// Each scripted handler reports its click first and a "returned" record when it has finished.
#include <windows.h>

#include "recording_bindings.h"
#include "shell/window_layout.h"
#include "shell/win32/tavrolin_program_win.h"

namespace {

void reportReturn(std::string_view button, std::string state) {
    sendEventRecord({std::string(button), "returned", focusedControlName(), std::move(state)});
}

void callUnknownControl(WindowOps& window) {
    sendEventRecord(recordOfEvent(window, findControl("按钮1")));
    window.setFocus("没有的控件");
    reportReturn("按钮1", "");
}

void setSameTextTwice(WindowOps& window) {
    sendEventRecord(recordOfEvent(window, findControl("按钮2")));
    window.setEditText("编辑框1", "7");
    window.setEditText("编辑框1", "7");
    const std::string_view edits[] = {"编辑框1"};
    reportReturn("按钮2", textStateOf(window, edits));
}

void focusRadioButton(WindowOps& window) {
    sendEventRecord(recordOfEvent(window, findControl("按钮3")));
    window.setFocus("有可靠内水源");
    const std::string_view radios[] = {"有可靠内水源", "无可靠内水源"};
    reportReturn("按钮3", checkedStateOf(window, radios));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::string_view scripted[] = {"按钮1", "按钮2", "按钮3"};
    std::vector<EventBinding> bindings = {
        {"按钮1", ControlEvent::Clicked, callUnknownControl},
        {"按钮2", ControlEvent::Clicked, setSameTextTwice},
        {"按钮3", ControlEvent::Clicked, focusRadioButton},
    };
    const std::vector<EventBinding> recorders = recordingBindings(scripted);
    bindings.insert(bindings.end(), recorders.begin(), recorders.end());
    return runTavrolin(bindings);
}
