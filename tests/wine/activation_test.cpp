// Switching to another program and back gives the focus back to the control that had it.
#include "other_window.h"
#include "ui_test.h"
#include "window_actions.h"

class Activation : public UiTest {};

TEST_F(Activation, SwitchingAwayAndBackRestoresTheFocus) {
    ASSERT_TRUE(start(Build::Probe));
    RECT mainRect{};
    GetWindowRect(program().mainWindow(), &mainRect);
    // Beside the main window, so that a click on either one hits only that one.
    OtherWindow other({mainRect.left, 10, mainRect.left + 200, mainRect.top - 10});
    ASSERT_NE(other.window(), nullptr);
    const POINT caption = framePoint(program().mainWindow(), HTCAPTION);
    ASSERT_NE(caption.x, -1) << "no point of the title bar answers HTCAPTION";

    // A radio button among them: getting the focus back must not check or click it.
    for (const char* control : {"掩蔽人数", "按钮2", "无可靠内水源", "防护外水源", "工程类别"}) {
        SCOPED_TRACE(u8(control));
        ASSERT_TRUE(focusWithTab(control));
        const std::string before = windowSnapshot();
        sink().clear();
        clickCentreOf(other.window());
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == other.window(); }))
            << "the other window did not come to the front";
        program().settle();
        clickAt(caption);
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == program().mainWindow(); }))
            << "the main window did not come back to the front";
        program().settle();
        EXPECT_EQ(focus(), u8(control));
        EXPECT_EQ(windowSnapshot(), before);
        EXPECT_EQ(describe(sink().events()), describe({}));
    }
}

// Minimising deactivates the window too. On the test desktop a minimised window is a short title
// bar at the bottom of the screen, which a double click restores.
TEST_F(Activation, MinimisingAndRestoringRestoresTheFocus) {
    ASSERT_TRUE(start(Build::Probe));
    HWND main = program().mainWindow();
    const POINT minimiseBox = framePoint(main, HTMINBUTTON);
    ASSERT_NE(minimiseBox.x, -1) << "no point of the title bar answers HTMINBUTTON";
    for (const char* control : {"口部冲洗水量", "有可靠内水源"}) {
        SCOPED_TRACE(u8(control));
        ASSERT_TRUE(focusWithTab(control));
        sink().clear();
        clickAt(minimiseBox);
        ASSERT_TRUE(waitUntil([&] { return IsIconic(main) != FALSE; })) << "the window was not minimised";
        program().settle();
        doubleClickAt(centreOf(main));
        ASSERT_TRUE(waitUntil([&] { return !IsIconic(main) && GetForegroundWindow() == main; }))
            << "a double click on the minimised window did not restore it";
        program().settle();
        EXPECT_EQ(focus(), u8(control));
        EXPECT_EQ(view().checked("有可靠内水源"), BST_UNCHECKED);
        EXPECT_EQ(describe(sink().events()), describe({}));
    }
}
