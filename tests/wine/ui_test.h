// The fixture of the tests that drive a build of the program under Wine: it starts the build with
// the driver's event sink already listening, gives the tests genuine input that waits until the
// program has handled it, and leaves no process behind.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "event_sink.h"
#include "gbk_text.h"
#include "main_window_view.h"
#include "running_program.h"
#include "user_input.h"

// The builds the tests start: the program itself, and the probe builds that bind recorders
// (see recording_bindings.h and action_probe_main.cpp).
enum class Build { Program, Probe, ActionProbe };

// The executable of a build.
std::string executableOf(Build build);
const char* nameOf(Build build);

class UiTest : public testing::Test {
protected:
    ~UiTest() override;

    // Starts the build and waits until its window is shown and idle.
    testing::AssertionResult start(Build build, const std::wstring& desktop = L"");

    RunningProgram& program() { return *program_; }
    MainWindowView& view() { return *view_; }
    EventSink& sink() { return sink_; }

    // Genuine input, each followed by a wait until the program has handled it.
    void press(WORD virtualKey, unsigned modifiers = kNoModifier, bool extended = false);
    void type(std::wstring_view text);
    void click(std::string_view control);

    // Moves the focus onto the control with Tab presses (at most one round of the focus order).
    testing::AssertionResult focusWithTab(std::string_view control);

    // Waits until the sink holds at least `count` records (bounded), then until the program is idle,
    // and returns every record.
    std::vector<EventRecord> eventsAfterAtLeast(std::size_t count, DWORD timeoutMs = 3000);

    // Everything the user can see of every control (texts, selections, checks, enabled and visible
    // states), one control per line, in UTF-8.
    std::string windowSnapshot();

    // The focused control, as UTF-8 for comparisons that print well.
    std::string focus() { return utf8FromGbk(view_->focusedControl()); }

private:
    EventSink sink_;
    std::unique_ptr<RunningProgram> program_;
    std::unique_ptr<MainWindowView> view_;
};

// The state field of the probe's records (event_record.h) in the situations the tests meet: the
// check marks of the two radio buttons, and what a button's handler finds in the typed inputs
// before the user has typed anything.
inline constexpr char kNoRadioChecked[] = "有可靠内水源=0,无可靠内水源=0";
inline constexpr char kYesChecked[] = "有可靠内水源=1,无可靠内水源=0";
inline constexpr char kNoChecked[] = "有可靠内水源=0,无可靠内水源=1";
inline constexpr char kStartInputs[] = "掩蔽人数=,口部冲洗水量=5";

// The records without their focus field, for checks where the focus does not matter.
std::vector<EventRecord> withoutFocus(std::vector<EventRecord> events);

// GBK text as UTF-8, for test messages and comparisons whose failures print both sides readably.
inline std::string u8(std::string_view gbk) { return utf8FromGbk(gbk); }
