// The fixture of the calculation tests: tavrolin.exe driven as a designer drives it, with the design
// choices picked from the lists with the mouse, numbers typed into the integer boxes, the buttons
// clicked, and the calculations' message boxes read and answered like a user answers them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "message_box_view.h"
#include "ui_test.h"

// List items of the design choices, by position in their lists.
inline constexpr int kSpecialistTeamShelter = 0;  // 工程类别 "专业队队员掩蔽部"
inline constexpr int kPersonnelShelter = 1;       // 工程类别 "人员掩蔽工程"
inline constexpr int kDrinkingWater = 0;          // 用水种类 "饮用水"
inline constexpr int kDomesticWater = 1;          // 用水种类 "生活用水"

// One thing the user does to the main window.
struct UserStep {
    enum class Kind { PickItem, Click, Enter };
    Kind kind;
    const char* control;
    int item = 0;                  // PickItem: the list item clicked
    const wchar_t* text = L"";     // Enter: what is typed into the emptied box
};

inline UserStep pickItem(const char* combo, int item) {
    return {UserStep::Kind::PickItem, combo, item};
}
inline UserStep clickOn(const char* control) { return {UserStep::Kind::Click, control}; }
inline UserStep enterText(const char* box, const wchar_t* text) {
    return {UserStep::Kind::Enter, box, 0, text};
}

// A message box of the calculations: its message and its caption, as GBK.
struct ExpectedMessage {
    const char* text;
    const char* caption;
};

inline constexpr ExpectedMessage kChooseWaterType{"提示:请选择要计算的用水种类!",
                                                  "请选择要计算的用水种类!"};
inline constexpr ExpectedMessage kChooseInnerSource{"提示:请选择有无可靠内水源!一般为无!",
                                                    "请选择有无可靠内水源!"};
inline constexpr ExpectedMessage kEnterPersons{"提示:请输入掩蔽人数!不能大于4位数!",
                                               "请输入掩蔽人数!"};
inline constexpr ExpectedMessage kDrinkingNeedsDrinkingWater{
    "如果你要计算饮用水贮水量,则用水种类必须选择 饮用水!", "提示!"};
inline constexpr ExpectedMessage kDomesticNeedsDomesticWater{
    "提示:如果要计算生活用水,用水种类必须选择生活用水!", "请选择要计算的用水种类!"};
inline constexpr ExpectedMessage kEnterWashWater{
    "提示:请输入口部冲洗用水量,若不想计算则按5立方计算!", "请输入口部用水量!"};
inline constexpr ExpectedMessage kDrinkingFirst{"请先计算饮用水贮存量!", "提示!"};
inline constexpr ExpectedMessage kDomesticFirst{"请先计算生活用水贮存量!", "提示!"};

// How the user closes a message box.
enum class Answer { EnterKey, ClickOk };

class CalculationUiTest : public UiTest {
protected:
    // Does the steps in order; fails at the first step that did not take effect.
    testing::AssertionResult perform(std::initializer_list<UserStep> steps);
    testing::AssertionResult perform(const std::vector<UserStep>& steps);

    // Checks the program's one open message box as the user sees it (message, caption, no icon,
    // a single button, the main window disabled behind it), answers it, and checks that it closes
    // and that no other box follows it. False when no box came or it did not close.
    bool answerMessage(const ExpectedMessage& expected, Answer answer);

    // Waits until the named control has the keyboard focus (bounded) and tells whether it has.
    testing::AssertionResult focusSettlesOn(std::string_view control);

    // The texts of the controls, in UTF-8, joined for comparisons that print both sides; the six
    // result boxes, lower bound first.
    std::string textsOf(std::initializer_list<const char*> controls);
    std::string resultTexts();
};
