#include "shell/win32/label_win.h"

#include <string>

#include "shell/win32/control_windows_win.h"
#include "shell/win32/fatal_error_win.h"

namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font set with WM_SETFONT

const ControlLayout& rowOf(HWND label) {
    return *reinterpret_cast<const ControlLayout*>(GetWindowLongPtrW(label, GWLP_USERDATA));
}

void paint(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT area;
    GetClientRect(label, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_3DFACE));

    const ControlLayout& row = rowOf(label);
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(label, caption.data(), static_cast<int>(caption.size()))));

    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(row.textColor.r, row.textColor.g, row.textColor.b));
    const UINT format = DT_LEFT | DT_NOPREFIX | (row.wraps ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
    SelectObject(dc, oldFont);
    EndPaint(label, &paint);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedWindowProc([&]() -> LRESULT {
        switch (message) {
            case WM_NCCREATE: {
                const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
                SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
                break;
            }
            case WM_SETFONT:
                SetWindowLongPtrW(label, kFontSlot, static_cast<LONG_PTR>(wParam));
                if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
                return 0;
            case WM_GETFONT:
                return GetWindowLongPtrW(label, kFontSlot);
            case WM_SETTEXT: {
                const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
                InvalidateRect(label, nullptr, TRUE);
                return result;
            }
            case WM_NCPAINT:
                return 0;  // no border or scroll bar: the window is all client area
            case WM_ERASEBKGND:
                return 1;  // WM_PAINT fills the whole rectangle
            case WM_PAINT:
                paint(label);
                return 0;
            default:
                break;
        }
        return DefWindowProcW(label, message, wParam, lParam);
    });
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = labelProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kLabelClassName;
    return RegisterClassExW(&windowClass) != 0;
}
