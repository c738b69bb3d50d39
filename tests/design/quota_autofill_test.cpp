// The auto-fill handlers, driven through the event bindings of a fake main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/handlers.h"
#include "tests/design/fake_window.h"
#include "tests/design/window_arrangement.h"

namespace {

using Writes = std::vector<FakeWindow::TextWrite>;

enum class Trigger { ProjectType, WaterType, InnerSourceYes, InnerSourceNo, ExternalSource };

const char* triggerName(Trigger trigger) {
    switch (trigger) {
        case Trigger::ProjectType: return "onProjectTypeSelected";
        case Trigger::WaterType: return "onWaterTypeSelected";
        case Trigger::InnerSourceYes: return "onInnerSourceYesClicked";
        case Trigger::InnerSourceNo: return "onInnerSourceNoClicked";
        case Trigger::ExternalSource: return "onExternalSourceSelected";
    }
    return "?";
}

// The user action that raises the trigger's event: choosing again the item a combo box shows, or a
// click on the radio button.
void fire(FakeWindow& window, Trigger trigger) {
    switch (trigger) {
        case Trigger::ProjectType: return window.selectItem("工程类别", window.selection("工程类别"));
        case Trigger::WaterType: return window.selectItem("用水种类", window.selection("用水种类"));
        case Trigger::InnerSourceYes: return window.clickRadio("有可靠内水源");
        case Trigger::InnerSourceNo: return window.clickRadio("无可靠内水源");
        case Trigger::ExternalSource:
            return window.selectItem("防护外水源", window.selection("防护外水源"));
    }
}

// The handler alone, for states a user cannot produce (a combo box showing nothing, a click
// handler running while its button is not checked).
void callHandler(FakeWindow& window, Trigger trigger) {
    switch (trigger) {
        case Trigger::ProjectType: return design::onProjectTypeSelected(window);
        case Trigger::WaterType: return design::onWaterTypeSelected(window);
        case Trigger::InnerSourceYes: return design::onInnerSourceYesClicked(window);
        case Trigger::InnerSourceNo: return design::onInnerSourceNoClicked(window);
        case Trigger::ExternalSource: return design::onExternalSourceSelected(window);
    }
}

struct Bounds {
    const char* lower;
    const char* upper;
};

// Litres per person per day by project type and water use type.
constexpr Bounds kExpectedQuota[3][2] = {
    {{"5", "6"}, {"9", "9"}},
    {{"3", "6"}, {"4", "4"}},
    {{"3", "6"}, {"4", "4"}},
};

Writes quotaWrites(int project, int water) {
    const Bounds quota = kExpectedQuota[project][water];
    return {{"编辑框1", quota.lower}, {"编辑框2", quota.upper}};
}

Writes dayWrites(const char* lower, const char* upper) {
    return {{"编辑框3", lower}, {"编辑框4", upper}};
}

Writes concat(Writes a, const Writes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Fills the four fields with a text no handler writes, so that leaving them alone is visible.
void markFields(FakeWindow& window) {
    for (const char* field : {"编辑框1", "编辑框2", "编辑框3", "编辑框4"}) {
        window.putText(field, "old");
    }
}

TEST(QuotaAutoFill, QuotaTableThroughProjectAndWaterTypeHandlers) {
    for (Trigger trigger : {Trigger::ProjectType, Trigger::WaterType}) {
        for (int project = 0; project < 3; ++project) {
            for (int water = 0; water < 2; ++water) {
                const Choices choices{project, water, 0, Radio::None};
                SCOPED_TRACE(std::string(triggerName(trigger)) + ", " + describeChoices(choices));
                FakeWindow window;
                arrangeChoices(window, choices);
                markFields(window);
                fire(window, trigger);
                EXPECT_EQ(describe(window.writes()), describe(quotaWrites(project, water)));
                EXPECT_EQ(window.text("编辑框3"), "old");
                EXPECT_EQ(window.text("编辑框4"), "old");
            }
        }
    }
}

struct DayRow {
    const char* id;
    Radio radio;
    int water;
    std::vector<int> projects;
    std::vector<int> externals;
    const char* lower;
    const char* upper;
};

const DayRow kDayRows[] = {
    {"D1", Radio::Yes, 0, {0, 1, 2}, {0, 1}, "2", "3"},
    {"D2", Radio::Yes, 1, {0}, {0, 1}, "4", "8"},
    {"D3", Radio::Yes, 1, {1, 2}, {0, 1}, "0", "0"},
    {"D4", Radio::No, 0, {0, 1, 2}, {0, 1}, "15", "15"},
    {"D5", Radio::No, 1, {0, 1, 2}, {1}, "3", "7"},
    {"D6", Radio::No, 1, {0, 1, 2}, {0}, "7", "14"},
};

// The handlers that apply a row, as the rules of each handler list them.
std::vector<Trigger> triggersApplying(const DayRow& row) {
    std::vector<Trigger> triggers{Trigger::ProjectType, Trigger::WaterType,
                                  row.radio == Radio::Yes ? Trigger::InnerSourceYes
                                                          : Trigger::InnerSourceNo};
    if (row.radio == Radio::No && row.water == 1) triggers.push_back(Trigger::ExternalSource);
    return triggers;
}

TEST(QuotaAutoFill, EveryStorageDayRowThroughEveryHandlerThatAppliesIt) {
    for (const DayRow& row : kDayRows) {
        for (Trigger trigger : triggersApplying(row)) {
            for (int project : row.projects) {
                for (int external : row.externals) {
                    const Choices choices{project, row.water, external, row.radio};
                    SCOPED_TRACE(std::string(row.id) + " via " + triggerName(trigger) + ", " +
                                 describeChoices(choices));
                    FakeWindow window;
                    arrangeChoices(window, choices);
                    markFields(window);
                    fire(window, trigger);
                    const Writes days = dayWrites(row.lower, row.upper);
                    const bool writesQuota =
                        trigger == Trigger::ProjectType || trigger == Trigger::WaterType;
                    EXPECT_EQ(describe(window.writes()),
                              describe(writesQuota ? concat(quotaWrites(project, row.water), days)
                                                   : days));
                }
            }
        }
    }
}

struct LeaveAloneCase {
    const char* name;
    Trigger trigger;
    bool handlerOnly;  // call the handler without a user action
    Choices choices;
    Writes expected;
};

const LeaveAloneCase kLeaveAloneCases[] = {
    {"project type, no water type, no inner source", Trigger::ProjectType, false,
     {1, -1, 0, Radio::None}, {}},
    {"project type, no water type, inner source present", Trigger::ProjectType, false,
     {1, -1, 0, Radio::Yes}, {}},
    {"project type, no water type, inner source absent", Trigger::ProjectType, false,
     {2, -1, 1, Radio::No}, {}},
    {"project type, drinking, no inner source: quota only", Trigger::ProjectType, false,
     {0, 0, 0, Radio::None}, quotaWrites(0, 0)},
    {"project type, domestic, no inner source: quota only", Trigger::ProjectType, false,
     {2, 1, 1, Radio::None}, quotaWrites(2, 1)},
    {"project type, domestic, absent, no external source: quota only", Trigger::ProjectType, false,
     {1, 1, -1, Radio::No}, quotaWrites(1, 1)},
    {"no project type, drinking, absent", Trigger::ProjectType, true, {-1, 0, 0, Radio::No}, {}},
    {"no project type, domestic, present", Trigger::ProjectType, true, {-1, 1, 0, Radio::Yes}, {}},
    {"water type, no inner source: quota only", Trigger::WaterType, false, {0, 0, 0, Radio::None},
     quotaWrites(0, 0)},
    {"domestic water, no inner source: quota only", Trigger::WaterType, false,
     {2, 1, 0, Radio::None}, quotaWrites(2, 1)},
    {"domestic water, absent, no external source: quota only", Trigger::WaterType, false,
     {0, 1, -1, Radio::No}, quotaWrites(0, 1)},
    {"water type, no project type, present", Trigger::WaterType, false, {-1, 0, 0, Radio::Yes}, {}},
    {"water type, no project type, absent", Trigger::WaterType, false, {-1, 1, 1, Radio::No}, {}},
    {"no water type, present", Trigger::WaterType, true, {0, -1, 0, Radio::Yes}, {}},
    {"inner source present, no water type", Trigger::InnerSourceYes, false,
     {0, -1, 0, Radio::None}, {}},
    {"inner source present, no project type, drinking", Trigger::InnerSourceYes, false,
     {-1, 0, 0, Radio::None}, {}},
    {"inner source present, no project type, domestic", Trigger::InnerSourceYes, false,
     {-1, 1, 0, Radio::None}, {}},
    {"inner source absent, no water type", Trigger::InnerSourceNo, false, {1, -1, 0, Radio::None},
     {}},
    {"inner source absent, no project type, drinking", Trigger::InnerSourceNo, false,
     {-1, 0, 0, Radio::None}, {}},
    {"inner source absent, no project type, domestic", Trigger::InnerSourceNo, false,
     {-1, 1, 1, Radio::None}, {}},
    {"inner source absent, domestic, no external source", Trigger::InnerSourceNo, false,
     {0, 1, -1, Radio::None}, {}},
    {"external source, drinking, absent", Trigger::ExternalSource, false, {0, 0, 1, Radio::No}, {}},
    {"external source none, drinking, absent", Trigger::ExternalSource, false,
     {1, 0, 0, Radio::No}, {}},
    {"external source, domestic, present", Trigger::ExternalSource, false, {0, 1, 1, Radio::Yes},
     {}},
    {"external source none, domestic, present", Trigger::ExternalSource, false,
     {2, 1, 0, Radio::Yes}, {}},
    {"external source, domestic, no inner source", Trigger::ExternalSource, false,
     {0, 1, 1, Radio::None}, {}},
    {"external source, no water type, absent", Trigger::ExternalSource, false,
     {0, -1, 0, Radio::No}, {}},
    {"external source, no project type, domestic, absent", Trigger::ExternalSource, false,
     {-1, 1, 1, Radio::No}, {}},
    {"no external source, domestic, absent", Trigger::ExternalSource, true, {0, 1, -1, Radio::No},
     {}},
};

TEST(QuotaAutoFill, FieldsLeftAloneWhereNoRuleApplies) {
    for (const LeaveAloneCase& c : kLeaveAloneCases) {
        SCOPED_TRACE(std::string(c.name) + " (" + triggerName(c.trigger) + ", " +
                     describeChoices(c.choices) + ")");
        FakeWindow window;
        arrangeChoices(window, c.choices);
        markFields(window);
        if (c.handlerOnly) {
            callHandler(window, c.trigger);
        } else {
            fire(window, c.trigger);
        }
        EXPECT_EQ(describe(window.writes()), describe(c.expected));
        for (const char* field : {"编辑框3", "编辑框4"}) {
            EXPECT_EQ(window.text(field), "old") << readable(field);
        }
    }
}

TEST(QuotaAutoFill, RadioButtonsShowWhichOneIsActive) {
    struct Case {
        const char* name;
        std::vector<Trigger> clicks;
        const char* yesStatus;
        const char* noStatus;
    };
    const Case cases[] = {
        {"present clicked", {Trigger::InnerSourceYes}, "已选中", "未选"},
        {"absent clicked", {Trigger::InnerSourceNo}, "未选", "已选中"},
        {"present, then absent", {Trigger::InnerSourceYes, Trigger::InnerSourceNo}, "未选", "已选中"},
        {"absent, then present", {Trigger::InnerSourceNo, Trigger::InnerSourceYes}, "已选中", "未选"},
        {"present clicked twice", {Trigger::InnerSourceYes, Trigger::InnerSourceYes}, "已选中",
         "未选"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        for (Trigger click : c.clicks) fire(window, click);
        EXPECT_EQ(readable(window.caption("标签6")), readable(c.yesStatus));
        EXPECT_EQ(readable(window.caption("标签7")), readable(c.noStatus));
    }
}

TEST(QuotaAutoFill, ChoicesOtherThanTheRadioButtonsLeaveTheStatusLabelsAlone) {
    for (Trigger trigger : {Trigger::ProjectType, Trigger::WaterType, Trigger::ExternalSource}) {
        SCOPED_TRACE(triggerName(trigger));
        FakeWindow window;
        arrangeChoices(window, {0, 1, 0, Radio::No});
        fire(window, trigger);
        EXPECT_EQ(readable(window.caption("标签6")), readable("未选"));
        EXPECT_EQ(readable(window.caption("标签7")), readable("未选"));
    }
}

enum class Availability { Enabled, Disabled, Untouched };

struct AvailabilityCase {
    const char* name;
    Trigger trigger;
    bool handlerOnly;
    Choices choices;
    bool enabledBefore;
    Availability expected;
};

const AvailabilityCase kAvailabilityCases[] = {
    {"domestic water with absent inner source enables", Trigger::WaterType, false,
     {0, 1, 0, Radio::No}, false, Availability::Enabled},
    {"domestic water with present inner source, enabled", Trigger::WaterType, false,
     {0, 1, 0, Radio::Yes}, true, Availability::Untouched},
    {"domestic water with present inner source, disabled", Trigger::WaterType, false,
     {1, 1, 0, Radio::Yes}, false, Availability::Untouched},
    {"domestic water without inner source, enabled", Trigger::WaterType, false,
     {2, 1, 0, Radio::None}, true, Availability::Untouched},
    {"domestic water without inner source, disabled", Trigger::WaterType, false,
     {0, 1, 1, Radio::None}, false, Availability::Untouched},
    {"drinking water with absent inner source disables", Trigger::WaterType, false,
     {0, 0, 0, Radio::No}, true, Availability::Disabled},
    {"drinking water without inner source disables", Trigger::WaterType, false,
     {1, 0, 1, Radio::None}, true, Availability::Disabled},
    {"drinking water with present inner source disables", Trigger::WaterType, false,
     {2, 0, 0, Radio::Yes}, true, Availability::Disabled},
    {"no water type disables", Trigger::WaterType, true, {0, -1, 0, Radio::No}, true,
     Availability::Disabled},
    {"inner source present disables, domestic", Trigger::InnerSourceYes, false,
     {0, 1, 0, Radio::No}, true, Availability::Disabled},
    {"inner source present disables, no water type", Trigger::InnerSourceYes, false,
     {0, -1, 0, Radio::None}, true, Availability::Disabled},
    {"inner source absent with domestic water enables", Trigger::InnerSourceNo, false,
     {1, 1, 1, Radio::Yes}, false, Availability::Enabled},
    {"inner source absent with drinking water, enabled", Trigger::InnerSourceNo, false,
     {0, 0, 0, Radio::None}, true, Availability::Untouched},
    {"inner source absent with drinking water, disabled", Trigger::InnerSourceNo, false,
     {0, 0, 0, Radio::Yes}, false, Availability::Untouched},
    {"inner source absent with no water type, enabled", Trigger::InnerSourceNo, false,
     {0, -1, 0, Radio::None}, true, Availability::Untouched},
    {"absent-source handler while that button is not checked disables", Trigger::InnerSourceNo,
     true, {0, 1, 0, Radio::Yes}, true, Availability::Disabled},
    {"project type, enabled", Trigger::ProjectType, false, {0, 1, 0, Radio::No}, true,
     Availability::Untouched},
    {"project type, disabled", Trigger::ProjectType, false, {0, 0, 0, Radio::No}, false,
     Availability::Untouched},
    {"external source selected, enabled", Trigger::ExternalSource, false, {2, 1, 1, Radio::No},
     true, Availability::Untouched},
};

TEST(QuotaAutoFill, ExternalSourceAvailability) {
    for (const AvailabilityCase& c : kAvailabilityCases) {
        SCOPED_TRACE(std::string(c.name) + " (" + triggerName(c.trigger) + ", " +
                     describeChoices(c.choices) + ")");
        FakeWindow window;
        arrangeChoices(window, c.choices);
        window.putEnabled("防护外水源", c.enabledBefore);
        if (c.handlerOnly) {
            callHandler(window, c.trigger);
        } else {
            fire(window, c.trigger);
        }
        switch (c.expected) {
            case Availability::Enabled: EXPECT_TRUE(window.isEnabled("防护外水源")); break;
            case Availability::Disabled: EXPECT_FALSE(window.isEnabled("防护外水源")); break;
            case Availability::Untouched:
                EXPECT_EQ(window.isEnabled("防护外水源"), c.enabledBefore);
                EXPECT_TRUE(window.enableCalls().empty());
                break;
        }
    }
}

// A text-changed handler that changes a choice while a handler writes its fields: the handler must
// see the change when it tests that choice afterwards.
struct RereadCase {
    const char* name;
    Trigger trigger;
    Choices choices;
    const char* changedField;  // the write that changes the choice, the first to this field
    void (*change)(FakeWindow&);
    Writes expected;
};

const RereadCase kRereadCases[] = {
    {"project type sees a radio button checked after the quota", Trigger::ProjectType,
     {1, 0, 0, Radio::None}, "编辑框2", [](FakeWindow& w) { w.putChecked("有可靠内水源"); },
     concat(quotaWrites(1, 0), dayWrites("2", "3"))},
    {"project type sees the absent source checked after the quota", Trigger::ProjectType,
     {0, 1, 1, Radio::None}, "编辑框2", [](FakeWindow& w) { w.putChecked("无可靠内水源"); },
     concat(quotaWrites(0, 1), dayWrites("3", "7"))},
    {"water type sees a radio button checked after the quota", Trigger::WaterType,
     {0, 1, 0, Radio::None}, "编辑框2", [](FakeWindow& w) { w.putChecked("有可靠内水源"); },
     concat(quotaWrites(0, 1), dayWrites("4", "8"))},
    {"external source tests its second row afresh", Trigger::ExternalSource, {0, 1, 1, Radio::No},
     "编辑框4", [](FakeWindow& w) { w.setSelectionIndex("防护外水源", 0); },
     concat(dayWrites("3", "7"), dayWrites("7", "14"))},
};

TEST(QuotaAutoFill, ChoicesAreReadWhenTheyAreTested) {
    for (const RereadCase& c : kRereadCases) {
        SCOPED_TRACE(c.name);
        FakeWindow window;
        arrangeChoices(window, c.choices);
        bool changed = false;
        window.onTextChanged = [&](FakeWindow& w, std::string_view field) {
            if (!changed && field == c.changedField) {
                changed = true;
                c.change(w);
            }
        };
        fire(window, c.trigger);
        EXPECT_EQ(describe(window.writes()), describe(c.expected));
    }
}

TEST(QuotaAutoFill, RightAfterStartDrinkingWaterFillsTheQuotaOnly) {
    FakeWindow window;
    window.selectItem("用水种类", 0);
    EXPECT_EQ(describe(window.writes()), describe(quotaWrites(0, 0)));
    EXPECT_FALSE(window.isEnabled("防护外水源"));
    EXPECT_EQ(window.text("编辑框3"), "");
    EXPECT_EQ(window.textChangedCount("编辑框3"), 0);
}

TEST(QuotaAutoFill, ChoosingAgainRunsTheHandlerAgain) {
    FakeWindow window;
    window.selectItem("用水种类", 1);
    window.selectItem("用水种类", 1);
    EXPECT_EQ(describe(window.writes()), describe(concat(quotaWrites(0, 1), quotaWrites(0, 1))));
    window.clearRecords();
    window.clickRadio("有可靠内水源");
    window.clickRadio("有可靠内水源");
    EXPECT_EQ(describe(window.writes()), describe(concat(dayWrites("4", "8"), dayWrites("4", "8"))));
}

TEST(QuotaAutoFill, DesignerSwitchesTheSourcesOfADomesticDesign) {
    FakeWindow window;
    window.selectItem("工程类别", 0);
    window.selectItem("用水种类", 1);
    window.clickRadio("有可靠内水源");
    EXPECT_EQ(window.text("编辑框1"), "9");
    EXPECT_EQ(window.text("编辑框2"), "9");
    EXPECT_EQ(window.text("编辑框3"), "4");
    EXPECT_EQ(window.text("编辑框4"), "8");
    EXPECT_FALSE(window.isEnabled("防护外水源"));

    window.clickRadio("无可靠内水源");
    EXPECT_EQ(window.text("编辑框3"), "7");
    EXPECT_EQ(window.text("编辑框4"), "14");
    EXPECT_TRUE(window.isEnabled("防护外水源"));

    for (int project = 0; project < 3; ++project) {
        SCOPED_TRACE("project " + std::to_string(project));
        window.selectItem("工程类别", project);
        window.selectItem("防护外水源", 1);
        EXPECT_EQ(window.text("编辑框3"), "3");
        EXPECT_EQ(window.text("编辑框4"), "7");
        window.selectItem("防护外水源", 0);
        EXPECT_EQ(window.text("编辑框3"), "7");
        EXPECT_EQ(window.text("编辑框4"), "14");
    }
}

}  // namespace
