#include "ui_test.h"

#include "shell/window_layout.h"
#include "test_programs.h"

std::string executableOf(Build build) {
    switch (build) {
    case Build::Program: return kProgramExecutable;
    case Build::Probe: return kProbeExecutable;
    case Build::ActionProbe: return kActionProbeExecutable;
    }
    return {};
}

const char* nameOf(Build build) {
    switch (build) {
    case Build::Program: return "tavrolin.exe";
    case Build::Probe: return "tavrolin_probe.exe";
    case Build::ActionProbe: return "tavrolin_action_probe.exe";
    }
    return "?";
}

UiTest::~UiTest() {
    if (program_) program_->terminate();
}

testing::AssertionResult UiTest::start(Build build, const std::wstring& desktop) {
    if (!sink_.ready()) return testing::AssertionFailure() << "the event sink window was not created";
    program_ = std::make_unique<RunningProgram>(executableOf(build), desktop);
    if (!program_->mainWindow()) {
        return testing::AssertionFailure() << nameOf(build) << ": " << program_->error();
    }
    view_ = std::make_unique<MainWindowView>(program_->mainWindow());
    return testing::AssertionSuccess();
}

void UiTest::press(WORD virtualKey, unsigned modifiers, bool extended) {
    pressKey(virtualKey, modifiers, extended);
    program_->settle();
}

void UiTest::type(std::wstring_view text) {
    for (wchar_t character : text) {
        typeText(std::wstring_view(&character, 1));
        program_->settle();
    }
}

void UiTest::click(std::string_view control) {
    if (HWND window = view_->control(control)) {
        clickCentreOf(window);
        program_->settle();
    } else {
        ADD_FAILURE() << "no control " << u8(control) << " to click";
    }
}

testing::AssertionResult UiTest::focusWithTab(std::string_view control) {
    // More presses than the window has focus stops.
    for (int i = 0; i < 24; ++i) {
        const std::string before = view_->focusedControl();
        if (before == control) return testing::AssertionSuccess();
        press(VK_TAB);
        // A slow machine may still be moving the focus; one more press now would skip a stop.
        waitUntil([&] { return view_->focusedControl() != before; }, 1000);
    }
    return testing::AssertionFailure() << "Tab never reached " << u8(control) << "; the focus is on "
                                       << focus();
}

std::vector<EventRecord> UiTest::eventsAfterAtLeast(std::size_t count, DWORD timeoutMs) {
    waitUntil([&] { return sink_.events().size() >= count; }, timeoutMs);
    program_->settle();
    return sink_.events();
}

std::vector<EventRecord> withoutFocus(std::vector<EventRecord> events) {
    for (EventRecord& event : events) event.focus.clear();
    return events;
}

std::string UiTest::windowSnapshot() {
    std::string snapshot;
    for (const ControlLayout& control : mainWindowLayout().controls) {
        snapshot += u8(control.name) + ": \"" + u8(view_->text(control.name)) + "\"";
        if (control.kind == ControlKind::ComboBox) {
            snapshot += " selection " + std::to_string(view_->selection(control.name));
        }
        if (control.kind == ControlKind::RadioButton) {
            snapshot += " checked " + std::to_string(view_->checked(control.name));
        }
        snapshot += view_->enabled(control.name) ? " enabled" : " disabled";
        snapshot += view_->visible(control.name) ? " visible\n" : " hidden\n";
    }
    return snapshot;
}
