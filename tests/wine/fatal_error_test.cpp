// A window operation on a control the window does not have is a failure of the platform: one error
// box, then the process ends with exit code -1. The action probe's 按钮1 makes that call.
#include "message_box_view.h"
#include "ui_test.h"

namespace {

// The message the shell reports for an operation on an unknown control.
constexpr char kUnknownControlMessage[] = "找不到控件：没有的控件";

}  // namespace

class FatalError : public UiTest {};

TEST_F(FatalError, UnknownControlShowsTheErrorBoxAndEndsWithCodeMinusOne) {
    ASSERT_TRUE(start(Build::ActionProbe));
    click("按钮1");
    const MessageBoxView box = waitForMessageBox(program());
    ASSERT_NE(box.window, nullptr) << "no message box appeared";
    EXPECT_EQ(u8(box.caption), u8("错误"));
    EXPECT_EQ(u8(box.text), u8(std::string("运行时出错!\r\n\r\n错误信息：") + kUnknownControlMessage + "\r\n"));
    EXPECT_TRUE(box.hasIcon) << "the fatal box shows the error icon";
    EXPECT_EQ(describe(sink().events()),
              describe({{"按钮1", "clicked", "按钮1", kStartInputs}}))
        << "the failed operation never returns to the handler";
    clickOk(box);
    EXPECT_EQ(program().waitForExit(10000), std::optional<DWORD>(0xFFFFFFFFu));
}
