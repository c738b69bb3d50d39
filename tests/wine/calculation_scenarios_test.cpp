// The calculations of tavrolin.exe as a designer uses them: the design choices fill in the quotas and
// days, and the three buttons turn them, the persons and the wash water into storage volumes.
#include <vector>

#include "calculation_ui_test.h"

namespace {

// A design choice and what the quota and day fields, the status labels and the external source's
// availability show after it.
struct DesignStep {
    const char* name;
    UserStep step;
    const char* fields;  // 编辑框1 to 编辑框4, 标签6, 标签7
    bool externalSourceEnabled;
};

// The typical drinking water design: 人员掩蔽工程, 饮用水, no reliable inner source.
const std::vector<DesignStep>& drinkingDesign() {
    static const std::vector<DesignStep> steps = {
        {"人员掩蔽工程 with no water use type yet", pickItem("工程类别", kPersonnelShelter),
         R"(编辑框1="" 编辑框2="" 编辑框3="" 编辑框4="" 标签6="未选" 标签7="未选" )", true},
        {"饮用水", pickItem("用水种类", kDrinkingWater),
         R"(编辑框1="3" 编辑框2="6" 编辑框3="" 编辑框4="" 标签6="未选" 标签7="未选" )", false},
        {"无可靠内水源", clickOn("无可靠内水源"),
         R"(编辑框1="3" 编辑框2="6" 编辑框3="15" 编辑框4="15" 标签6="未选" 标签7="已选中" )", false},
    };
    return steps;
}

// From the drinking design to 专业队队员掩蔽部, 生活用水, a reliable inner source.
const std::vector<DesignStep>& domesticDesign() {
    static const std::vector<DesignStep> steps = {
        {"专业队队员掩蔽部", pickItem("工程类别", kSpecialistTeamShelter),
         R"(编辑框1="5" 编辑框2="6" 编辑框3="15" 编辑框4="15" 标签6="未选" 标签7="已选中" )", false},
        {"生活用水", pickItem("用水种类", kDomesticWater),
         R"(编辑框1="9" 编辑框2="9" 编辑框3="7" 编辑框4="14" 标签6="未选" 标签7="已选中" )", true},
        {"有可靠内水源", clickOn("有可靠内水源"),
         R"(编辑框1="9" 编辑框2="9" 编辑框3="4" 编辑框4="8" 标签6="已选中" 标签7="未选" )", false},
    };
    return steps;
}

}  // namespace

class CalculationScenarios : public CalculationUiTest {
protected:
    // Does each design step and checks what it fills in; the results must stay as they are.
    void chooseDesign(const std::vector<DesignStep>& design) {
        const std::string results = resultTexts();
        for (const DesignStep& d : design) {
            SCOPED_TRACE(u8(d.name));
            ASSERT_TRUE(perform({d.step}));
            EXPECT_EQ(textsOf({"编辑框1", "编辑框2", "编辑框3", "编辑框4", "标签6", "标签7"}),
                      u8(d.fields));
            EXPECT_EQ(view().enabled("防护外水源"), d.externalSourceEnabled);
            EXPECT_EQ(resultTexts(), results) << "a design choice changed the results";
        }
    }

    // Clicks the button, which must compute without a message, and keep the focus.
    void calculate(const char* button) {
        click(button);
        EXPECT_TRUE(messageBoxesOf(program()).empty()) << u8(button) << " showed a message";
        EXPECT_EQ(focus(), u8(button));
    }
};

// 3 × 15 × 500 / 1000 and 6 × 15 × 500 / 1000.
TEST_F(CalculationScenarios, TypicalDrinkingWaterUse) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_NO_FATAL_FAILURE(chooseDesign(drinkingDesign()));
    ASSERT_TRUE(perform({enterText("掩蔽人数", L"500")}));
    calculate("按钮1");
    EXPECT_EQ(resultTexts(),
              u8(R"(编辑框5="22.5" 编辑框6="45" 编辑框7="" 编辑框8="" 编辑框11="" 编辑框12="" )"));
}

// The drinking results of 500 persons stay while the design changes to domestic water for 1000
// persons: 9 × 4 × 1000 / 1000 + 5 and 9 × 8 × 1000 / 1000 + 5, then 22.5 + 41 and 45 + 77.
TEST_F(CalculationScenarios, DomesticWaterThenTheTotalOfBoth) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_NO_FATAL_FAILURE(chooseDesign(drinkingDesign()));
    ASSERT_TRUE(perform({enterText("掩蔽人数", L"500")}));
    calculate("按钮1");
    ASSERT_NO_FATAL_FAILURE(chooseDesign(domesticDesign()));
    ASSERT_TRUE(perform({enterText("掩蔽人数", L"1000")}));
    ASSERT_EQ(u8(view().text("口部冲洗水量")), "5") << "the wash water's start value";
    calculate("按钮2");
    EXPECT_EQ(resultTexts(),
              u8(R"(编辑框5="22.5" 编辑框6="45" 编辑框7="41" 编辑框8="77" 编辑框11="" 编辑框12="" )"));
    calculate("按钮3");
    EXPECT_EQ(resultTexts(), u8(R"(编辑框5="22.5" 编辑框6="45" 编辑框7="41" 编辑框8="77" )"
                                R"(编辑框11="63.5" 编辑框12="122" )"));
}
