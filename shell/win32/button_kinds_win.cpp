// Window procedures of the three kinds built on the standard Button class.
#include <windows.h>

#include "shell/win32/control_windows_win.h"
#include "shell/win32/fatal_error_win.h"
#include "shell/win32/main_window_win.h"

namespace {

LRESULT forwardDestroy(HWND control, SubclassedControl& data, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = data.original;
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    delete &data;
    return CallWindowProcW(original, control, message, wParam, lParam);
}

}  // namespace

// An auto radio button reports BN_CLICKED when it gains the focus while unchecked. Moving the focus
// is no click here, so that notification is marked for the main window to ignore, and a check state
// that the platform changed on the way is put back.
LRESULT CALLBACK radioButtonProc(HWND radio, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedWindowProc([&]() -> LRESULT {
        SubclassedControl& data = *subclassOf(radio);
        if (message == WM_NCDESTROY) return forwardDestroy(radio, data, message, wParam, lParam);
        if (message != WM_SETFOCUS) return CallWindowProcW(data.original, radio, message, wParam, lParam);

        const LRESULT checkBefore = SendMessageW(radio, BM_GETCHECK, 0, 0);
        data.owner->setRadioGainingFocus(radio);
        const LRESULT result = CallWindowProcW(data.original, radio, message, wParam, lParam);
        data.owner->setRadioGainingFocus(nullptr);
        if (SendMessageW(radio, BM_GETCHECK, 0, 0) != checkBefore) {
            SendMessageW(radio, BM_SETCHECK, static_cast<WPARAM>(checkBefore), 0);
        }
        return result;
    });
}

// Push buttons show a pointing hand while the mouse is over them.
LRESULT CALLBACK pushButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedWindowProc([&]() -> LRESULT {
        SubclassedControl& data = *subclassOf(button);
        if (message == WM_NCDESTROY) return forwardDestroy(button, data, message, wParam, lParam);
        if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        return CallWindowProcW(data.original, button, message, wParam, lParam);
    });
}

// A group box is the parent of the controls inside it, which send it their notifications and colour
// requests; it passes them on to the main window, where the program's events are dispatched.
LRESULT CALLBACK groupBoxProc(HWND group, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedWindowProc([&]() -> LRESULT {
        SubclassedControl& data = *subclassOf(group);
        switch (message) {
            case WM_NCDESTROY:
                return forwardDestroy(group, data, message, wParam, lParam);
            case WM_ERASEBKGND: {
                // The frame is drawn on its own; its inside takes the window's background colour.
                RECT area;
                GetClientRect(group, &area);
                FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_3DFACE));
                return 1;
            }
            case WM_COMMAND:
            case WM_NOTIFY:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORLISTBOX:
                return SendMessageW(data.owner->handle(), message, wParam, lParam);
            default:
                return CallWindowProcW(data.original, group, message, wParam, lParam);
        }
    });
}
