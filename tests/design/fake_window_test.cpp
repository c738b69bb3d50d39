// The fake main window keeps the behaviour of the window operations that the handler tests rely on.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/design/fake_window.h"

namespace {

TEST(FakeWindow, StartsAsTheLayoutDescribesTheWindow) {
    FakeWindow window;
    EXPECT_EQ(window.selectionIndex("工程类别"), 0);
    EXPECT_EQ(window.selectionIndex("用水种类"), -1);
    EXPECT_EQ(window.selectionIndex("防护外水源"), 0);
    EXPECT_TRUE(window.isEnabled("防护外水源"));
    EXPECT_EQ(window.isChecked("有可靠内水源"), 0);
    EXPECT_EQ(window.isChecked("无可靠内水源"), 0);
    EXPECT_EQ(readable(window.caption("标签6")), readable("未选"));
    EXPECT_EQ(window.editText("口部冲洗水量"), "5");
    for (const char* field : {"掩蔽人数", "编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5",
                              "编辑框6", "编辑框7", "编辑框8", "编辑框11", "编辑框12"}) {
        EXPECT_EQ(window.editText(field), "") << readable(field);
    }
}

TEST(FakeWindow, SetSelectionIndexClampsAndRaisesNoEvent) {
    struct Case {
        const char* combo;
        std::int32_t index;
        std::int32_t expected;
        const char* text;
    };
    const Case cases[] = {
        {"工程类别", 2, 2, "人防物资库"},  {"工程类别", 3, 2, "人防物资库"},
        {"工程类别", 99, 2, "人防物资库"}, {"用水种类", 7, 1, "生活用水"},
        {"工程类别", -1, -1, ""},          {"防护外水源", -5, -1, ""},
        {"防护外水源", 1, 1, "有"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(readable(c.combo) + " set to " + std::to_string(c.index));
        FakeWindow window;
        window.setSelectionIndex(c.combo, c.index);
        EXPECT_EQ(window.selectionIndex(c.combo), c.expected);
        EXPECT_EQ(readable(window.comboText(c.combo)), readable(c.text));
        EXPECT_TRUE(window.events().empty());
        EXPECT_TRUE(window.writes().empty());
    }
}

TEST(FakeWindow, SetEditTextRaisesTextChangedOnceEvenForTheSameText) {
    FakeWindow window;
    window.setEditText("编辑框1", "3");
    window.setEditText("编辑框1", "3");
    EXPECT_EQ(window.textChangedCount("编辑框1"), 2);
    ASSERT_EQ(window.events().size(), 2u);
    EXPECT_EQ(window.events()[0].event, ControlEvent::TextChanged);
    EXPECT_EQ(window.textChangedCount("编辑框2"), 0);
}

TEST(FakeWindow, AbsentTextIsNotTheEmptyText) {
    FakeWindow window;
    window.putText("掩蔽人数", std::nullopt);
    EXPECT_EQ(window.editText("掩蔽人数"), std::nullopt);
    window.putText("掩蔽人数", "");
    EXPECT_EQ(window.editText("掩蔽人数"), std::string());
}

TEST(FakeWindow, RadioButtonsAreExclusive) {
    FakeWindow window;
    window.clickRadio("有可靠内水源");
    window.clickRadio("无可靠内水源");
    EXPECT_EQ(window.isChecked("有可靠内水源"), 0);
    EXPECT_EQ(window.isChecked("无可靠内水源"), 1);
    window.setFocus("有可靠内水源");
    EXPECT_EQ(window.isChecked("有可靠内水源"), 0);
    EXPECT_EQ(window.events().size(), 2u);
}

TEST(FakeWindow, ShowMessageRecordsTheFocusOfThatMoment) {
    FakeWindow window;
    window.setFocus("按钮1");
    window.showMessage("m", "t");
    window.setFocus("掩蔽人数");
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].focusWhenShown, "按钮1");
    EXPECT_EQ(window.focus(), "掩蔽人数");
}

TEST(FakeWindow, UserActionsRunTheBoundHandlers) {
    FakeWindow window;
    window.selectItem("用水种类", 0);  // bound to the water use type handler, which fills the quota
    EXPECT_NE(window.textChangedCount("编辑框1"), 0);
    window.clickButton("按钮1");  // focus first; the drinking calculation then reports a message
    EXPECT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].focusWhenShown, "按钮1");
}

TEST(FakeWindow, UnknownNamesAndWrongKindsFailTheTest) {
    FakeWindow window;
    EXPECT_NONFATAL_FAILURE(window.editText("编辑框9"), "does not have");
    EXPECT_NONFATAL_FAILURE(window.setEditText("编辑框 1", "3"), "does not have");
    EXPECT_NONFATAL_FAILURE(window.selectionIndex("编辑框1"), "does not apply");
    EXPECT_NONFATAL_FAILURE(window.isChecked("按钮1"), "does not apply");
    EXPECT_NONFATAL_FAILURE(window.setCaption("编辑框1", "x"), "does not apply");
    EXPECT_NONFATAL_FAILURE(window.setEnabled("标签6", false), "does not apply");
    EXPECT_NONFATAL_FAILURE(window.setFocus("分组框8"), "does not apply");
    EXPECT_NONFATAL_FAILURE(window.comboText("有可靠内水源"), "does not apply");
    EXPECT_NONFATAL_FAILURE(window.typeInto("编辑框5", "1"), "read-only");
}

}  // namespace
