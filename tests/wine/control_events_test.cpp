// Which control events the window raises for genuine mouse and keyboard actions, how often, and what
// the handler finds when it runs. The probe build reports every handler it runs (event_record.h).
#include <string>
#include <vector>

#include "ui_test.h"
#include "window_actions.h"

class ControlEvents : public UiTest {};

// Each accepted choice in a drop-down list runs the box's handler once, after the new selection is
// in place; choosing the item the box already shows counts as a choice too.
TEST_F(ControlEvents, ListItemChosenWithTheMouseRaisesOneSelectedEvent) {
    ASSERT_TRUE(start(Build::Probe));
    struct Pick {
        const char* combo;
        int index;
        const char* why;
    };
    const Pick picks[] = {
        {"用水种类", 1, "a first choice"},
        {"用水种类", 1, "the same item again"},
        {"用水种类", 0, "another item"},
        {"工程类别", 0, "the item shown since start"},
        {"工程类别", 2, "the last item"},
        {"防护外水源", 1, "a box inside a group box"},
    };
    for (const Pick& pick : picks) {
        SCOPED_TRACE(u8(pick.combo) + " item " + std::to_string(pick.index) + ": " + pick.why);
        sink().clear();
        ASSERT_TRUE(pickListItem(program(), view(), pick.combo, pick.index));
        const std::string state = std::string(pick.combo) + "=" + std::to_string(pick.index);
        EXPECT_EQ(describe(eventsAfterAtLeast(1)), describe({{pick.combo, "selected", pick.combo, state}}));
        EXPECT_EQ(view().selection(pick.combo), pick.index);
        EXPECT_EQ(view().openList(pick.combo), nullptr) << "the list closes after the choice";
    }
}

TEST_F(ControlEvents, ListClosedWithoutAChoiceRaisesNothing) {
    ASSERT_TRUE(start(Build::Probe));
    struct Closing {
        const char* how;
        bool byEscape;
    };
    for (const Closing closing : {Closing{"Escape", true}, Closing{"a second click on the box", false}}) {
        SCOPED_TRACE(closing.how);
        HWND box = view().control("用水种类");
        ASSERT_NE(box, nullptr);
        clickCentreOf(box);
        ASSERT_TRUE(waitUntil([&] { return view().openList("用水种类") != nullptr; }));
        program().settle();
        if (closing.byEscape) {
            press(VK_ESCAPE);
        } else {
            click("用水种类");
        }
        EXPECT_TRUE(waitUntil([&] { return view().openList("用水种类") == nullptr; }));
        program().settle();
        EXPECT_EQ(describe(sink().events()), describe({}));
        EXPECT_EQ(view().selection("用水种类"), -1);
    }
}

// Every click on a radio button runs its handler, also when it is already checked; by then the
// clicked button is checked and the other one is not.
TEST_F(ControlEvents, RadioButtonClickRaisesOneClickedEvent) {
    ASSERT_TRUE(start(Build::Probe));
    struct Click {
        const char* radio;
        const char* state;
    };
    const Click clicks[] = {
        {"无可靠内水源", kNoChecked}, {"无可靠内水源", kNoChecked}, {"有可靠内水源", kYesChecked},
        {"有可靠内水源", kYesChecked}, {"无可靠内水源", kNoChecked},
    };
    int step = 0;
    for (const Click& click_ : clicks) {
        SCOPED_TRACE("click " + std::to_string(++step) + " on " + u8(click_.radio));
        sink().clear();
        click(click_.radio);
        EXPECT_EQ(describe(eventsAfterAtLeast(1)),
                  describe({{click_.radio, "clicked", click_.radio, click_.state}}));
    }
}

// The platform's auto radio buttons check themselves when they get the focus unchecked; the window
// must not: a focus move onto a radio button checks nothing and runs no handler.
TEST_F(ControlEvents, FocusMovedOntoAnUncheckedRadioButtonRaisesNothing) {
    ASSERT_TRUE(start(Build::Probe));
    struct Move {
        const char* from;
        unsigned modifiers;
        const char* to;
    };
    const Move moves[] = {{"编辑框1", kNoModifier, "有可靠内水源"},
                          {"编辑框2", kShift, "无可靠内水源"},
                          {"有可靠内水源", kNoModifier, "无可靠内水源"}};
    for (const Move& move : moves) {
        SCOPED_TRACE(u8(move.from) + (move.modifiers ? " Shift+Tab" : " Tab"));
        ASSERT_TRUE(focusWithTab(move.from));
        sink().clear();
        press(VK_TAB, move.modifiers);
        EXPECT_EQ(focus(), u8(move.to));
        EXPECT_EQ(view().checked("有可靠内水源"), BST_UNCHECKED);
        EXPECT_EQ(view().checked("无可靠内水源"), BST_UNCHECKED);
        EXPECT_EQ(describe(sink().events()), describe({}));
    }
}

// setEditText raises the box's text-changed event once per call, before it returns, even when the
// text does not change (the action probe's 按钮2 writes "7" twice).
TEST_F(ControlEvents, SetEditTextRaisesOneChangedEventPerCall) {
    ASSERT_TRUE(start(Build::ActionProbe));
    click("按钮2");
    const std::vector<EventRecord> expected = {
        {"按钮2", "clicked", "按钮2", kStartInputs},
        {"编辑框1", "changed", "按钮2", "编辑框1=7"},
        {"编辑框1", "changed", "按钮2", "编辑框1=7"},
        {"按钮2", "returned", "按钮2", "编辑框1=7"},
    };
    EXPECT_EQ(describe(eventsAfterAtLeast(expected.size())), describe(expected));
    EXPECT_EQ(u8(view().text("编辑框1")), "7");
}

// setFocus on a radio button moves the focus there and neither checks it nor clicks it (the
// action probe's 按钮3).
TEST_F(ControlEvents, SetFocusOnARadioButtonNeitherChecksNorClicksIt) {
    ASSERT_TRUE(start(Build::ActionProbe));
    click("按钮3");
    const std::vector<EventRecord> expected = {
        {"按钮3", "clicked", "按钮3", kStartInputs},
        {"按钮3", "returned", "有可靠内水源", kNoRadioChecked},
    };
    EXPECT_EQ(describe(eventsAfterAtLeast(expected.size())), describe(expected));
    EXPECT_EQ(focus(), u8("有可靠内水源"));
    EXPECT_EQ(view().checked("有可靠内水源"), BST_UNCHECKED);
}
