#include "calculation_ui_test.h"

#include "window_actions.h"

namespace {

// How long a second box is waited for after the first one closed. A handler shows its boxes one
// after the other on the GUI thread, so the next one is up well within this once the thread is idle.
constexpr DWORD kFollowingBoxWaitMs = 300;

BOOL CALLBACK countButton(HWND child, LPARAM count) {
    if (windowClassName(child) == L"Button") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int buttonsOf(HWND box) {
    int count = 0;
    EnumChildWindows(box, countButton, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Wine's message box keeps its icon control visible when it shows no icon, holding no icon and
// shrunk to nothing; an icon the user sees is one the control holds, on a rectangle of some size.
BOOL CALLBACK findShownIcon(HWND child, LPARAM found) {
    if (windowClassName(child) != L"Static" ||
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(child)) {
        return TRUE;
    }
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &icon);
    RECT rect{};
    GetClientRect(child, &rect);
    if (icon != 0 && !IsRectEmpty(&rect)) *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

bool showsIcon(HWND box) {
    bool found = false;
    EnumChildWindows(box, findShownIcon, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string describe(const UserStep& step) {
    switch (step.kind) {
    case UserStep::Kind::PickItem:
        return "pick item " + std::to_string(step.item) + " of " + u8(step.control);
    case UserStep::Kind::Click: return "click " + u8(step.control);
    case UserStep::Kind::Enter:
        return "type \"" + u8(gbkFromWide(step.text)) + "\" into " + u8(step.control);
    }
    return "?";
}

}  // namespace

testing::AssertionResult CalculationUiTest::perform(std::initializer_list<UserStep> steps) {
    return perform(std::vector<UserStep>(steps));
}

testing::AssertionResult CalculationUiTest::perform(const std::vector<UserStep>& steps) {
    for (const UserStep& step : steps) {
        switch (step.kind) {
        case UserStep::Kind::PickItem:
            if (!pickListItem(program(), view(), step.control, step.item) ||
                view().selection(step.control) != step.item) {
                return testing::AssertionFailure()
                       << describe(step) << ": the list shows item " << view().selection(step.control);
            }
            break;
        case UserStep::Kind::Click:
            click(step.control);
            if (!messageBoxesOf(program()).empty()) {
                return testing::AssertionFailure() << describe(step) << ": a message box came up";
            }
            break;
        case UserStep::Kind::Enter:
            // Into the box, select all of its text, delete it, type.
            click(step.control);
            press(VK_END);
            press(VK_HOME, kShift);
            press(VK_DELETE);
            type(step.text);
            if (view().text(step.control) != gbkFromWide(step.text)) {
                return testing::AssertionFailure()
                       << describe(step) << ": the box shows \"" << u8(view().text(step.control))
                       << "\"";
            }
            break;
        }
    }
    return testing::AssertionSuccess();
}

bool CalculationUiTest::answerMessage(const ExpectedMessage& expected, Answer answer) {
    const MessageBoxView box = waitForMessageBox(program());
    if (!box.window) {
        ADD_FAILURE() << "no message box came up; the results are " << resultTexts();
        return false;
    }
    EXPECT_EQ(u8(box.text), u8(expected.text));
    EXPECT_EQ(u8(box.caption), u8(expected.caption));
    EXPECT_FALSE(showsIcon(box.window)) << "the box shows an icon";
    EXPECT_EQ(buttonsOf(box.window), 1) << "the box has other buttons than OK";
    EXPECT_FALSE(IsWindowEnabled(program().mainWindow()))
        << "the main window takes input while the box is open";

    if (answer == Answer::EnterKey) {
        press(VK_RETURN);
    } else {
        clickOk(box);
    }
    if (!waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); })) {
        ADD_FAILURE() << "the box stays open after "
                      << (answer == Answer::EnterKey ? "Enter" : "a click on OK");
        return false;
    }
    program().settle();
    const bool another = waitUntil([&] { return !messageBoxesOf(program()).empty(); },
                                   kFollowingBoxWaitMs);
    if (another) {
        const MessageBoxView next = messageBoxesOf(program()).front();
        ADD_FAILURE() << "a second box followed: \"" << u8(next.text) << "\" captioned \""
                      << u8(next.caption) << "\"";
        return false;
    }
    EXPECT_TRUE(IsWindowEnabled(program().mainWindow())) << "the main window stays disabled";
    return true;
}

testing::AssertionResult CalculationUiTest::focusSettlesOn(std::string_view control) {
    if (waitUntil([&] { return view().focusedControl() == control; }, 1000)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the focus is on " << focus() << ", not on " << u8(control);
}

std::string CalculationUiTest::textsOf(std::initializer_list<const char*> controls) {
    std::string texts;
    for (const char* control : controls) {
        texts += u8(control) + "=\"" + u8(view().text(control)) + "\" ";
    }
    return texts;
}

std::string CalculationUiTest::resultTexts() {
    return textsOf({"编辑框5", "编辑框6", "编辑框7", "编辑框8", "编辑框11", "编辑框12"});
}
