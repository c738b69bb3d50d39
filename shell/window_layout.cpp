// The main window's settings and its 66 controls, in creation order.
#include "shell/window_layout.h"

#include <iterator>
#include <string_view>

namespace {

constexpr const char* kClientArea = nullptr;

// Characters the user can put into an integer box.
constexpr int kIntegerBoxLength = 4;

struct LabelLook {
    Rgb color;
    FontSpec font;
    bool wraps;
};

constexpr LabelLook kPlain{kBlack, kDefaultFont, false};
constexpr LabelLook kRedText{kRed, kDefaultFont, false};
constexpr LabelLook kWrapping{kBlack, kDefaultFont, true};
constexpr LabelLook kRedWrapping{kRed, kDefaultFont, true};
constexpr LabelLook kOrganisationLine{kBlack, {"黑体", 16}, true};
constexpr LabelLook kAuthorLine{kBlack, {"宋体", 14}, true};

// A row with what every control shares: visible, enabled, black text in the default font, no items.
constexpr ControlLayout control(ControlKind kind, const char* name, const char* parent, int x, int y,
                                int width, int height, const char* text, bool focusStop) {
    return {.kind = kind,
            .name = name,
            .parent = parent,
            .x = x,
            .y = y,
            .width = width,
            .height = height,
            .text = text,
            .items = {},
            .selected = -1,
            .checked = false,
            .inputMode = InputMode::Normal,
            .maxLength = 0,
            .textColor = kBlack,
            .font = kDefaultFont,
            .wraps = false,
            .focusStop = focusStop,
            .visible = true,
            .enabled = true};
}

constexpr ControlLayout groupBox(const char* name, int x, int y, int width, int height) {
    return control(ControlKind::GroupBox, name, kClientArea, x, y, width, height, "", false);
}

constexpr ControlLayout label(const char* name, const char* parent, int x, int y, int width, int height,
                              const char* caption, LabelLook look = kPlain) {
    ControlLayout row = control(ControlKind::Label, name, parent, x, y, width, height, caption, false);
    row.textColor = look.color;
    row.font = look.font;
    row.wraps = look.wraps;
    return row;
}

constexpr ControlLayout readOnlyBox(const char* name, const char* parent, int x, int y, int width,
                                    int height) {
    ControlLayout row = control(ControlKind::EditBox, name, parent, x, y, width, height, "", true);
    row.inputMode = InputMode::ReadOnly;
    return row;
}

constexpr ControlLayout integerBox(const char* name, const char* parent, int x, int y, int width,
                                   int height, const char* initialText) {
    ControlLayout row = control(ControlKind::EditBox, name, parent, x, y, width, height, initialText, true);
    row.inputMode = InputMode::Integer;
    row.maxLength = kIntegerBoxLength;
    return row;
}

constexpr ControlLayout comboBox(const char* name, const char* parent, int x, int y, int width, int height,
                                 std::span<const char* const> items, std::int32_t selected) {
    ControlLayout row = control(ControlKind::ComboBox, name, parent, x, y, width, height, "", true);
    row.items = items;
    row.selected = selected;
    return row;
}

// Both radio buttons are direct children of the window, so that they form one group.
constexpr ControlLayout radioButton(const char* name, int x, int y, int width, int height,
                                    const char* caption) {
    return control(ControlKind::RadioButton, name, kClientArea, x, y, width, height, caption, true);
}

constexpr ControlLayout button(const char* name, const char* parent, int x, int y, int width, int height,
                               const char* caption) {
    return control(ControlKind::Button, name, parent, x, y, width, height, caption, true);
}

constexpr const char* kProjectTypes[] = {"专业队队员掩蔽部", "人员掩蔽工程", "人防物资库"};
constexpr const char* kWaterTypes[] = {"饮用水", "生活用水"};
constexpr const char* kExternalSourceChoices[] = {"无", "有"};

constexpr ControlLayout kControls[] = {
    // The group boxes come first: every other control lies above them.
    groupBox("分组框2", 3, 8, 128, 72),
    groupBox("分组框1", 134, 8, 136, 72),
    groupBox("分组框4", 272, 8, 132, 72),
    groupBox("分组框3", 407, 8, 161, 72),
    groupBox("分组框5", 576, 8, 104, 72),
    groupBox("分组框8", 2, 80, 129, 144),
    groupBox("分组框6", 134, 80, 272, 72),
    groupBox("分组框7", 134, 152, 272, 72),
    groupBox("分组框11", 134, 223, 272, 97),
    groupBox("分组框9", 1, 223, 128, 96),
    groupBox("分组框10", 408, 80, 272, 144),
    groupBox("分组框12", 408, 224, 272, 96),

    // Project type.
    label("标签1", kClientArea, 24, 24, 96, 16, "请选择工程类别"),
    comboBox("工程类别", kClientArea, 8, 48, 120, 20, kProjectTypes, 0),

    // Water use type.
    label("标签2", kClientArea, 152, 24, 96, 16, "请选择用水量种类"),
    comboBox("用水种类", kClientArea, 144, 48, 112, 20, kWaterTypes, -1),

    // Water use quota, litres per person per day.
    label("标签4", kClientArea, 294, 23, 96, 16, "用水量(L/人/天)"),
    readOnlyBox("编辑框1", kClientArea, 280, 46, 43, 24),
    label("标签5", kClientArea, 333, 53, 13, 16, "~"),
    readOnlyBox("编辑框2", kClientArea, 352, 45, 40, 24),

    // Internal water source.
    radioButton("有可靠内水源", 418, 22, 96, 24, "有可靠内水源"),
    label("标签6", kClientArea, 519, 26, 40, 16, "未选", kRedText),
    radioButton("无可靠内水源", 418, 49, 96, 24, "无可靠内水源"),
    label("标签7", kClientArea, 519, 51, 40, 16, "未选", kRedText),

    // Storage days.
    label("标签8", kClientArea, 588, 20, 80, 16, "贮水时间(天)"),
    readOnlyBox("编辑框3", kClientArea, 583, 46, 32, 24),
    label("标签9", kClientArea, 623, 54, 9, 16, "~"),
    readOnlyBox("编辑框4", kClientArea, 640, 45, 32, 24),

    // Persons and entrance wash water.
    label("标签3", kClientArea, 13, 91, 108, 17, "请输入掩蔽人数"),
    integerBox("掩蔽人数", kClientArea, 16, 109, 70, 24, ""),
    label("标签33", kClientArea, 95, 112, 25, 17, "(人)"),
    label("标签21", "分组框8", 16, 70, 94, 16, "口部冲洗用水量"),
    label("标签15", "分组框8", 16, 87, 97, 16, "若不计算按5立方"),
    integerBox("口部冲洗水量", "分组框8", 15, 107, 46, 24, "5"),
    label("标签16", "分组框8", 73, 111, 40, 16, "(立方)"),

    // Drinking water storage.
    label("标签10", kClientArea, 147, 98, 112, 16, "饮用水贮存量(立方)"),
    readOnlyBox("编辑框5", kClientArea, 145, 119, 40, 24),
    label("标签11", kClientArea, 195, 129, 15, 16, "~"),
    readOnlyBox("编辑框6", kClientArea, 212, 118, 40, 24),
    button("按钮1", "分组框6", 141, 36, 112, 28, "计算饮用水贮水量"),

    // Domestic water storage.
    label("标签12", kClientArea, 143, 166, 120, 16, "生活用水贮存量(立方)"),
    readOnlyBox("编辑框7", kClientArea, 144, 189, 40, 24),
    label("标签13", kClientArea, 195, 194, 15, 16, "~"),
    readOnlyBox("编辑框8", kClientArea, 214, 189, 40, 24),
    button("按钮2", kClientArea, 272, 185, 121, 28, "计算生活用水贮水量"),

    // Total storage of the protective unit.
    label("标签29", kClientArea, 154, 247, 96, 16, "总贮水量(立方)"),
    readOnlyBox("编辑框11", "分组框11", 11, 50, 40, 24),
    label("标签17", "分组框11", 60, 57, 15, 16, "~"),
    readOnlyBox("编辑框12", "分组框11", 80, 48, 40, 24),
    button("按钮3", "分组框11", 143, 45, 116, 28, "计算单元内总贮水量"),

    // Protected external water source.
    label("标签18", "分组框9", 41, 16, 45, 13, "请选择", kWrapping),
    label("标签19", kClientArea, 12, 259, 110, 13, "防护外水源设置情况", kWrapping),
    comboBox("防护外水源", "分组框9", 15, 65, 40, 20, kExternalSourceChoices, 0),
    label("标签20", "分组框9", 64, 69, 55, 13, "一般为无", kRedWrapping),

    // Notes, read in this order.
    label("标签14", kClientArea, 415, 88, 30, 16, "注："),
    label("标签23", "分组框10", 7, 24, 257, 16, "1.物资库掩蔽人数一般按20人计算,或者直接设置"),
    label("标签24", "分组框10", 20, 39, 151, 16, "一个12立方的水箱(池)。"),
    label("标签22", "分组框10", 8, 55, 256, 16, "2.若饮用水与生活用水共用一个水池（箱），则"),
    label("标签25", kClientArea, 428, 152, 244, 16, "总贮水量为饮用水贮水量与生活贮水之量之和"),
    label("标签26", "分组框10", 21, 89, 203, 16, "再加上口部洗消用水量。"),
    label("标签27", "分组框10", 9, 105, 256, 16, "3.左边计算的生活贮水量与总贮水量已包含口部"),
    label("标签28", kClientArea, 431, 202, 97, 16, "冲洗贮水量。"),

    // Credits.
    label("标签30", kClientArea, 416, 240, 216, 25, "Tavrolin 人防给水设计", kOrganisationLine),
    label("标签31", kClientArea, 560, 271, 88, 16, "编制：开发组", kAuthorLine),
    label("标签34", "分组框12", 24, 74, 88, 16, "反馈：项目主页", kWrapping),
    label("标签32", kClientArea, 544, 298, 120, 16, "2013年 05 月 24 日", kWrapping),
};

// The forward keyboard order; Shift+Tab walks it backwards, and both wrap around.
constexpr const char* kFocusOrder[] = {
    "工程类别", "编辑框1", "有可靠内水源", "无可靠内水源", "编辑框2",
    "编辑框3",  "编辑框4", "编辑框5",     "编辑框6",     "编辑框7",
    "编辑框8",  "按钮1",   "按钮2",       "用水种类",     "掩蔽人数",
    "口部冲洗水量", "编辑框11", "编辑框12", "按钮3", "防护外水源",
};

constexpr int countFocusStops() {
    int count = 0;
    for (const ControlLayout& row : kControls) count += row.focusStop ? 1 : 0;
    return count;
}

constexpr bool isFocusStopRow(std::string_view name) {
    for (const ControlLayout& row : kControls) {
        if (name == row.name) return row.focusStop;
    }
    return false;
}

constexpr bool focusOrderNamesFocusStops() {
    for (const char* name : kFocusOrder) {
        if (!isFocusStopRow(name)) return false;
    }
    return true;
}

static_assert(std::size(kControls) == 66);
static_assert(std::size(kFocusOrder) == 20);
static_assert(countFocusStops() == 20);
static_assert(focusOrderNamesFocusStops());

constexpr WindowLayout kMainWindow{
    .title = "Tavrolin",
    .outerWidth = 687,
    .outerHeight = 354,
    .clientWidthNeeded = 680,
    .clientHeightNeeded = 320,
    .iconSize = 80,
    .enterMovesFocus = true,
    .escapeCloses = false,
    .f1Help = false,
    .controls = kControls,
    .focusOrder = kFocusOrder,
};

}  // namespace

const WindowLayout& mainWindowLayout() { return kMainWindow; }

int findControl(std::string_view name) {
    for (int i = 0; i < static_cast<int>(std::size(kControls)); ++i) {
        if (name == kControls[i].name) return i;
    }
    return -1;
}
