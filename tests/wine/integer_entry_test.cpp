// The two integer boxes (掩蔽人数, 口部冲洗水量) as the user types into them and leaves them, and the
// read-only result boxes, which take no input at all.
#include <string>
#include <vector>

#include "message_box_view.h"
#include "ui_test.h"
#include "window_actions.h"

namespace {

void putOnClipboard(std::wstring_view text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory));
        text.copy(target, text.size());
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
}

// The start and end of an edit box's selection (the caret when they are equal).
std::pair<int, int> selectionOf(HWND edit) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    return {LOWORD(result), HIWORD(result)};
}

}  // namespace

class IntegerEntry : public UiTest {
protected:
    // Clicks into the box, selects all of its text and deletes it.
    void clearBox(std::string_view control) {
        click(control);
        press(VK_END);
        press(VK_HOME, kShift);
        press(VK_DELETE);
    }
};

TEST_F(IntegerEntry, TypingTakesOnlyMinusSignsAndDigitsUpToFourCharacters) {
    ASSERT_TRUE(start(Build::Program));
    struct Case {
        const char* control;
        const wchar_t* typed;
        const char* expected;
        const char* why;
    };
    const Case cases[] = {
        {"掩蔽人数", L"a", "", "a letter"},
        {"掩蔽人数", L"A", "", "a capital letter, typed with Shift"},
        {"掩蔽人数", L".", "", "a decimal point"},
        {"掩蔽人数", L" ", "", "a space"},
        {"掩蔽人数", L"五", "", "a CJK character"},
        {"掩蔽人数", L"-", "-", "a minus sign"},
        {"掩蔽人数", L"0987", "0987", "digits"},
        {"掩蔽人数", L"12345", "1234", "a fifth character"},
        {"掩蔽人数", L"5-6-", "5-6-", "minus signs at any position"},
        {"掩蔽人数", L"-1a.2 3", "-123", "refused characters between taken ones"},
        {"口部冲洗水量", L"2.5", "25", "a decimal point in the wash water"},
        {"编辑框1", L"5", "", "a read-only box"},
        {"编辑框12", L"-", "", "a read-only box inside a group box"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(u8(c.control) + ": " + c.why);
        clearBox(c.control);
        ASSERT_EQ(focus(), u8(c.control));
        type(c.typed);
        EXPECT_EQ(u8(view().text(c.control)), c.expected);
    }
}

TEST_F(IntegerEntry, PastedTextIsNotFilteredButLimitedAndReadOnlyBoxesTakeNone) {
    ASSERT_TRUE(start(Build::Program));
    struct Case {
        const char* control;
        const wchar_t* pasted;
        const char* expected;
    };
    const Case cases[] = {
        {"掩蔽人数", L"1.5", "1.5"},
        {"掩蔽人数", L"123456", "1234"},
        {"口部冲洗水量", L"ab", "ab"},
        {"编辑框1", L"9", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(u8(c.control) + ": paste " + gbkFromWide(c.pasted));
        clearBox(c.control);
        putOnClipboard(c.pasted);
        press('V', kCtrl);
        EXPECT_EQ(u8(view().text(c.control)), c.expected);
    }
}

// Leaving the box normalises its text; a changed text raises one text-changed event and puts the
// caret where the selection began, at most at the end; an unchanged text is left alone.
TEST_F(IntegerEntry, LeavingTheBoxNormalisesItsText) {
    ASSERT_TRUE(start(Build::Probe));
    struct Leave {
        const char* name;
        WORD key;
        unsigned modifiers;
    };
    const Leave tab{"Tab", VK_TAB, kNoModifier};
    const Leave shiftTab{"Shift+Tab", VK_TAB, kShift};
    const Leave enter{"Enter", VK_RETURN, kNoModifier};
    const Leave clickElsewhere{"a click on 编辑框1", 0, kNoModifier};
    struct Case {
        const wchar_t* typed;
        Leave leave;
        const char* expected;
    };
    const Case cases[] = {
        {L"0012", tab, "12"},      {L"0", tab, ""},      {L"-", tab, ""},
        {L"-0", tab, ""},          {L"-12", tab, "-12"}, {L"12-3", tab, "12"},
        {L"--5", tab, ""},         {L"7", tab, "7"},     {L"0012", shiftTab, "12"},
        {L"0012", enter, "12"},    {L"0012", clickElsewhere, "12"},
    };
    for (const Case& c : cases) {
        const std::string typed = gbkFromWide(c.typed);
        SCOPED_TRACE("\"" + typed + "\" left with " + c.leave.name);
        clearBox("掩蔽人数");
        type(c.typed);
        ASSERT_EQ(view().text("掩蔽人数"), typed);
        sink().clear();
        if (c.leave.key) {
            press(c.leave.key, c.leave.modifiers);
        } else {
            click("编辑框1");
        }
        ASSERT_NE(focus(), u8("掩蔽人数"));
        EXPECT_EQ(u8(view().text("掩蔽人数")), c.expected);
        std::vector<EventRecord> expected;
        if (typed != c.expected) {
            expected.push_back({"掩蔽人数", "changed", "", "掩蔽人数=" + std::string(c.expected)});
        }
        EXPECT_EQ(describe(withoutFocus(sink().events())), describe(expected));
        const int caret = std::min<int>(static_cast<int>(typed.size()),
                                        static_cast<int>(std::string_view(c.expected).size()));
        EXPECT_EQ(selectionOf(view().control("掩蔽人数")), std::make_pair(caret, caret));
    }
}

// A click on a button takes the focus first, so the box is emptied before the button's handler
// runs and the handler finds it empty.
TEST_F(IntegerEntry, ZeroIsEmptiedBeforeTheClickedButtonsHandlerRuns) {
    ASSERT_TRUE(start(Build::Probe));
    click("掩蔽人数");
    type(L"0");
    sink().clear();
    click("按钮1");
    const std::vector<EventRecord> events = eventsAfterAtLeast(2);
    EXPECT_EQ(describe(withoutFocus(events)),
              describe({{"掩蔽人数", "changed", "", "掩蔽人数="},
                        {"按钮1", "clicked", "", kStartInputs}}));
    if (events.size() == 2) {
        EXPECT_EQ(u8(events[1].focus), u8("按钮1")) << "the button has the focus when it is clicked";
    }
    EXPECT_EQ(u8(view().text("掩蔽人数")), "");
}

// The same in the program itself: with every other input of the drinking water calculation present,
// "0" left in 掩蔽人数 by a click on 按钮1 makes the calculation ask for the number of persons.
TEST_F(IntegerEntry, ZeroLeftByAClickOnButton1MakesTheCalculationAskForPersons) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_TRUE(pickListItem(program(), view(), "用水种类", 0));
    click("无可靠内水源");
    click("掩蔽人数");
    type(L"0");
    click("按钮1");
    const MessageBoxView box = waitForMessageBox(program());
    ASSERT_NE(box.window, nullptr) << "按钮1 showed no message; 编辑框5 holds \""
                                   << u8(view().text("编辑框5")) << "\"";
    EXPECT_EQ(u8(box.caption), u8("请输入掩蔽人数!"));
    EXPECT_EQ(u8(box.text), u8("提示:请输入掩蔽人数!不能大于4位数!"));
    EXPECT_EQ(u8(view().text("掩蔽人数")), "");
    clickOk(box);
    EXPECT_TRUE(waitUntil([&] { return messageBoxesOf(program()).empty(); })) << "the box stays open";
    program().settle();
    EXPECT_EQ(focus(), u8("掩蔽人数"));
}
