// The storage volume calculations, driven through the buttons of a fake main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/design/fake_window.h"
#include "tests/design/window_arrangement.h"

namespace {

using Writes = std::vector<FakeWindow::TextWrite>;

const std::vector<std::string_view> kResultFields{"编辑框5", "编辑框6",  "编辑框7",
                                                  "编辑框8", "编辑框11", "编辑框12"};

enum MessageId { M1, M2, M3, M4, M5, M6, M7, M8 };

struct ExpectedMessage {
    const char* text;
    const char* title;
    const char* focus;  // nullptr: the focus stays where it was
};

const ExpectedMessage kMessages[] = {
    {"提示:请选择要计算的用水种类!", "请选择要计算的用水种类!", "用水种类"},
    {"提示:请选择有无可靠内水源!一般为无!", "请选择有无可靠内水源!", "无可靠内水源"},
    {"提示:请输入掩蔽人数!不能大于4位数!", "请输入掩蔽人数!", "掩蔽人数"},
    {"如果你要计算饮用水贮水量,则用水种类必须选择 饮用水!", "提示!", "用水种类"},
    {"提示:如果要计算生活用水,用水种类必须选择生活用水!", "请选择要计算的用水种类!", nullptr},
    {"提示:请输入口部冲洗用水量,若不想计算则按5立方计算!", "请输入口部用水量!", "口部冲洗水量"},
    {"请先计算饮用水贮存量!", "提示!", "按钮1"},
    {"请先计算生活用水贮存量!", "提示!", "按钮2"},
};

// Every input of the drinking and the domestic calculation present: 人员掩蔽工程, drinking water, no
// reliable internal source, 500 persons, the initial wash water.
void arrangeAllInputs(FakeWindow& window) {
    arrangeChoices(window, {1, 0, 0, Radio::No});
    window.putText("编辑框1", "3");
    window.putText("编辑框2", "6");
    window.putText("编辑框3", "15");
    window.putText("编辑框4", "15");
    window.putText("掩蔽人数", "500");
}

void arrangeDomesticInputs(FakeWindow& window) {
    arrangeChoices(window, {0, 1, 0, Radio::Yes});
    window.putText("编辑框1", "9");
    window.putText("编辑框2", "9");
    window.putText("编辑框3", "4");
    window.putText("编辑框4", "8");
    window.putText("掩蔽人数", "1000");
}

void arrangeBothResults(FakeWindow& window) {
    window.putText("编辑框5", "22.5");
    window.putText("编辑框6", "45");
    window.putText("编辑框7", "41");
    window.putText("编辑框8", "77");
}

// Checks the messages shown by a click on `button`: texts, titles, the focus when each was shown
// (the clicked button) and where the focus ends.
void expectMessages(const FakeWindow& window, const char* button, const std::vector<MessageId>& ids) {
    ASSERT_EQ(window.messages().size(), ids.size());
    std::vector<std::string> focusCalls;
    for (size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE("message " + std::to_string(i + 1) + " is M" + std::to_string(ids[i] + 1));
        const ExpectedMessage& expected = kMessages[ids[i]];
        const FakeWindow::ShownMessage& shown = window.messages()[i];
        EXPECT_EQ(readable(shown.message), readable(expected.text));
        EXPECT_EQ(readable(shown.title), readable(expected.title));
        EXPECT_EQ(readable(shown.focusWhenShown), readable(button));
        if (expected.focus != nullptr) focusCalls.emplace_back(expected.focus);
    }
    EXPECT_EQ(window.focusCalls(), focusCalls);
    EXPECT_EQ(readable(window.focus()), readable(focusCalls.empty() ? button : focusCalls.back()));
}

struct MessageCase {
    const char* name;
    void (*arrange)(FakeWindow&);
    const char* button;
    std::vector<MessageId> expected;
};

const MessageCase kMessageCases[] = {
    {"drinking, nothing chosen", [](FakeWindow&) {}, "按钮1", {M1}},
    {"drinking, no water type though all else present",
     [](FakeWindow& w) { arrangeAllInputs(w); w.setSelectionIndex("用水种类", -1); }, "按钮1", {M1}},
    {"drinking, no water type and no inner source",
     [](FakeWindow& w) { w.putText("掩蔽人数", "500"); }, "按钮1", {M1}},
    {"drinking, no inner source and no persons",
     [](FakeWindow& w) { arrangeChoices(w, {1, 0, 0, Radio::None}); }, "按钮1", {M2}},
    {"drinking, persons empty", [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", ""); },
     "按钮1", {M3}},
    {"drinking, persons absent",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", std::nullopt); }, "按钮1", {M3}},
    {"drinking, persons negative",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", "-12"); }, "按钮1", {M3}},
    {"drinking, persons -1", [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", "-1"); },
     "按钮1", {M3}},
    {"drinking, persons minus infinity",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", "-1e999"); }, "按钮1", {M3}},
    {"drinking, domestic water chosen",
     [](FakeWindow& w) { arrangeAllInputs(w); w.setSelectionIndex("用水种类", 1); }, "按钮1", {M4}},
    {"drinking, domestic water and persons negative",
     [](FakeWindow& w) {
         arrangeAllInputs(w);
         w.setSelectionIndex("用水种类", 1);
         w.putText("掩蔽人数", "-12");
     },
     "按钮1", {M3}},
    {"domestic, nothing chosen", [](FakeWindow&) {}, "按钮2", {M1}},
    {"domestic, no inner source",
     [](FakeWindow& w) { arrangeChoices(w, {0, 1, 0, Radio::None}); w.putText("掩蔽人数", "10"); },
     "按钮2", {M2}},
    {"domestic, no inner source and no persons",
     [](FakeWindow& w) { arrangeChoices(w, {0, 1, 0, Radio::None}); }, "按钮2", {M2}},
    {"domestic, no inner source, negative persons and wash water",
     [](FakeWindow& w) {
         arrangeChoices(w, {2, 1, 1, Radio::None});
         w.putText("掩蔽人数", "-3");
         w.putText("口部冲洗水量", "-3");
     },
     "按钮2", {M2}},
    {"domestic, persons empty and wash water empty",
     [](FakeWindow& w) {
         arrangeDomesticInputs(w);
         w.putText("掩蔽人数", "");
         w.putText("口部冲洗水量", "");
     },
     "按钮2", {M3}},
    {"domestic, persons empty",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("掩蔽人数", ""); }, "按钮2", {M3}},
    {"domestic, persons absent",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("掩蔽人数", std::nullopt); }, "按钮2",
     {M3}},
    {"domestic, persons negative",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("掩蔽人数", "-12"); }, "按钮2", {M3}},
    {"domestic, persons and wash water negative",
     [](FakeWindow& w) {
         arrangeDomesticInputs(w);
         w.putText("掩蔽人数", "-12");
         w.putText("口部冲洗水量", "-5");
     },
     "按钮2", {M3}},
    {"domestic, wash water empty",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("口部冲洗水量", ""); }, "按钮2", {M6}},
    {"domestic, wash water absent",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("口部冲洗水量", std::nullopt); },
     "按钮2", {M6}},
    {"domestic, wash water negative",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("口部冲洗水量", "-5"); }, "按钮2",
     {M6}},
    {"domestic, wash water minus infinity",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("口部冲洗水量", "-1e999"); }, "按钮2",
     {M6}},
    {"domestic from drinking, no inner source",
     [](FakeWindow& w) { arrangeChoices(w, {0, 0, 0, Radio::None}); w.putText("掩蔽人数", "10"); },
     "按钮2", {M5, M2}},
    {"domestic from drinking, persons negative",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", "-12"); }, "按钮2", {M5, M3}},
    {"domestic from drinking, wash water empty",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("口部冲洗水量", ""); }, "按钮2", {M5, M6}},
    {"total, nothing computed", [](FakeWindow&) {}, "按钮3", {M7}},
    {"total, drinking lower bound empty",
     [](FakeWindow& w) { arrangeBothResults(w); w.putText("编辑框5", ""); }, "按钮3", {M7}},
    {"total, drinking upper bound empty",
     [](FakeWindow& w) { arrangeBothResults(w); w.putText("编辑框6", ""); }, "按钮3", {M7}},
    {"total, drinking lower bound absent",
     [](FakeWindow& w) { arrangeBothResults(w); w.putText("编辑框5", std::nullopt); }, "按钮3",
     {M7}},
    {"total, drinking and domestic missing",
     [](FakeWindow& w) { w.putText("编辑框6", "45"); w.putText("编辑框8", "77"); }, "按钮3", {M7}},
    {"total, domestic lower bound empty",
     [](FakeWindow& w) { arrangeBothResults(w); w.putText("编辑框7", ""); }, "按钮3", {M8}},
    {"total, domestic upper bound empty",
     [](FakeWindow& w) { arrangeBothResults(w); w.putText("编辑框8", ""); }, "按钮3", {M8}},
    {"total, domestic upper bound absent",
     [](FakeWindow& w) { arrangeBothResults(w); w.putText("编辑框8", std::nullopt); }, "按钮3",
     {M8}},
};

TEST(StorageCalc, EachMissingInputShowsItsMessageAndMovesTheFocus) {
    for (const MessageCase& c : kMessageCases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        c.arrange(window);
        window.clickButton(c.button);
        expectMessages(window, c.button, c.expected);
        EXPECT_EQ(describe(writesTo(window, kResultFields)), describe({}));
    }
}

struct ResultCase {
    const char* name;
    void (*arrange)(FakeWindow&);
    const char* button;
    Writes expected;  // the result fields written, in order
};

const ResultCase kResultCases[] = {
    {"drinking, 500 persons", arrangeAllInputs, "按钮1", {{"编辑框5", "22.5"}, {"编辑框6", "45"}}},
    {"drinking, 9999 persons",
     [](FakeWindow& w) {
         arrangeAllInputs(w);
         w.putText("编辑框1", "5");
         w.putText("编辑框3", "2");
         w.putText("编辑框4", "3");
         w.putText("掩蔽人数", "9999");
     },
     "按钮1", {{"编辑框5", "99.99"}, {"编辑框6", "179.982"}}},
    {"drinking, empty quota counts as 0",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("编辑框1", ""); }, "按钮1",
     {{"编辑框5", "0"}, {"编辑框6", "45"}}},
    {"drinking, absent days count as 0",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("编辑框4", std::nullopt); }, "按钮1",
     {{"编辑框5", "22.5"}, {"编辑框6", "0"}}},
    {"drinking, present inner source",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putChecked("有可靠内水源"); }, "按钮1",
     {{"编辑框5", "22.5"}, {"编辑框6", "45"}}},
    {"drinking, persons overflow to infinity",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", "1e999"); }, "按钮1",
     {{"编辑框5", "1.#INF"}, {"编辑框6", "1.#INF"}}},
    {"drinking, zero quota times infinite persons",
     [](FakeWindow& w) {
         arrangeAllInputs(w);
         w.putText("编辑框1", "0");
         w.putText("掩蔽人数", "1e999");
     },
     "按钮1", {{"编辑框5", "-1.#IND"}, {"编辑框6", "1.#INF"}}},
    {"drinking, a zero count is not negative",
     [](FakeWindow& w) { arrangeAllInputs(w); w.putText("掩蔽人数", "0"); }, "按钮1",
     {{"编辑框5", "0"}, {"编辑框6", "0"}}},
    {"domestic, zero wash water is not negative",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("口部冲洗水量", "0"); }, "按钮2",
     {{"编辑框7", "36"}, {"编辑框8", "72"}}},
    {"domestic, 1000 persons", arrangeDomesticInputs, "按钮2",
     {{"编辑框7", "41"}, {"编辑框8", "77"}}},
    {"domestic, 333 persons",
     [](FakeWindow& w) {
         arrangeDomesticInputs(w);
         w.putText("编辑框1", "4");
         w.putText("编辑框2", "4");
         w.putText("编辑框3", "7");
         w.putText("编辑框4", "14");
         w.putText("掩蔽人数", "333");
     },
     "按钮2", {{"编辑框7", "14.324"}, {"编辑框8", "23.648"}}},
    {"domestic, zero days leave the wash water",
     [](FakeWindow& w) {
         arrangeDomesticInputs(w);
         w.putText("编辑框3", "0");
         w.putText("编辑框4", "0");
         w.putText("掩蔽人数", "100");
     },
     "按钮2", {{"编辑框7", "5"}, {"编辑框8", "5"}}},
    {"domestic, largest persons and wash water",
     [](FakeWindow& w) {
         arrangeDomesticInputs(w);
         w.putText("编辑框3", "7");
         w.putText("编辑框4", "14");
         w.putText("掩蔽人数", "9999");
         w.putText("口部冲洗水量", "9999");
     },
     "按钮2", {{"编辑框7", "10628.937"}, {"编辑框8", "11258.874"}}},
    {"domestic, wash water overflows to infinity",
     [](FakeWindow& w) { arrangeDomesticInputs(w); w.putText("口部冲洗水量", "1e999"); }, "按钮2",
     {{"编辑框7", "1.#INF"}, {"编辑框8", "1.#INF"}}},
    {"domestic, zero days times infinite persons",
     [](FakeWindow& w) {
         arrangeDomesticInputs(w);
         w.putText("编辑框3", "0");
         w.putText("编辑框4", "0");
         w.putText("掩蔽人数", "1e999");
     },
     "按钮2", {{"编辑框7", "-1.#IND"}, {"编辑框8", "-1.#IND"}}},
    {"total of the two worked examples", arrangeBothResults, "按钮3",
     {{"编辑框11", "63.5"}, {"编辑框12", "122"}}},
    {"total reads the text of infinity as 1",
     [](FakeWindow& w) {
         arrangeBothResults(w);
         w.putText("编辑框5", "1.#INF");
         w.putText("编辑框7", "2");
     },
     "按钮3", {{"编辑框11", "3"}, {"编辑框12", "122"}}},
    {"total, a text without a number counts as 0",
     [](FakeWindow& w) {
         arrangeBothResults(w);
         w.putText("编辑框6", "abc");
     },
     "按钮3", {{"编辑框11", "63.5"}, {"编辑框12", "77"}}},
    {"total, the sum is rounded once",
     [](FakeWindow& w) {
         arrangeBothResults(w);
         w.putText("编辑框5", "0.1");
         w.putText("编辑框7", "0.2");
     },
     "按钮3", {{"编辑框11", "0.3"}, {"编辑框12", "122"}}},
};

TEST(StorageCalc, ComputesLowerThenUpperBound) {
    for (const ResultCase& c : kResultCases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        c.arrange(window);
        window.clickButton(c.button);
        EXPECT_TRUE(window.messages().empty());
        EXPECT_EQ(describe(window.writes()), describe(c.expected));
        EXPECT_EQ(readable(window.focus()), readable(c.button));
    }
}

// A text-changed handler that changes inputs once the lower bound is written: the upper bound must
// be computed from the inputs as they stand then.
struct RereadCase {
    const char* name;
    void (*arrange)(FakeWindow&);
    const char* button;
    const char* lowerField;
    void (*change)(FakeWindow&);
    Writes expected;
};

const RereadCase kRereadCases[] = {
    {"drinking re-reads quota, days and persons", arrangeAllInputs, "按钮1", "编辑框5",
     [](FakeWindow& w) {
         w.putText("编辑框2", "10");
         w.putText("编辑框4", "2");
         w.putText("掩蔽人数", "100");
     },
     {{"编辑框5", "22.5"}, {"编辑框6", "2"}}},
    {"domestic re-reads the wash water", arrangeDomesticInputs, "按钮2", "编辑框7",
     [](FakeWindow& w) { w.putText("口部冲洗水量", "1"); }, {{"编辑框7", "41"}, {"编辑框8", "73"}}},
    {"total re-reads both upper bounds", arrangeBothResults, "按钮3", "编辑框11",
     [](FakeWindow& w) {
         w.putText("编辑框6", "100");
         w.putText("编辑框8", "1");
     },
     {{"编辑框11", "63.5"}, {"编辑框12", "101"}}},
};

TEST(StorageCalc, InputsAreReadAgainForTheUpperBound) {
    for (const RereadCase& c : kRereadCases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        c.arrange(window);
        window.onTextChanged = [&](FakeWindow& w, std::string_view field) {
            if (field == c.lowerField) c.change(w);
        };
        window.clickButton(c.button);
        EXPECT_EQ(describe(window.writes()), describe(c.expected));
    }
}

// 按钮2 while drinking water is chosen: after M5 the water use type becomes domestic and the quota,
// the days and the external source are refreshed as choosing domestic water would, before the
// volumes are computed.
struct DrinkingToDomesticCase {
    const char* name;
    int project;
    const char* radio;
    int external;
    Writes refreshed;  // quota and days written after M5
    bool externalEnabled;
    Writes results;
};

const DrinkingToDomesticCase kDrinkingToDomesticCases[] = {
    {"专业队队员掩蔽部, present source", 0, "有可靠内水源", 0,
     {{"编辑框1", "9"}, {"编辑框2", "9"}, {"编辑框3", "4"}, {"编辑框4", "8"}}, false,
     {{"编辑框7", "41"}, {"编辑框8", "77"}}},
    {"人员掩蔽工程, present source", 1, "有可靠内水源", 1,
     {{"编辑框1", "4"}, {"编辑框2", "4"}, {"编辑框3", "0"}, {"编辑框4", "0"}}, false,
     {{"编辑框7", "5"}, {"编辑框8", "5"}}},
    {"人员掩蔽工程, absent source, external source", 1, "无可靠内水源", 1,
     {{"编辑框1", "4"}, {"编辑框2", "4"}, {"编辑框3", "3"}, {"编辑框4", "7"}}, true,
     {{"编辑框7", "17"}, {"编辑框8", "33"}}},
    {"人防物资库, absent source, no external source", 2, "无可靠内水源", 0,
     {{"编辑框1", "4"}, {"编辑框2", "4"}, {"编辑框3", "7"}, {"编辑框4", "14"}}, true,
     {{"编辑框7", "33"}, {"编辑框8", "61"}}},
};

TEST(StorageCalc, DomesticCalculationFromDrinkingWaterRefreshesTheQuotas) {
    for (const DrinkingToDomesticCase& c : kDrinkingToDomesticCases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        window.selectItem("工程类别", c.project);
        window.selectItem("防护外水源", c.external);
        window.selectItem("用水种类", 0);
        window.clickRadio(c.radio);
        window.typeInto("掩蔽人数", "1000");
        ASSERT_FALSE(window.isEnabled("防护外水源"));
        window.clearRecords();

        window.clickButton("按钮2");

        expectMessages(window, "按钮2", {M5});
        EXPECT_EQ(window.selection("用水种类"), 1);
        EXPECT_EQ(readable(window.comboText("用水种类")), readable("生活用水"));
        Writes expected = c.refreshed;
        expected.insert(expected.end(), c.results.begin(), c.results.end());
        EXPECT_EQ(describe(window.writes()), describe(expected));
        EXPECT_EQ(window.isEnabled("防护外水源"), c.externalEnabled);
        for (const FakeWindow::RaisedEvent& event : window.events()) {
            EXPECT_NE(event.event, ControlEvent::ListItemSelected) << readable(event.control);
        }
    }
}

TEST(StorageCalc, DomesticCalculationFromDrinkingWaterWithoutInnerSourceRefreshesQuotaOnly) {
    FakeWindow window;
    arrangeChoices(window, {0, 0, 0, Radio::None});
    window.putText("编辑框3", "old");
    window.putText("编辑框4", "old");
    window.putText("掩蔽人数", "10");
    window.clickButton("按钮2");
    expectMessages(window, "按钮2", {M5, M2});
    EXPECT_EQ(describe(window.writes()), describe({{"编辑框1", "9"}, {"编辑框2", "9"}}));
}

TEST(StorageCalc, ResultsStayAfterADesignChange) {
    FakeWindow window;
    arrangeAllInputs(window);
    window.clickButton("按钮1");
    ASSERT_EQ(window.text("编辑框5"), "22.5");

    window.selectItem("用水种类", 1);
    window.selectItem("工程类别", 0);
    window.clickRadio("有可靠内水源");
    window.typeInto("掩蔽人数", "1000");
    EXPECT_EQ(window.text("编辑框5"), "22.5");
    EXPECT_EQ(window.text("编辑框6"), "45");
    EXPECT_EQ(window.textChangedCount("编辑框5"), 1);
    EXPECT_EQ(window.textChangedCount("编辑框6"), 1);

    window.clickButton("按钮2");
    window.selectItem("工程类别", 2);
    window.clickRadio("无可靠内水源");
    EXPECT_EQ(window.text("编辑框7"), "41");
    EXPECT_EQ(window.text("编辑框8"), "77");

    window.clickButton("按钮3");
    EXPECT_EQ(window.text("编辑框11"), "63.5");
    EXPECT_EQ(window.text("编辑框12"), "122");
    EXPECT_TRUE(window.messages().empty());
}

TEST(StorageCalc, WorkedExamplesAsADesignerEntersThem) {
    FakeWindow window;
    window.selectItem("工程类别", 1);
    window.selectItem("用水种类", 0);
    window.clickRadio("无可靠内水源");
    window.typeInto("掩蔽人数", "500");
    EXPECT_EQ(window.text("编辑框1"), "3");
    EXPECT_EQ(window.text("编辑框2"), "6");
    EXPECT_EQ(window.text("编辑框3"), "15");
    EXPECT_EQ(window.text("编辑框4"), "15");
    EXPECT_FALSE(window.isEnabled("防护外水源"));
    window.clickButton("按钮1");
    EXPECT_EQ(window.text("编辑框5"), "22.5");
    EXPECT_EQ(window.text("编辑框6"), "45");

    window.selectItem("工程类别", 0);
    window.selectItem("用水种类", 1);
    window.clickRadio("有可靠内水源");
    window.typeInto("掩蔽人数", "1000");
    window.clickButton("按钮2");
    EXPECT_EQ(window.text("编辑框7"), "41");
    EXPECT_EQ(window.text("编辑框8"), "77");

    window.clickButton("按钮3");
    EXPECT_EQ(window.text("编辑框11"), "63.5");
    EXPECT_EQ(window.text("编辑框12"), "122");
    EXPECT_TRUE(window.messages().empty());
}

}  // namespace
