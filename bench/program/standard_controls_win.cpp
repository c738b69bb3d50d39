// The second yardstick: what Windows (here Wine) charges for a window with tavrolin.exe's 66
// controls and nothing of the program's own. Built with tavrolin.exe's resources (so that its
// manifest selects the same common controls), it fills the window with one plain standard control
// per layout row, in the row's place and size, with its caption, items and the default GUI font. No
// subclassing, no drawing of its own, no focus or keyboard rules, no handlers.
#include <windows.h>

#include <commctrl.h>

#include "shell/win32/gbk_win.h"
#include "shell/window_layout.h"
#include "yardstick_window.h"

namespace {

struct StandardClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

StandardClass standardClassOf(const ControlLayout& row) {
    switch (row.kind) {
        case ControlKind::Label:
            return {L"Static", SS_LEFT, 0};
        case ControlKind::EditBox:
            return {L"Edit", ES_CENTER | ES_AUTOHSCROLL | (row.inputMode == InputMode::ReadOnly ? ES_READONLY : 0u),
                    WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::RadioButton:
            return {L"Button", BS_AUTORADIOBUTTON, 0};
        case ControlKind::Button:
            return {L"Button", BS_PUSHBUTTON, 0};
        case ControlKind::GroupBox:
            return {L"Button", BS_GROUPBOX, 0};
    }
    return {L"Static", 0, 0};
}

}  // namespace

bool addWindowContents(HWND window, HINSTANCE instance) {
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    const WindowLayout& layout = mainWindowLayout();
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlLayout& row : layout.controls) {
        // Every control in the window's client area, at its place there.
        int x = row.x, y = row.y;
        if (row.parent) {
            const ControlLayout& group = layout.controls[static_cast<std::size_t>(findControl(row.parent))];
            x += group.x;
            y += group.y;
        }
        const StandardClass standard = standardClassOf(row);
        const bool isCombo = row.kind == ControlKind::ComboBox;
        HWND control = CreateWindowExW(standard.exStyle, standard.name, isCombo ? L"" : gbkToWide(row.text).c_str(),
                                       WS_CHILD | WS_VISIBLE | standard.style, x, y, row.width,
                                       isCombo ? kComboBoxOpenHeight : row.height, window, nullptr, instance,
                                       nullptr);
        if (!control) return false;
        SendMessageW(control, WM_SETFONT, font, FALSE);
        for (const char* item : row.items) {
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gbkToWide(item).c_str()));
        }
        if (isCombo) SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(row.selected), 0);
    }
    return true;
}
