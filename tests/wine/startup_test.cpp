// The main window right after start: where it is, what kind of window it is, and what every control
// shows before the user has done anything.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/window_layout.h"
#include "ui_test.h"
#include "window_actions.h"

namespace {

struct ClassOfKind {
    ControlKind kind;
    const wchar_t* className;
};

constexpr ClassOfKind kClassOfKind[] = {
    {ControlKind::Label, L"TavrolinLabel"},  {ControlKind::EditBox, L"Edit"},
    {ControlKind::ComboBox, L"ComboBox"},    {ControlKind::RadioButton, L"Button"},
    {ControlKind::Button, L"Button"},        {ControlKind::GroupBox, L"Button"},
};

std::wstring classOfKind(ControlKind kind) {
    for (const ClassOfKind& entry : kClassOfKind) {
        if (entry.kind == kind) return entry.className;
    }
    return L"?";
}

std::vector<std::string> utf8Items(std::span<const char* const> items) {
    std::vector<std::string> result;
    for (const char* item : items) result.push_back(u8(item));
    return result;
}

std::vector<std::string> utf8Items(const std::vector<std::string>& items) {
    std::vector<std::string> result;
    for (const std::string& item : items) result.push_back(u8(item));
    return result;
}

RECT rectInClientOf(HWND window, HWND main) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

class StartUp : public UiTest {};

TEST_F(StartUp, WindowIsCentredOnA1024By768Screen) {
    ASSERT_TRUE(start(Build::Program));
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024) << "the test session's desktop is not 1024 x 768";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    RECT rect{};
    GetWindowRect(program().mainWindow(), &rect);
    EXPECT_EQ(rect.left, 168);
    EXPECT_EQ(rect.top, 207);
    EXPECT_EQ(rect.right - rect.left, 687);
    EXPECT_EQ(rect.bottom - rect.top, 354);
}

TEST_F(StartUp, LeftEdgeTruncatesTowardZeroOnA640PixelScreen) {
    ASSERT_TRUE(start(Build::Program, L"Small"));
    RECT rect{};
    GetWindowRect(program().mainWindow(), &rect);
    EXPECT_EQ(rect.left, -23) << "(640 - 687) / 2 truncated toward zero";
    EXPECT_EQ(rect.top, 63) << "(480 - 354) / 2";
    EXPECT_EQ(rect.right - rect.left, 687) << "the window keeps its size on a narrower screen";
    EXPECT_EQ(rect.bottom - rect.top, 354);
    PostMessageW(program().mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program().waitForExit(10000), std::optional<DWORD>(0));
}

TEST_F(StartUp, MainWindowIsAnOrdinaryTopLevelWindowWithAFixedFrame) {
    ASSERT_TRUE(start(Build::Program));
    HWND main = program().mainWindow();
    EXPECT_EQ(windowClassName(main), L"TavrolinMainWindow");
    EXPECT_EQ(windowText(main), L"Tavrolin");
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr) << "an owned window has no taskbar button";
    EXPECT_EQ(GetAncestor(main, GA_PARENT), GetDesktopWindow());
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(main, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_CHILD, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "dragging the frame must not resize the window";
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_DLGMODALFRAME), 0);
    EXPECT_EQ(GetForegroundWindow(), main) << "the window is shown activated";
}

TEST_F(StartUp, EveryControlOfTheLayoutIsThereOnceWithItsKind) {
    ASSERT_TRUE(start(Build::Program));
    const auto layout = mainWindowLayout().controls;
    ASSERT_EQ(layout.size(), 66u) << "the main window has 66 controls";
    for (const std::string& name : view().missingControls()) ADD_FAILURE() << "missing: " << u8(name);
    for (const ControlLayout& control : layout) {
        HWND window = view().control(control.name);
        if (!window) continue;
        SCOPED_TRACE(u8(control.name));
        EXPECT_EQ(windowClassName(window), classOfKind(control.kind));
        const LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
        if (control.kind == ControlKind::RadioButton) {
            EXPECT_EQ(type, BS_AUTORADIOBUTTON);
        }
        if (control.kind == ControlKind::Button) {
            EXPECT_EQ(type, BS_PUSHBUTTON) << "no default button";
        }
        if (control.kind == ControlKind::GroupBox) {
            EXPECT_EQ(type, BS_GROUPBOX);
        }
        if (control.kind == ControlKind::ComboBox) {
            EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (CBS_DROPDOWNLIST | CBS_SORT),
                      CBS_DROPDOWNLIST);
        }
        if (control.kind == ControlKind::EditBox) {
            EXPECT_EQ((GetWindowLongW(window, GWL_STYLE) & ES_READONLY) != 0,
                      control.inputMode == InputMode::ReadOnly);
        }
    }
}

TEST_F(StartUp, EveryControlLiesWhereTheLayoutPutsIt) {
    ASSERT_TRUE(start(Build::Program));
    for (const ControlLayout& control : mainWindowLayout().controls) {
        HWND window = view().control(control.name);
        if (!window) continue;
        SCOPED_TRACE(u8(control.name));
        int x = control.x, y = control.y;
        if (control.parent) {
            const ControlLayout& group = mainWindowLayout().controls[findControl(control.parent)];
            x += group.x;
            y += group.y;
        }
        const RECT rect = rectInClientOf(window, program().mainWindow());
        EXPECT_EQ(rect.left, x);
        EXPECT_EQ(rect.top, y);
        EXPECT_EQ(rect.right - rect.left, control.width);
        // A closed drop-down list is as high as its font needs.
        if (control.kind != ControlKind::ComboBox) {
            EXPECT_EQ(rect.bottom - rect.top, control.height);
        }
    }
}

// Siblings are stacked in layout order, each control above the rows before it: the group boxes lie
// beneath everything, and 标签24 lies above 标签23, the one pair of overlapping labels.
TEST_F(StartUp, ControlsAreStackedInLayoutOrder) {
    ASSERT_TRUE(start(Build::Program));
    const auto layout = mainWindowLayout().controls;
    // Each parent with its layout name; the main window has none.
    std::vector<std::pair<HWND, const char*>> parents{{program().mainWindow(), nullptr}};
    for (const ControlLayout& control : layout) {
        if (control.kind == ControlKind::GroupBox) parents.emplace_back(view().control(control.name), control.name);
    }
    for (const auto& [parent, parentName] : parents) {
        SCOPED_TRACE(parentName ? u8(parentName) : "main window");
        std::vector<std::string> topToBottom;
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int index = GetDlgCtrlID(child) - controlIdOf(0);
            ASSERT_TRUE(index >= 0 && index < static_cast<int>(layout.size())) << "a child that is no control";
            topToBottom.push_back(u8(layout[static_cast<std::size_t>(index)].name));
        }
        std::vector<std::string> expected;
        for (auto row = layout.rbegin(); row != layout.rend(); ++row) {
            if (std::string_view(row->parent ? row->parent : "") == (parentName ? parentName : "")) {
                expected.push_back(u8(row->name));
            }
        }
        EXPECT_EQ(topToBottom, expected);
    }
}

// What the window shows before the first user action, as the program's description states it.
TEST_F(StartUp, ChoicesAndFieldsShowTheirStartValues) {
    ASSERT_TRUE(start(Build::Program));
    struct Combo {
        const char* name;
        int selection;
        std::vector<std::string> items;
    };
    const Combo combos[] = {
        {"工程类别", 0, {"专业队队员掩蔽部", "人员掩蔽工程", "人防物资库"}},
        {"用水种类", -1, {"饮用水", "生活用水"}},
        {"防护外水源", 0, {"无", "有"}},
    };
    for (const Combo& combo : combos) {
        SCOPED_TRACE(u8(combo.name));
        EXPECT_EQ(view().selection(combo.name), combo.selection);
        EXPECT_EQ(utf8Items(view().items(combo.name)), utf8Items(combo.items));
        const std::string shown = combo.selection < 0 ? "" : combo.items[combo.selection];
        EXPECT_EQ(u8(view().text(combo.name)), u8(shown));
        EXPECT_TRUE(view().enabled(combo.name));
    }
    for (const char* radio : {"有可靠内水源", "无可靠内水源"}) {
        EXPECT_EQ(view().checked(radio), BST_UNCHECKED) << u8(radio);
    }
    struct Field {
        const char* name;
        const char* text;
    };
    const Field fields[] = {
        {"标签6", "未选"},   {"标签7", "未选"},   {"口部冲洗水量", "5"}, {"掩蔽人数", ""},
        {"编辑框1", ""},     {"编辑框2", ""},     {"编辑框3", ""},       {"编辑框4", ""},
        {"编辑框5", ""},     {"编辑框6", ""},     {"编辑框7", ""},       {"编辑框8", ""},
        {"编辑框11", ""},    {"编辑框12", ""},
    };
    for (const Field& field : fields) {
        EXPECT_EQ(u8(view().text(field.name)), u8(field.text)) << u8(field.name);
    }
}

// Every control against its row of the layout table.
TEST_F(StartUp, EveryControlShowsItsLayoutState) {
    ASSERT_TRUE(start(Build::Program));
    for (const ControlLayout& control : mainWindowLayout().controls) {
        if (!view().control(control.name)) continue;
        SCOPED_TRACE(u8(control.name));
        EXPECT_EQ(view().visible(control.name), control.visible);
        EXPECT_EQ(view().enabled(control.name), control.enabled);
        switch (control.kind) {
        case ControlKind::ComboBox:
            EXPECT_EQ(utf8Items(view().items(control.name)), utf8Items(control.items));
            EXPECT_EQ(view().selection(control.name), control.selected);
            break;
        case ControlKind::RadioButton:
            EXPECT_EQ(view().checked(control.name), control.checked ? BST_CHECKED : BST_UNCHECKED);
            EXPECT_EQ(u8(view().text(control.name)), u8(control.text));
            break;
        case ControlKind::GroupBox:
            EXPECT_EQ(u8(view().text(control.name)), "") << "group boxes have no caption";
            break;
        default:
            EXPECT_EQ(u8(view().text(control.name)), u8(control.text ? control.text : ""));
            break;
        }
    }
}

// The maximise box enlarges the window to the screen; the controls stay where they were.
TEST_F(StartUp, MaximisingLeavesEveryControlInPlace) {
    ASSERT_TRUE(start(Build::Program));
    HWND main = program().mainWindow();
    std::vector<RECT> before;
    for (const ControlLayout& control : mainWindowLayout().controls) {
        before.push_back(rectInClientOf(view().control(control.name), main));
    }
    const POINT maximiseBox = framePoint(main, HTMAXBUTTON);
    ASSERT_NE(maximiseBox.x, -1) << "no point of the title bar answers HTMAXBUTTON";
    clickAt(maximiseBox);
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(main) != FALSE; })) << "the window was not maximised";
    program().settle();
    RECT window{};
    GetWindowRect(main, &window);
    EXPECT_GE(window.right - window.left, 1024);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const char* name = mainWindowLayout().controls[i].name;
        const RECT after = rectInClientOf(view().control(name), main);
        EXPECT_TRUE(EqualRect(&after, &before[i])) << u8(name) << " moved or changed size";
    }
}

TEST_F(StartUp, FocusIsInProjectType) {
    ASSERT_TRUE(start(Build::Program));
    EXPECT_EQ(focus(), u8("工程类别"));
}

class StartUpEvents : public UiTest {};

TEST_F(StartUpEvents, NoHandlerRunsDuringStartUp) {
    ASSERT_TRUE(start(Build::Probe));
    Sleep(300);
    program().settle();
    EXPECT_EQ(describe(sink().events()), describe({}));
    EXPECT_EQ(u8(view().text("编辑框1")), "");
}
