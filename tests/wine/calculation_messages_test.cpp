// The messages of the three calculation buttons as the user meets them in tavrolin.exe: each failing
// click shows one box with its own message and caption, and after OK the focus is on the control
// that needs attention. A failing click writes no result.
#include <vector>

#include "calculation_ui_test.h"

class CalculationMessages : public CalculationUiTest {};

TEST_F(CalculationMessages, AFailingClickShowsOneBoxAndMovesTheFocusToWhatIsMissing) {
    struct Case {
        const char* name;
        std::vector<UserStep> steps;  // from a fresh start
        const char* button;
        ExpectedMessage message;
        const char* focusAfter;
        Answer answer;
        const char* personsShown;  // 掩蔽人数 after the click, which leaves the box
    };
    const UserStep drinking = pickItem("用水种类", kDrinkingWater);
    const UserStep domestic = pickItem("用水种类", kDomesticWater);
    const UserStep noInnerSource = clickOn("无可靠内水源");
    const UserStep innerSource = clickOn("有可靠内水源");
    const UserStep persons500 = enterText("掩蔽人数", L"500");
    const Case cases[] = {
        {"按钮1 right after start", {}, "按钮1", kChooseWaterType, "用水种类", Answer::EnterKey, ""},
        {"按钮2 right after start", {}, "按钮2", kChooseWaterType, "用水种类", Answer::ClickOk, ""},
        {"按钮1 with 饮用水 and no radio button checked", {drinking}, "按钮1", kChooseInnerSource,
         "无可靠内水源", Answer::ClickOk, ""},
        {"按钮2 with 生活用水 and no radio button checked", {domestic, persons500}, "按钮2",
         kChooseInnerSource, "无可靠内水源", Answer::EnterKey, "500"},
        {"按钮1 with 掩蔽人数 empty", {drinking, noInnerSource}, "按钮1", kEnterPersons, "掩蔽人数",
         Answer::EnterKey, ""},
        {"按钮1 with 0 typed into 掩蔽人数, emptied when the click leaves the box",
         {drinking, noInnerSource, enterText("掩蔽人数", L"0")}, "按钮1", kEnterPersons, "掩蔽人数",
         Answer::ClickOk, ""},
        {"按钮1 with -12 persons", {drinking, noInnerSource, enterText("掩蔽人数", L"-12")}, "按钮1",
         kEnterPersons, "掩蔽人数", Answer::EnterKey, "-12"},
        {"按钮2 with -12 persons", {domestic, innerSource, enterText("掩蔽人数", L"-12")}, "按钮2",
         kEnterPersons, "掩蔽人数", Answer::ClickOk, "-12"},
        {"按钮1 with 生活用水 and every other input present", {domestic, noInnerSource, persons500},
         "按钮1", kDrinkingNeedsDrinkingWater, "用水种类", Answer::EnterKey, "500"},
        {"按钮2 with 口部冲洗水量 emptied",
         {domestic, noInnerSource, persons500, enterText("口部冲洗水量", L"")}, "按钮2",
         kEnterWashWater, "口部冲洗水量", Answer::ClickOk, "500"},
        {"按钮2 with 0 left in 口部冲洗水量",
         {domestic, noInnerSource, persons500, enterText("口部冲洗水量", L"0")}, "按钮2",
         kEnterWashWater, "口部冲洗水量", Answer::EnterKey, "500"},
        {"按钮2 with -5 wash water",
         {domestic, innerSource, persons500, enterText("口部冲洗水量", L"-5")}, "按钮2",
         kEnterWashWater, "口部冲洗水量", Answer::EnterKey, "500"},
        {"按钮3 right after start", {}, "按钮3", kDrinkingFirst, "按钮1", Answer::ClickOk, ""},
        {"按钮3 after 按钮2 but before 按钮1",
         {domestic, noInnerSource, persons500, clickOn("按钮2")}, "按钮3", kDrinkingFirst, "按钮1",
         Answer::EnterKey, "500"},
        {"按钮3 after 按钮1 but before 按钮2",
         {drinking, noInnerSource, persons500, clickOn("按钮1")}, "按钮3", kDomesticFirst, "按钮2",
         Answer::ClickOk, "500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(u8(c.name));
        ASSERT_TRUE(start(Build::Program));
        ASSERT_TRUE(perform(c.steps));
        const std::string resultsBefore = resultTexts();
        click(c.button);
        if (!answerMessage(c.message, c.answer)) continue;
        EXPECT_TRUE(focusSettlesOn(c.focusAfter));
        EXPECT_EQ(resultTexts(), resultsBefore) << "the failing click wrote results";
        EXPECT_EQ(u8(view().text("掩蔽人数")), c.personsShown);
    }
}

// 按钮2 while 饮用水 is chosen: the box says that domestic water must be chosen, 用水种类 is switched to
// 生活用水 with the quota, the days and the external source's availability that choosing it gives,
// and the domestic volumes are computed from those. The focus stays on the clicked button.
TEST_F(CalculationMessages, DomesticCalculationWithDrinkingWaterSwitchesToDomesticWaterAndComputes) {
    struct Case {
        const char* name;
        std::vector<UserStep> steps;  // from a fresh start, with 饮用水 chosen last but one
        const char* quotas;           // 编辑框1 to 编辑框4 after the click
        bool externalSourceEnabled;
        const char* results;          // 编辑框7 and 编辑框8
    };
    // Persons 1000 and the wash water's start value 5 throughout: volume = q × d + 5.
    const Case cases[] = {
        {"专业队队员掩蔽部 without a reliable inner source (9 × 7, 9 × 14)",
         {pickItem("工程类别", kSpecialistTeamShelter), pickItem("用水种类", kDrinkingWater),
          clickOn("无可靠内水源"), enterText("掩蔽人数", L"1000")},
         R"(编辑框1="9" 编辑框2="9" 编辑框3="7" 编辑框4="14" )", true,
         R"(编辑框7="68" 编辑框8="131" )"},
        {"人员掩蔽工程 with a reliable inner source (4 × 0, 4 × 0)",
         {pickItem("工程类别", kPersonnelShelter), pickItem("用水种类", kDrinkingWater),
          clickOn("有可靠内水源"), enterText("掩蔽人数", L"1000")},
         R"(编辑框1="4" 编辑框2="4" 编辑框3="0" 编辑框4="0" )", false,
         R"(编辑框7="5" 编辑框8="5" )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(u8(c.name));
        ASSERT_TRUE(start(Build::Program));
        ASSERT_TRUE(perform(c.steps));
        ASSERT_FALSE(view().enabled("防护外水源")) << "饮用水 leaves 防护外水源 enabled";
        click("按钮2");
        if (!answerMessage(kDomesticNeedsDomesticWater, Answer::EnterKey)) continue;
        EXPECT_TRUE(focusSettlesOn("按钮2"));
        EXPECT_EQ(view().selection("用水种类"), kDomesticWater);
        EXPECT_EQ(u8(view().text("用水种类")), u8("生活用水"));
        EXPECT_EQ(textsOf({"编辑框1", "编辑框2", "编辑框3", "编辑框4"}), u8(c.quotas));
        EXPECT_EQ(view().enabled("防护外水源"), c.externalSourceEnabled);
        EXPECT_EQ(textsOf({"编辑框7", "编辑框8"}), u8(c.results));
    }
}
