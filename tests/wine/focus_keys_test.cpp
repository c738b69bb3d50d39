// The keyboard's way through the window: the focus order with Tab, Shift+Tab and Enter, Space on
// buttons, the arrow keys on the radio buttons, and the keys that do nothing to the window.
#include <string>
#include <vector>

#include "ui_test.h"
#include "window_actions.h"

namespace {

// The forward focus order of the main window's 20 focus stops.
const char* const kFocusOrder[] = {
    "工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2",     "编辑框3",  "编辑框4",
    "编辑框5",  "编辑框6", "编辑框7",     "编辑框8",     "按钮1",       "按钮2",    "用水种类",
    "掩蔽人数", "口部冲洗水量", "编辑框11", "编辑框12",   "按钮3",       "防护外水源",
};
constexpr int kStops = static_cast<int>(std::size(kFocusOrder));

struct CycleKey {
    const char* name;
    Build build;
    WORD key;
    unsigned modifiers;
    bool extended;
    bool forward;
};

// The probe runs reveal any handler a key runs on the way (Enter must click no button, a focus
// move onto a radio button must click nothing).
const CycleKey kCycleKeys[] = {
    {"ProgramTab", Build::Program, VK_TAB, kNoModifier, false, true},
    {"ProgramShiftTab", Build::Program, VK_TAB, kShift, false, false},
    {"ProbeTab", Build::Probe, VK_TAB, kNoModifier, false, true},
    {"ProbeShiftTab", Build::Probe, VK_TAB, kShift, false, false},
    {"ProbeEnter", Build::Probe, VK_RETURN, kNoModifier, false, true},
    {"ProbeKeypadEnter", Build::Probe, VK_RETURN, kNoModifier, true, true},
};

}  // namespace

class FocusCycle : public UiTest, public testing::WithParamInterface<CycleKey> {};

TEST_P(FocusCycle, VisitsEveryStopInOrderAndWrapsAround) {
    const CycleKey& key = GetParam();
    ASSERT_TRUE(start(key.build));
    ASSERT_EQ(focus(), u8(kFocusOrder[0]));
    int at = 0;
    for (int step = 1; step <= kStops; ++step) {
        const int next = key.forward ? (at + 1) % kStops : (at + kStops - 1) % kStops;
        press(key.key, key.modifiers, key.extended);
        waitUntil([&] { return focus() == u8(kFocusOrder[next]); }, 1000);
        ASSERT_EQ(focus(), u8(kFocusOrder[next])) << key.name << " on " << u8(kFocusOrder[at]);
        at = next;
    }
    EXPECT_EQ(describe(sink().events()), describe({})) << "no key of the cycle runs a handler";
}

INSTANTIATE_TEST_SUITE_P(Keys, FocusCycle, testing::ValuesIn(kCycleKeys),
                         [](const auto& info) { return std::string(info.param.name); });

class FocusKeys : public UiTest {};

// Auto-repeats of a held key move the focus on like separate presses.
TEST_F(FocusKeys, AHeldTabMovesOnceForEveryRepeat) {
    ASSERT_TRUE(start(Build::Program));
    holdKey(VK_TAB, 3);
    program().settle();
    EXPECT_EQ(focus(), u8(kFocusOrder[3]));
}

// The window's keys count only with exactly their own modifiers; with others the key goes to the
// control, which does nothing with it.
TEST_F(FocusKeys, KeysWithOtherModifiersLeaveTheFocusWhereItIs) {
    ASSERT_TRUE(start(Build::Probe));
    struct Case {
        const char* name;
        const char* control;
        WORD key;
        unsigned modifiers;
    };
    const Case cases[] = {
        {"Ctrl+Shift+Tab", "工程类别", VK_TAB, kCtrl | kShift},
        {"Ctrl+Tab", "编辑框1", VK_TAB, kCtrl},
        {"Ctrl+Down", "有可靠内水源", VK_DOWN, kCtrl},
        {"Shift+Down", "有可靠内水源", VK_DOWN, kShift},
        {"Ctrl+Up", "无可靠内水源", VK_UP, kCtrl},
        {"Ctrl+Enter", "按钮1", VK_RETURN, kCtrl},
        {"Shift+Enter", "掩蔽人数", VK_RETURN, kShift},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " on " + u8(c.control));
        ASSERT_TRUE(focusWithTab(c.control));
        sink().clear();
        press(c.key, c.modifiers);
        EXPECT_EQ(focus(), u8(c.control));
        EXPECT_EQ(describe(sink().events()), describe({}));
    }
    EXPECT_EQ(view().checked("有可靠内水源"), BST_UNCHECKED);
    EXPECT_EQ(view().checked("无可靠内水源"), BST_UNCHECKED);
}

// Enter and Tab move on from a combo box whose list is open, like from a closed one.
TEST_F(FocusKeys, EnterAndTabMoveOnFromAnOpenList) {
    ASSERT_TRUE(start(Build::Program));
    for (WORD key : {VK_RETURN, VK_TAB}) {
        SCOPED_TRACE(key == VK_RETURN ? "Enter" : "Tab");
        ASSERT_TRUE(focusWithTab("用水种类"));
        click("用水种类");
        ASSERT_TRUE(waitUntil([&] { return view().openList("用水种类") != nullptr; }));
        program().settle();
        press(key);
        EXPECT_EQ(focus(), u8("掩蔽人数"));
        EXPECT_TRUE(waitUntil([&] { return view().openList("用水种类") == nullptr; }))
            << "the list stays open";
    }
}

// Space is not the window's key: it reaches the focused button, which clicks.
TEST_F(FocusKeys, SpaceClicksTheFocusedButton) {
    ASSERT_TRUE(start(Build::Probe));
    struct Case {
        const char* control;
        const char* state;
    };
    const Case cases[] = {{"有可靠内水源", kYesChecked}, {"无可靠内水源", kNoChecked},
                          {"按钮1", kStartInputs},      {"按钮2", kStartInputs},
                          {"按钮3", kStartInputs}};
    for (const Case& c : cases) {
        SCOPED_TRACE(u8(c.control));
        ASSERT_TRUE(focusWithTab(c.control));
        sink().clear();
        press(VK_SPACE);
        EXPECT_EQ(describe(eventsAfterAtLeast(1)), describe({{c.control, "clicked", c.control, c.state}}));
        EXPECT_EQ(focus(), u8(c.control));
    }
}

// An arrow on a radio button checks the other one and runs its handler while the focus is still
// where the key was pressed; only then does the focus follow.
TEST_F(FocusKeys, ArrowsOnARadioButtonClickTheOtherOneThenMoveTheFocus) {
    ASSERT_TRUE(start(Build::Probe));
    struct Case {
        const char* key;
        WORD virtualKey;
        const char* from;
        const char* to;
        const char* state;
    };
    const Case cases[] = {
        {"Down", VK_DOWN, "有可靠内水源", "无可靠内水源", kNoChecked},
        {"Down", VK_DOWN, "无可靠内水源", "有可靠内水源", kYesChecked},
        {"Right", VK_RIGHT, "有可靠内水源", "无可靠内水源", kNoChecked},
        {"Right", VK_RIGHT, "无可靠内水源", "有可靠内水源", kYesChecked},
        {"Up", VK_UP, "有可靠内水源", "无可靠内水源", kNoChecked},
        {"Up", VK_UP, "无可靠内水源", "有可靠内水源", kYesChecked},
        {"Left", VK_LEFT, "有可靠内水源", "无可靠内水源", kNoChecked},
        {"Left", VK_LEFT, "无可靠内水源", "有可靠内水源", kYesChecked},
    };
    ASSERT_TRUE(focusWithTab("有可靠内水源"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " on " + u8(c.from));
        ASSERT_EQ(focus(), u8(c.from));
        sink().clear();
        press(c.virtualKey);
        EXPECT_EQ(describe(eventsAfterAtLeast(1)), describe({{c.to, "clicked", c.from, c.state}}));
        EXPECT_EQ(focus(), u8(c.to));
        EXPECT_EQ(view().checked(c.from), BST_UNCHECKED);
        EXPECT_EQ(view().checked(c.to), BST_CHECKED);
    }
}

// No user action disables a radio button, so the driver disables one itself: the arrows on the
// other then have no candidate to move to and do nothing.
TEST_F(FocusKeys, ArrowsDoNothingWhileTheOtherRadioButtonIsDisabled) {
    ASSERT_TRUE(start(Build::Probe));
    const char* const radios[] = {"有可靠内水源", "无可靠内水源"};
    for (int focused = 0; focused < 2; ++focused) {
        const char* self = radios[focused];
        const char* other = radios[1 - focused];
        SCOPED_TRACE(u8(other) + " disabled");
        ASSERT_TRUE(focusWithTab(self));
        EnableWindow(view().control(other), FALSE);
        sink().clear();
        for (WORD key : {VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT}) press(key);
        EXPECT_EQ(focus(), u8(self));
        EXPECT_EQ(view().checked(self), BST_UNCHECKED);
        EXPECT_EQ(view().checked(other), BST_UNCHECKED);
        EXPECT_EQ(describe(sink().events()), describe({}));
        EnableWindow(view().control(other), TRUE);
    }
}

// Arrows on other controls are not the window's keys: a closed drop-down list takes them.
TEST_F(FocusKeys, ArrowsOnAComboBoxChangeItsSelection) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_EQ(focus(), u8("工程类别"));
    press(VK_DOWN);
    EXPECT_EQ(view().selection("工程类别"), 1);
    EXPECT_EQ(focus(), u8("工程类别"));
    press(VK_UP);
    EXPECT_EQ(view().selection("工程类别"), 0);
}

// The program disables 防护外水源 when 饮用水 is chosen; Tab on 按钮3 then wraps to 工程类别.
TEST_F(FocusKeys, TabOnButton3SkipsTheDisabledExternalSource) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_TRUE(pickListItem(program(), view(), "用水种类", 0));
    if (view().enabled("防护外水源")) {
        if (view().text("编辑框1").empty()) {
            GTEST_SKIP() << "the design handlers are still empty: choosing 饮用水 filled in nothing";
        }
        FAIL() << "choosing 饮用水 left 防护外水源 enabled";
    }
    ASSERT_TRUE(focusWithTab("按钮3"));
    press(VK_TAB);
    EXPECT_EQ(focus(), u8("工程类别"));
    press(VK_TAB, kShift);
    EXPECT_EQ(focus(), u8("按钮3"));
}

// Only visible and enabled stops are candidates. The driver disables or hides a stop itself, since
// the only user-driven case needs the design handlers (the test above).
TEST_F(FocusKeys, TabAndShiftTabSkipStopsThatAreDisabledOrHidden) {
    ASSERT_TRUE(start(Build::Probe));
    struct Case {
        const char* control;
        bool hide;
        const char* from;
        unsigned modifiers;
        const char* expected;
    };
    const Case cases[] = {
        {"防护外水源", false, "按钮3", kNoModifier, "工程类别"},
        {"防护外水源", false, "工程类别", kShift, "按钮3"},
        {"编辑框1", false, "工程类别", kNoModifier, "有可靠内水源"},
        {"编辑框1", true, "工程类别", kNoModifier, "有可靠内水源"},
        {"编辑框1", true, "有可靠内水源", kShift, "工程类别"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(u8(c.control) + (c.hide ? " hidden, " : " disabled, ") +
                     (c.modifiers ? "Shift+Tab on " : "Tab on ") + u8(c.from));
        ASSERT_TRUE(focusWithTab(c.from));
        HWND skipped = view().control(c.control);
        if (c.hide) {
            ShowWindow(skipped, SW_HIDE);
        } else {
            EnableWindow(skipped, FALSE);
        }
        program().settle();
        sink().clear();
        press(VK_TAB, c.modifiers);
        EXPECT_EQ(focus(), u8(c.expected));
        EXPECT_EQ(describe(sink().events()), describe({}));
        if (c.hide) {
            ShowWindow(skipped, SW_SHOWNA);
        } else {
            EnableWindow(skipped, TRUE);
        }
        program().settle();
    }
}

// Escape closes nothing and F1 opens no help: the window stays as it is, wherever the focus is.
TEST_F(FocusKeys, EscapeAndF1LeaveTheWindowAsItIs) {
    ASSERT_TRUE(start(Build::Program));
    for (const char* control : {"工程类别", "掩蔽人数", "按钮1", "有可靠内水源"}) {
        SCOPED_TRACE(u8(control));
        ASSERT_TRUE(focusWithTab(control));
        const std::string before = windowSnapshot();
        press(VK_ESCAPE);
        press(VK_F1);
        ASSERT_TRUE(program().isRunning());
        EXPECT_TRUE(IsWindowVisible(program().mainWindow()));
        EXPECT_EQ(focus(), u8(control));
        EXPECT_EQ(windowSnapshot(), before);
    }
}
