// Checks the main window's table against the numbers of the window's design: every place typed here
// in window coordinates, so that a wrong offset, parent or group box position shows up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "shell/window_layout.h"

namespace {

struct ExpectedPlace {
    const char* name;
    ControlKind kind;
    const char* area;  // the group box whose area the control belongs to; nullptr for a group box
    int windowX, windowY;
    int width, height;
};

// Creation order: the group boxes, then each area's controls.
const ExpectedPlace kExpectedPlaces[] = {
    {"分组框2", ControlKind::GroupBox, nullptr, 3, 8, 128, 72},
    {"分组框1", ControlKind::GroupBox, nullptr, 134, 8, 136, 72},
    {"分组框4", ControlKind::GroupBox, nullptr, 272, 8, 132, 72},
    {"分组框3", ControlKind::GroupBox, nullptr, 407, 8, 161, 72},
    {"分组框5", ControlKind::GroupBox, nullptr, 576, 8, 104, 72},
    {"分组框8", ControlKind::GroupBox, nullptr, 2, 80, 129, 144},
    {"分组框6", ControlKind::GroupBox, nullptr, 134, 80, 272, 72},
    {"分组框7", ControlKind::GroupBox, nullptr, 134, 152, 272, 72},
    {"分组框11", ControlKind::GroupBox, nullptr, 134, 223, 272, 97},
    {"分组框9", ControlKind::GroupBox, nullptr, 1, 223, 128, 96},
    {"分组框10", ControlKind::GroupBox, nullptr, 408, 80, 272, 144},
    {"分组框12", ControlKind::GroupBox, nullptr, 408, 224, 272, 96},
    {"标签1", ControlKind::Label, "分组框2", 24, 24, 96, 16},
    {"工程类别", ControlKind::ComboBox, "分组框2", 8, 48, 120, 20},
    {"标签2", ControlKind::Label, "分组框1", 152, 24, 96, 16},
    {"用水种类", ControlKind::ComboBox, "分组框1", 144, 48, 112, 20},
    {"标签4", ControlKind::Label, "分组框4", 294, 23, 96, 16},
    {"编辑框1", ControlKind::EditBox, "分组框4", 280, 46, 43, 24},
    {"标签5", ControlKind::Label, "分组框4", 333, 53, 13, 16},
    {"编辑框2", ControlKind::EditBox, "分组框4", 352, 45, 40, 24},
    {"有可靠内水源", ControlKind::RadioButton, "分组框3", 418, 22, 96, 24},
    {"标签6", ControlKind::Label, "分组框3", 519, 26, 40, 16},
    {"无可靠内水源", ControlKind::RadioButton, "分组框3", 418, 49, 96, 24},
    {"标签7", ControlKind::Label, "分组框3", 519, 51, 40, 16},
    {"标签8", ControlKind::Label, "分组框5", 588, 20, 80, 16},
    {"编辑框3", ControlKind::EditBox, "分组框5", 583, 46, 32, 24},
    {"标签9", ControlKind::Label, "分组框5", 623, 54, 9, 16},
    {"编辑框4", ControlKind::EditBox, "分组框5", 640, 45, 32, 24},
    {"标签3", ControlKind::Label, "分组框8", 13, 91, 108, 17},
    {"掩蔽人数", ControlKind::EditBox, "分组框8", 16, 109, 70, 24},
    {"标签33", ControlKind::Label, "分组框8", 95, 112, 25, 17},
    {"标签21", ControlKind::Label, "分组框8", 18, 150, 94, 16},
    {"标签15", ControlKind::Label, "分组框8", 18, 167, 97, 16},
    {"口部冲洗水量", ControlKind::EditBox, "分组框8", 17, 187, 46, 24},
    {"标签16", ControlKind::Label, "分组框8", 75, 191, 40, 16},
    {"标签10", ControlKind::Label, "分组框6", 147, 98, 112, 16},
    {"编辑框5", ControlKind::EditBox, "分组框6", 145, 119, 40, 24},
    {"标签11", ControlKind::Label, "分组框6", 195, 129, 15, 16},
    {"编辑框6", ControlKind::EditBox, "分组框6", 212, 118, 40, 24},
    {"按钮1", ControlKind::Button, "分组框6", 275, 116, 112, 28},
    {"标签12", ControlKind::Label, "分组框7", 143, 166, 120, 16},
    {"编辑框7", ControlKind::EditBox, "分组框7", 144, 189, 40, 24},
    {"标签13", ControlKind::Label, "分组框7", 195, 194, 15, 16},
    {"编辑框8", ControlKind::EditBox, "分组框7", 214, 189, 40, 24},
    {"按钮2", ControlKind::Button, "分组框7", 272, 185, 121, 28},
    {"标签29", ControlKind::Label, "分组框11", 154, 247, 96, 16},
    {"编辑框11", ControlKind::EditBox, "分组框11", 145, 273, 40, 24},
    {"标签17", ControlKind::Label, "分组框11", 194, 280, 15, 16},
    {"编辑框12", ControlKind::EditBox, "分组框11", 214, 271, 40, 24},
    {"按钮3", ControlKind::Button, "分组框11", 277, 268, 116, 28},
    {"标签18", ControlKind::Label, "分组框9", 42, 239, 45, 13},
    {"标签19", ControlKind::Label, "分组框9", 12, 259, 110, 13},
    {"防护外水源", ControlKind::ComboBox, "分组框9", 16, 288, 40, 20},
    {"标签20", ControlKind::Label, "分组框9", 65, 292, 55, 13},
    {"标签14", ControlKind::Label, "分组框10", 415, 88, 30, 16},
    {"标签23", ControlKind::Label, "分组框10", 415, 104, 257, 16},
    {"标签24", ControlKind::Label, "分组框10", 428, 119, 151, 16},
    {"标签22", ControlKind::Label, "分组框10", 416, 135, 256, 16},
    {"标签25", ControlKind::Label, "分组框10", 428, 152, 244, 16},
    {"标签26", ControlKind::Label, "分组框10", 429, 169, 203, 16},
    {"标签27", ControlKind::Label, "分组框10", 417, 185, 256, 16},
    {"标签28", ControlKind::Label, "分组框10", 431, 202, 97, 16},
    {"标签30", ControlKind::Label, "分组框12", 416, 240, 216, 25},
    {"标签31", ControlKind::Label, "分组框12", 560, 271, 88, 16},
    {"标签34", ControlKind::Label, "分组框12", 432, 298, 88, 16},
    {"标签32", ControlKind::Label, "分组框12", 544, 298, 120, 16},
};

struct ExpectedChildren {
    const char* groupBox;
    std::vector<std::string_view> children;
};

const ExpectedChildren kExpectedChildren[] = {
    {"分组框2", {}},
    {"分组框1", {}},
    {"分组框4", {}},
    {"分组框3", {}},
    {"分组框5", {}},
    {"分组框8", {"标签21", "标签15", "口部冲洗水量", "标签16"}},
    {"分组框6", {"按钮1"}},
    {"分组框7", {}},
    {"分组框11", {"按钮3", "编辑框12", "标签17", "编辑框11"}},
    {"分组框9", {"标签18", "防护外水源", "标签20"}},
    {"分组框10", {"标签23", "标签24", "标签22", "标签26", "标签27"}},
    {"分组框12", {"标签34"}},
};

const char* const kExpectedFocusOrder[] = {
    "工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2",
    "编辑框3",  "编辑框4", "编辑框5",     "编辑框6",     "编辑框7",
    "编辑框8",  "按钮1",   "按钮2",       "用水种类",     "掩蔽人数",
    "口部冲洗水量", "编辑框11", "编辑框12", "按钮3", "防护外水源",
};

std::span<const ControlLayout> controls() { return mainWindowLayout().controls; }

const ControlLayout& row(std::string_view name) {
    const int index = findControl(name);
    EXPECT_GE(index, 0) << name;
    return controls()[static_cast<std::size_t>(std::max(index, 0))];
}

struct Rect {
    int left, top, right, bottom;
};

Rect windowRect(const ControlLayout& control) {
    Rect rect{control.x, control.y, control.x + control.width, control.y + control.height};
    if (control.parent != nullptr) {
        const Rect parent = windowRect(row(control.parent));
        rect = {rect.left + parent.left, rect.top + parent.top, rect.right + parent.left, rect.bottom + parent.top};
    }
    return rect;
}

bool contains(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string fromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 3) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16)));
    }
    return bytes;
}

std::vector<std::string_view> namesWhere(bool (*predicate)(const ControlLayout&)) {
    std::vector<std::string_view> names;
    for (const ControlLayout& control : controls()) {
        if (predicate(control)) names.push_back(control.name);
    }
    return names;
}

TEST(WindowLayoutTable, HoldsEveryControlInCreationOrderAtItsPlace) {
    ASSERT_EQ(controls().size(), std::size(kExpectedPlaces));
    ASSERT_EQ(controls().size(), 66u);
    for (std::size_t i = 0; i < std::size(kExpectedPlaces); ++i) {
        const ExpectedPlace& expected = kExpectedPlaces[i];
        const ControlLayout& control = controls()[i];
        SCOPED_TRACE(expected.name);
        EXPECT_STREQ(control.name, expected.name);
        EXPECT_EQ(control.kind, expected.kind);
        EXPECT_EQ(control.width, expected.width);
        EXPECT_EQ(control.height, expected.height);
        const Rect rect = windowRect(control);
        EXPECT_EQ(rect.left, expected.windowX);
        EXPECT_EQ(rect.top, expected.windowY);
    }
}

TEST(WindowLayoutTable, NamesAreUniqueAndFoundByName) {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < controls().size(); ++i) {
        const char* name = controls()[i].name;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
        EXPECT_EQ(findControl(name), static_cast<int>(i)) << name;
    }
    EXPECT_EQ(findControl("标签35"), -1);
    EXPECT_EQ(findControl(""), -1);
    EXPECT_EQ(findControl("编辑框"), -1);
}

TEST(WindowLayoutTable, ParentsAreGroupBoxesCreatedBeforeTheirChildren) {
    for (std::size_t i = 0; i < controls().size(); ++i) {
        const ControlLayout& control = controls()[i];
        if (control.parent == nullptr) continue;
        SCOPED_TRACE(control.name);
        const int parent = findControl(control.parent);
        ASSERT_GE(parent, 0);
        EXPECT_EQ(controls()[static_cast<std::size_t>(parent)].kind, ControlKind::GroupBox);
        EXPECT_LT(parent, static_cast<int>(i));
    }
    for (const ControlLayout& control : controls()) {
        if (control.kind == ControlKind::GroupBox) {
            EXPECT_EQ(control.parent, nullptr) << control.name;
        }
    }
}

TEST(WindowLayoutTable, GroupBoxesHoldTheListedChildren) {
    for (const ExpectedChildren& expected : kExpectedChildren) {
        SCOPED_TRACE(expected.groupBox);
        std::vector<std::string_view> children;
        for (const ControlLayout& control : controls()) {
            if (control.parent != nullptr && std::string_view(control.parent) == expected.groupBox) {
                children.push_back(control.name);
            }
        }
        std::vector<std::string_view> wanted = expected.children;
        std::sort(children.begin(), children.end());
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(children, wanted);
    }
}

TEST(WindowLayoutTable, ChildrenLieInsideTheirGroupBox) {
    for (const ControlLayout& control : controls()) {
        if (control.parent == nullptr) continue;
        const ControlLayout& parent = row(control.parent);
        EXPECT_TRUE(contains({0, 0, parent.width, parent.height},
                             {control.x, control.y, control.x + control.width, control.y + control.height}))
            << control.name << " in " << control.parent;
    }
}

TEST(WindowLayoutTable, EveryControlLiesInTheAreaOfItsGroupBox) {
    for (const ExpectedPlace& expected : kExpectedPlaces) {
        if (expected.area == nullptr) continue;
        EXPECT_TRUE(contains(windowRect(row(expected.area)), windowRect(row(expected.name))))
            << expected.name << " in " << expected.area;
    }
}

TEST(WindowLayoutTable, OnlyTwoNoteLabelsOverlapApartFromGroupBoxes) {
    std::vector<std::string> overlapping;
    for (std::size_t i = 0; i < controls().size(); ++i) {
        for (std::size_t j = i + 1; j < controls().size(); ++j) {
            const ControlLayout& a = controls()[i];
            const ControlLayout& b = controls()[j];
            if (a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox) continue;
            if (overlap(windowRect(a), windowRect(b))) overlapping.push_back(std::string(a.name) + "/" + b.name);
        }
    }
    EXPECT_EQ(overlapping, std::vector<std::string>{"标签23/标签24"});
}

TEST(WindowLayoutTable, ClientAreaNeededIsWhereTheGroupBoxesEnd) {
    int right = 0;
    int bottom = 0;
    for (const ControlLayout& control : controls()) {
        const Rect rect = windowRect(control);
        EXPECT_GE(rect.left, 0) << control.name;
        EXPECT_GE(rect.top, 0) << control.name;
        if (control.kind != ControlKind::GroupBox) continue;
        right = std::max(right, rect.right);
        bottom = std::max(bottom, rect.bottom);
    }
    EXPECT_EQ(right, 680);
    EXPECT_EQ(bottom, 320);
    EXPECT_EQ(mainWindowLayout().clientWidthNeeded, right);
    EXPECT_EQ(mainWindowLayout().clientHeightNeeded, bottom);
    for (const ControlLayout& control : controls()) {
        const Rect rect = windowRect(control);
        EXPECT_LE(rect.right, right) << control.name;
        EXPECT_LE(rect.bottom, bottom) << control.name;
    }
}

TEST(WindowLayoutTable, WindowSettings) {
    const WindowLayout& window = mainWindowLayout();
    EXPECT_STREQ(window.title, "Tavrolin");
    EXPECT_EQ(window.outerWidth, 687);
    EXPECT_EQ(window.outerHeight, 354);
    EXPECT_EQ(window.iconSize, 80);
    EXPECT_TRUE(window.enterMovesFocus);
    EXPECT_FALSE(window.escapeCloses);
    EXPECT_FALSE(window.f1Help);
}

TEST(WindowLayoutTable, FocusOrderVisitsTheTwentyStops) {
    const auto order = mainWindowLayout().focusOrder;
    ASSERT_EQ(order.size(), std::size(kExpectedFocusOrder));
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_STREQ(order[i], kExpectedFocusOrder[i]) << "stop " << i + 1;
    }
    std::vector<std::string_view> expectedStops(std::begin(kExpectedFocusOrder), std::end(kExpectedFocusOrder));
    std::vector<std::string_view> flaggedStops = namesWhere([](const ControlLayout& c) { return c.focusStop; });
    std::sort(expectedStops.begin(), expectedStops.end());
    std::sort(flaggedStops.begin(), flaggedStops.end());
    EXPECT_EQ(flaggedStops, expectedStops);
}

TEST(WindowLayoutTable, FocusStopsAreExactlyTheControlsOfFocusableKinds) {
    for (const ControlLayout& control : controls()) {
        const bool focusable = control.kind != ControlKind::Label && control.kind != ControlKind::GroupBox;
        EXPECT_EQ(control.focusStop, focusable) << control.name;
    }
}

// GBK bytes, so that full-width and ASCII punctuation cannot be mistaken for each other.
struct ExpectedBytes {
    const char* name;
    const char* gbkHex;
};

const ExpectedBytes kExpectedTexts[] = {
    {"标签4", "d3 c3 cb ae c1 bf 28 4c 2f c8 cb 2f cc ec 29"},  // 用水量(L/人/天)
    {"标签5", "7e"},                                             // ~
    {"有可靠内水源", "d3 d0 bf c9 bf bf c4 da cb ae d4 b4"},
    {"标签33", "28 c8 cb 29"},  // (人)
    {"口部冲洗水量", "35"},      // 5
    {"按钮3", "bc c6 cb e3 b5 a5 d4 aa c4 da d7 dc d6 fc cb ae c1 bf"},
    {"标签20", "d2 bb b0 e3 ce aa ce de"},  // 一般为无
    {"标签14", "d7 a2 a3 ba"},              // 注：
    {"标签23", "31 2e ce ef d7 ca bf e2 d1 da b1 ce c8 cb ca fd d2 bb b0 e3 b0 b4 32 30 c8 cb bc c6 cb e3 2c bb f2 "
               "d5 df d6 b1 bd d3 c9 e8 d6 c3"},
    {"标签24", "d2 bb b8 f6 31 32 c1 a2 b7 bd b5 c4 cb ae cf e4 28 b3 d8 29 a1 a3"},  // 一个12立方的水箱(池)。
    {"标签22", "32 2e c8 f4 d2 fb d3 c3 cb ae d3 eb c9 fa bb ee d3 c3 cb ae b9 b2 d3 c3 d2 bb b8 f6 cb ae b3 d8 "
               "a3 a8 cf e4 a3 a9 a3 ac d4 f2"},  // ...水池（箱），则
    {"标签32", "32 30 31 33 c4 ea 20 30 35 20 d4 c2 20 32 34 20 c8 d5"},  // 2013年 05 月 24 日
};

TEST(WindowLayoutTable, TextsAreTheExactGbkBytes) {
    for (const ExpectedBytes& expected : kExpectedTexts) {
        EXPECT_EQ(std::string(row(expected.name).text), fromHex(expected.gbkHex)) << expected.name;
    }
}

TEST(WindowLayoutTable, ComboBoxesHoldTheirItemsAndInitialSelection) {
    struct Case {
        const char* name;
        std::vector<std::string_view> items;
        int selected;
    };
    const Case cases[] = {
        {"工程类别", {"专业队队员掩蔽部", "人员掩蔽工程", "人防物资库"}, 0},
        {"用水种类", {"饮用水", "生活用水"}, -1},
        {"防护外水源", {"无", "有"}, 0},
    };
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.kind == ControlKind::ComboBox; }).size(),
              std::size(cases));
    EXPECT_EQ(fromHex("d7 a8 d2 b5 b6 d3 b6 d3 d4 b1 d1 da b1 ce b2 bf"), row("工程类别").items[0]);
    for (const Case& expected : cases) {
        SCOPED_TRACE(expected.name);
        const ControlLayout& combo = row(expected.name);
        EXPECT_EQ(std::vector<std::string_view>(combo.items.begin(), combo.items.end()), expected.items);
        EXPECT_EQ(combo.selected, expected.selected);
    }
}

TEST(WindowLayoutTable, OnlyComboBoxesHaveItemsOrASelection) {
    for (const ControlLayout& control : controls()) {
        if (control.kind == ControlKind::ComboBox) continue;
        EXPECT_TRUE(control.items.empty()) << control.name;
        EXPECT_EQ(control.selected, -1) << control.name;
    }
}

TEST(WindowLayoutTable, RedTextOnThreeLabels) {
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.textColor == kRed; }),
              (std::vector<std::string_view>{"标签6", "标签7", "标签20"}));
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.textColor != kRed && c.textColor != kBlack; }),
              std::vector<std::string_view>{});
    EXPECT_EQ(kRed, (Rgb{255, 0, 0}));
}

TEST(WindowLayoutTable, TwoLabelsHaveTheirOwnFont) {
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.font.face != nullptr; }),
              (std::vector<std::string_view>{"标签30", "标签31"}));
    EXPECT_EQ(std::string(row("标签30").font.face), fromHex("ba da cc e5"));  // 黑体
    EXPECT_EQ(row("标签30").font.pixelHeight, 16);
    EXPECT_EQ(std::string(row("标签31").font.face), fromHex("cb ce cc e5"));  // 宋体
    EXPECT_EQ(row("标签31").font.pixelHeight, 14);
}

TEST(WindowLayoutTable, WrappingLabels) {
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.wraps; }),
              (std::vector<std::string_view>{"标签18", "标签19", "标签20", "标签30", "标签31", "标签34", "标签32"}));
}

TEST(WindowLayoutTable, EditBoxInputRules) {
    struct Case {
        const char* name;
        InputMode mode;
        int maxLength;
        const char* text;
    };
    const Case cases[] = {
        {"编辑框1", InputMode::ReadOnly, 0, ""},  {"编辑框2", InputMode::ReadOnly, 0, ""},
        {"编辑框3", InputMode::ReadOnly, 0, ""},  {"编辑框4", InputMode::ReadOnly, 0, ""},
        {"编辑框5", InputMode::ReadOnly, 0, ""},  {"编辑框6", InputMode::ReadOnly, 0, ""},
        {"编辑框7", InputMode::ReadOnly, 0, ""},  {"编辑框8", InputMode::ReadOnly, 0, ""},
        {"编辑框11", InputMode::ReadOnly, 0, ""}, {"编辑框12", InputMode::ReadOnly, 0, ""},
        {"掩蔽人数", InputMode::Integer, 4, ""},  {"口部冲洗水量", InputMode::Integer, 4, "5"},
    };
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.kind == ControlKind::EditBox; }).size(),
              std::size(cases));
    for (const Case& expected : cases) {
        SCOPED_TRACE(expected.name);
        const ControlLayout& box = row(expected.name);
        EXPECT_EQ(box.kind, ControlKind::EditBox);
        EXPECT_EQ(box.inputMode, expected.mode);
        EXPECT_EQ(box.maxLength, expected.maxLength);
        EXPECT_STREQ(box.text, expected.text);
    }
    for (const ControlLayout& control : controls()) {
        if (control.kind == ControlKind::EditBox) continue;
        EXPECT_EQ(control.inputMode, InputMode::Normal) << control.name;
        EXPECT_EQ(control.maxLength, 0) << control.name;
    }
}

TEST(WindowLayoutTable, EveryControlStartsVisibleEnabledAndUnchecked) {
    for (const ControlLayout& control : controls()) {
        SCOPED_TRACE(control.name);
        EXPECT_TRUE(control.visible);
        EXPECT_TRUE(control.enabled);
        EXPECT_FALSE(control.checked);
        ASSERT_NE(control.text, nullptr);
        if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::ComboBox) {
            EXPECT_STREQ(control.text, "");
        }
    }
}

TEST(WindowLayoutTable, RadioButtonsAreDirectChildrenOfTheWindow) {
    EXPECT_EQ(namesWhere([](const ControlLayout& c) { return c.kind == ControlKind::RadioButton; }),
              (std::vector<std::string_view>{"有可靠内水源", "无可靠内水源"}));
    for (const char* name : {"有可靠内水源", "无可靠内水源"}) {
        EXPECT_EQ(row(name).parent, nullptr) << name;
        EXPECT_STREQ(row(name).text, name);
    }
}

}  // namespace
