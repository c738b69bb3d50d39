#include "shell/win32/control_windows_win.h"

#include <memory>
#include <string>

#include "shell/win32/gbk_win.h"
#include "shell/win32/label_win.h"

namespace {

struct WindowClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    WNDPROC subclass;  // nullptr: the class's own procedure is enough
};

// The part of the style that follows from the kind; every control is a clipped child, created hidden
// and shown once the whole window is built.
WindowClassAndStyle classAndStyleOf(const ControlLayout& row) {
    switch (row.kind) {
        case ControlKind::Label:
            return {kLabelClassName, 0, 0, nullptr};
        case ControlKind::EditBox: {
            DWORD style = ES_CENTER | ES_AUTOHSCROLL;
            if (row.inputMode == InputMode::ReadOnly) style |= ES_READONLY;
            return {L"Edit", style, WS_EX_CLIENTEDGE, editBoxProc};
        }
        case ControlKind::ComboBox:
            return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, nullptr};
        case ControlKind::RadioButton:
            return {L"Button", BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0, radioButtonProc};
        case ControlKind::Button:
            return {L"Button", BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0, pushButtonProc};
        case ControlKind::GroupBox:
            return {L"Button", BS_GROUPBOX | WS_CLIPCHILDREN, 0, groupBoxProc};
    }
    return {L"Static", 0, 0, nullptr};
}

void fillCombo(HWND box, const ControlLayout& row) {
    for (const char* item : row.items) {
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gbkToWide(item).c_str()));
    }
    // The list rows are one pixel taller than the control's default.
    const LRESULT itemHeight = SendMessageW(box, CB_GETITEMHEIGHT, 0, 0);
    if (itemHeight != CB_ERR) SendMessageW(box, CB_SETITEMHEIGHT, 0, itemHeight + 1);
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(row.selected), 0);
}

}  // namespace

SubclassedControl* subclassOf(HWND control) {
    return reinterpret_cast<SubclassedControl*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void installSubclass(HWND control, WNDPROC procedure, MainWindow& owner, int index) {
    auto data = std::make_unique<SubclassedControl>(SubclassedControl{nullptr, &owner, index, {}});
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data.get()));
    data->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    // Freed by the subclass procedure on WM_NCDESTROY.
    data.release();
}

HWND createControlWindow(const ControlLayout& row, int index, HWND parent, HFONT font,
                         HINSTANCE instance, MainWindow& owner) {
    const WindowClassAndStyle kind = classAndStyleOf(row);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (!row.enabled) style |= WS_DISABLED;
    const std::wstring text = row.kind == ControlKind::ComboBox ? std::wstring() : gbkToWide(row.text);
    // A drop-down list's window height is that of the box with its list open; the closed box is as
    // high as its font needs.
    const int height = row.kind == ControlKind::ComboBox ? kComboBoxOpenHeight : row.height;
    HWND control = CreateWindowExW(kind.exStyle, kind.className, text.c_str(), style, row.x, row.y,
                                   row.width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlIdOf(index))),
                                   instance, const_cast<ControlLayout*>(&row));
    if (!control) return nullptr;
    if (kind.subclass) installSubclass(control, kind.subclass, owner, index);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    switch (row.kind) {
        case ControlKind::EditBox:
            if (row.maxLength > 0) SendMessageW(control, EM_SETLIMITTEXT, static_cast<WPARAM>(row.maxLength), 0);
            SendMessageW(control, EM_SETSEL, 0, 0);
            break;
        case ControlKind::ComboBox:
            fillCombo(control, row);
            break;
        case ControlKind::RadioButton:
            SendMessageW(control, BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        default:
            break;
    }
    return control;
}
