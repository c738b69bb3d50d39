#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shell/focus_order.h"

namespace {

const char* const kStops[] = {
    "工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2",
    "编辑框3",  "编辑框4", "编辑框5",     "编辑框6",     "编辑框7",
    "编辑框8",  "按钮1",   "按钮2",       "用水种类",     "掩蔽人数",
    "口部冲洗水量", "编辑框11", "编辑框12", "按钮3", "防护外水源",
};
constexpr std::size_t kStopCount = std::size(kStops);

// Every control is available except the named ones (disabled or hidden: the rule sees no difference).
std::string targetName(const WindowLayout& layout, int from, bool forward, bool radioOnly,
                       const std::vector<std::string_view>& unavailable) {
    const int target = focusMoveTarget(layout, from, forward, radioOnly, [&](int index) {
        const std::string_view name = layout.controls[static_cast<std::size_t>(index)].name;
        return std::find(unavailable.begin(), unavailable.end(), name) == unavailable.end();
    });
    return target < 0 ? std::string("(none)") : std::string(layout.controls[static_cast<std::size_t>(target)].name);
}

std::string targetName(std::string_view from, bool forward, bool radioOnly,
                       const std::vector<std::string_view>& unavailable) {
    return targetName(mainWindowLayout(), findControl(from), forward, radioOnly, unavailable);
}

TEST(FocusMoveTarget, TabAndShiftTabWalkTheWholeCycle) {
    for (std::size_t i = 0; i < kStopCount; ++i) {
        SCOPED_TRACE(kStops[i]);
        EXPECT_EQ(targetName(kStops[i], true, false, {}), kStops[(i + 1) % kStopCount]);
        EXPECT_EQ(targetName(kStops[i], false, false, {}), kStops[(i + kStopCount - 1) % kStopCount]);
    }
}

struct MoveCase {
    const char* what;
    const char* from;
    bool forward;
    bool radioOnly;
    std::vector<std::string_view> unavailable;
    const char* target;  // "(none)" when nothing happens
};

const MoveCase kMoveCases[] = {
    {"wrap forward", "防护外水源", true, false, {}, "工程类别"},
    {"wrap backward", "工程类别", false, false, {}, "防护外水源"},
    {"disabled external source skipped forward", "按钮3", true, false, {"防护外水源"}, "工程类别"},
    {"disabled external source skipped backward", "工程类别", false, false, {"防护外水源"}, "按钮3"},
    {"hidden box skipped", "工程类别", true, false, {"编辑框1"}, "有可靠内水源"},
    {"run of unavailable boxes skipped forward", "编辑框4", true, false,
     {"编辑框5", "编辑框6", "编辑框7", "编辑框8"}, "按钮1"},
    {"run of unavailable boxes skipped backward", "按钮1", false, false,
     {"编辑框5", "编辑框6", "编辑框7", "编辑框8"}, "编辑框4"},
    {"from unavailable, forward takes the next candidate", "用水种类", true, false, {"用水种类"}, "掩蔽人数"},
    {"from unavailable, backward takes the one before", "用水种类", false, false, {"用水种类"}, "按钮2"},
    {"from unavailable and its neighbours too", "用水种类", true, false,
     {"用水种类", "掩蔽人数", "口部冲洗水量"}, "编辑框11"},
    {"from unavailable last stop, forward wraps to the first", "防护外水源", true, false, {"防护外水源"},
     "工程类别"},
    {"from unavailable last stop, backward", "防护外水源", false, false, {"防护外水源"}, "按钮3"},
    {"from unavailable first stop, backward wraps to the last", "工程类别", false, false, {"工程类别"},
     "防护外水源"},
    {"from unavailable first stop, forward", "工程类别", true, false, {"工程类别"}, "编辑框1"},
    {"from not a focus stop, forward", "标签1", true, false, {}, "工程类别"},
    {"from not a focus stop, backward", "标签1", false, false, {}, "防护外水源"},
    {"only from available", "按钮2", true, false,
     {"工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框6",
      "编辑框7", "编辑框8", "按钮1", "用水种类", "掩蔽人数", "口部冲洗水量", "编辑框11", "编辑框12", "按钮3",
      "防护外水源"},
     "(none)"},
    {"no candidate at all", "按钮2", false, false,
     {"工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框6",
      "编辑框7", "编辑框8", "按钮1", "按钮2", "用水种类", "掩蔽人数", "口部冲洗水量", "编辑框11", "编辑框12",
      "按钮3", "防护外水源"},
     "(none)"},
    {"one other candidate, forward", "按钮1", true, false,
     {"工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框6",
      "编辑框7", "编辑框8", "按钮2", "用水种类", "掩蔽人数", "口部冲洗水量", "编辑框11", "编辑框12", "按钮3"},
     "防护外水源"},
    {"radio Down", "有可靠内水源", true, true, {}, "无可靠内水源"},
    {"radio Down wraps", "无可靠内水源", true, true, {}, "有可靠内水源"},
    {"radio Up wraps", "有可靠内水源", false, true, {}, "无可靠内水源"},
    {"radio Up", "无可靠内水源", false, true, {}, "有可靠内水源"},
    {"radio Down, other radio disabled", "有可靠内水源", true, true, {"无可靠内水源"}, "(none)"},
    {"radio Up, other radio disabled", "无可靠内水源", false, true, {"有可靠内水源"}, "(none)"},
    {"radio group ignores other stops", "有可靠内水源", false, true, {"工程类别", "编辑框1"}, "无可靠内水源"},
    {"radio-only from a button in a group box finds no radio there", "按钮3", true, true, {}, "(none)"},
};

TEST(FocusMoveTarget, Cases) {
    for (const MoveCase& c : kMoveCases) {
        EXPECT_EQ(targetName(c.from, c.forward, c.radioOnly, c.unavailable), c.target) << c.what;
    }
}

TEST(FocusMoveTarget, FromTheWindowItself) {
    EXPECT_EQ(targetName(mainWindowLayout(), -1, true, false, {}), "工程类别");
    EXPECT_EQ(targetName(mainWindowLayout(), -1, false, false, {}), "防护外水源");
    EXPECT_EQ(targetName(mainWindowLayout(), -1, true, true, {}), "(none)");
}

// Two radio groups, one in the client area and one in a group box, interleaved in the focus order:
// the arrows keep to the group of the focused button.
ControlLayout radio(const char* name, const char* parent) {
    return {ControlKind::RadioButton, name, parent, 0, 0, 10, 10, name, {}, -1, false, InputMode::Normal, 0,
            kBlack, kDefaultFont, false, true, true, true};
}

const ControlLayout kTwoGroups[] = {
    {ControlKind::GroupBox, "框", nullptr, 0, 0, 100, 100, "", {}, -1, false, InputMode::Normal, 0, kBlack,
     kDefaultFont, false, false, true, true},
    radio("甲", nullptr), radio("乙", "框"), radio("丙", nullptr), radio("丁", "框"), radio("戊", "框"),
};
const char* const kTwoGroupsOrder[] = {"甲", "乙", "丙", "丁", "戊"};
const WindowLayout kTwoGroupsWindow{"t", 0, 0, 0, 0, 0, true, false, false, kTwoGroups, kTwoGroupsOrder};

TEST(FocusMoveTarget, RadioOnlyKeepsToTheParentOfFrom) {
    const MoveCase cases[] = {
        {"window group forward", "甲", true, true, {}, "丙"},
        {"window group wraps", "丙", true, true, {}, "甲"},
        {"window group backward", "甲", false, true, {}, "丙"},
        {"boxed group forward", "乙", true, true, {}, "丁"},
        {"boxed group wraps forward", "戊", true, true, {}, "乙"},
        {"boxed group backward wraps", "乙", false, true, {}, "戊"},
        {"boxed group skips unavailable", "乙", true, true, {"丁"}, "戊"},
        {"without radioOnly every stop counts", "甲", true, false, {}, "乙"},
    };
    for (const MoveCase& c : cases) {
        const int from = static_cast<int>(
            std::find_if(std::begin(kTwoGroups), std::end(kTwoGroups),
                         [&](const ControlLayout& row) { return std::string_view(row.name) == c.from; }) -
            std::begin(kTwoGroups));
        EXPECT_EQ(targetName(kTwoGroupsWindow, from, c.forward, c.radioOnly, c.unavailable), c.target) << c.what;
    }
}

}  // namespace
