// Edit boxes: one line of text centred vertically inside the sunken border, and the integer entry of
// the persons and wash water boxes.
//
// The text line is exactly as high as a "W" of the box's font. The standard edit control draws its
// line at the top of its client area, so the client area itself is shrunk to that line in
// WM_NCCALCSIZE; the bands above and below then belong to the frame: WM_NCPAINT paints them white,
// and a click there is a non-client click that does not move the caret.
#include <windows.h>

#include <string>

#include "shell/integer_entry.h"
#include "shell/win32/control_windows_win.h"
#include "shell/win32/fatal_error_win.h"
#include "shell/win32/gbk_win.h"
#include "shell/win32/main_window_win.h"

namespace {

int lineHeightOf(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, L"W", 1, &size);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return size.cy;
}

// Narrows the client area computed by the edit control to the centred text line.
void narrowClientArea(HWND edit, SubclassedControl& data, const RECT& windowRect, RECT& client) {
    data.innerBorder = client;
    OffsetRect(&data.innerBorder, -windowRect.left, -windowRect.top);
    const int lineHeight = lineHeightOf(edit);
    const int innerHeight = client.bottom - client.top;
    if (innerHeight <= lineHeight) return;
    client.top += (innerHeight - lineHeight) / 2;
    client.bottom = client.top + lineHeight;
}

void paintBands(HWND edit, const SubclassedControl& data) {
    RECT window, client;
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    const RECT& inner = data.innerBorder;
    const RECT above{inner.left, inner.top, inner.right, client.top};
    const RECT below{inner.left, client.bottom, inner.right, inner.bottom};
    HDC dc = GetWindowDC(edit);
    FillRect(dc, &above, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &below, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(edit, dc);
}

// On leaving an integer box its text becomes a plain integer; a changed text raises text changed
// once and the caret goes to where the selection began, at most to the new end.
void normalizeOnLeave(HWND edit, const SubclassedControl& data) {
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(GetWindowTextW(edit, wide.data(), static_cast<int>(wide.size()))));
    const std::string current = wideToGbk(wide);
    const std::string normalized = normalizedIntegerText(current);
    if (normalized == current) return;
    DWORD selectionStart = 0, selectionEnd = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), reinterpret_cast<LPARAM>(&selectionEnd));
    data.owner->replaceEditText(data.index, normalized);
    const int caret = caretAfterNormalizing(static_cast<int>(selectionStart), static_cast<int>(gbkToWide(normalized).size()));
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
}

}  // namespace

void centreEditLine(HWND edit) {
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK editBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedWindowProc([&]() -> LRESULT {
        SubclassedControl& data = *subclassOf(edit);
        const WNDPROC original = data.original;
        const ControlLayout& row = data.owner->layout().controls[static_cast<std::size_t>(data.index)];
        switch (message) {
            case WM_NCCALCSIZE: {
                RECT& proposed = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                        : *reinterpret_cast<RECT*>(lParam);
                const RECT windowRect = proposed;
                const LRESULT result = CallWindowProcW(original, edit, message, wParam, lParam);
                narrowClientArea(edit, data, windowRect, proposed);
                return result;
            }
            case WM_NCPAINT: {
                const LRESULT result = CallWindowProcW(original, edit, message, wParam, lParam);
                paintBands(edit, data);
                return result;
            }
            case WM_SETFONT: {
                const LRESULT result = CallWindowProcW(original, edit, message, wParam, lParam);
                centreEditLine(edit);
                return result;
            }
            case WM_CHAR:
                if (row.inputMode == InputMode::Integer && !integerEntryAccepts(static_cast<unsigned>(wParam))) {
                    return 0;
                }
                break;
            case WM_KILLFOCUS:
                if (row.inputMode == InputMode::Integer) normalizeOnLeave(edit, data);
                break;
            case WM_NCDESTROY: {
                SetWindowLongPtrW(edit, GWLP_USERDATA, 0);
                delete &data;
                return CallWindowProcW(original, edit, message, wParam, lParam);
            }
            default:
                break;
        }
        return CallWindowProcW(original, edit, message, wParam, lParam);
    });
}
