// Closing the main window asks nothing and ends the process with exit code 0.
#include "ui_test.h"
#include "message_box_view.h"
#include "window_actions.h"

class Closing : public UiTest {
protected:
    void expectExitWithoutQuestion() {
        const std::optional<DWORD> code = program().waitForExit(10000);
        if (!code) {
            const auto boxes = messageBoxesOf(program());
            FAIL() << "the program is still running"
                   << (boxes.empty() ? "" : ", showing a box captioned " + u8(boxes.front().caption));
        }
        EXPECT_EQ(*code, 0u);
    }
};

// Alt+F4 right after start reaches the window while the combo box 工程类别 has the focus.
TEST_F(Closing, AltF4WithTheFocusInAComboBoxEndsWithCodeZero) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_EQ(focus(), u8("工程类别"));
    press(VK_F4, kAlt);
    expectExitWithoutQuestion();
}

TEST_F(Closing, AltF4WithTheFocusInAnEditBoxEndsWithCodeZero) {
    ASSERT_TRUE(start(Build::Program));
    click("掩蔽人数");
    ASSERT_EQ(focus(), u8("掩蔽人数"));
    type(L"12");
    press(VK_F4, kAlt);
    expectExitWithoutQuestion();
}

TEST_F(Closing, ClickOnTheCloseBoxEndsWithCodeZero) {
    ASSERT_TRUE(start(Build::Program));
    const POINT closeBox = framePoint(program().mainWindow(), HTCLOSE);
    ASSERT_NE(closeBox.x, -1) << "no point of the title bar answers HTCLOSE";
    clickAt(closeBox);
    expectExitWithoutQuestion();
}

// Alt+Space opens the system menu; C is the access key of its Close entry.
TEST_F(Closing, SystemMenuCloseEndsWithCodeZero) {
    ASSERT_TRUE(start(Build::Program));
    press(VK_SPACE, kAlt);
    ASSERT_TRUE(waitUntil([&] {
        for (HWND window : program().topLevelWindows()) {
            if (windowClassName(window) == L"#32768") return true;
        }
        return false;
    })) << "Alt+Space opened no menu";
    press('C');
    expectExitWithoutQuestion();
}
