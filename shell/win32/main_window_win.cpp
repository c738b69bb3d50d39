#include "shell/win32/main_window_win.h"

#include <algorithm>
#include <string>

#include "shell/win32/control_windows_win.h"
#include "shell/win32/fatal_error_win.h"
#include "shell/win32/gbk_win.h"
#include "shell/win32/program_state_win.h"
#include "shell/win32/resource_ids.h"

namespace {

constexpr const wchar_t* kMainWindowClass = L"TavrolinMainWindow";
// A thin fixed frame with the system menu, minimise, maximise and close.
constexpr DWORD kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

bool isEdit(const ControlLayout& row) { return row.kind == ControlKind::EditBox; }

}  // namespace

MainWindow::MainWindow(std::span<const EventBinding> bindings)
    : layout_(mainWindowLayout()), bindings_(bindings), ops_(*this), controls_(layout_.controls.size()) {}

MainWindow::~MainWindow() {
    destroyAll();
    if (editBackground_) DeleteObject(editBackground_);
}

bool MainWindow::create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, layout_.iconSize,
                                          layout_.iconSize, LR_DEFAULTCOLOR));
    windowClass.hIcon = icon_;
    windowClass.hIconSm = icon_;
    if (!RegisterClassExW(&windowClass) || !registerLabelClass(instance)) return false;

    // Centred on the primary screen's full size; the division truncates toward zero, so a screen
    // narrower than the window gives a negative left edge.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - layout_.outerWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - layout_.outerHeight) / 2;
    CreateWindowExW(0, kMainWindowClass, gbkToWide(layout_.title).c_str(), kMainWindowStyle, left, top,
                    layout_.outerWidth, layout_.outerHeight, nullptr, nullptr, instance, this);
    if (!window_) return false;

    RECT outer;
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != layout_.outerWidth || outer.bottom - outer.top != layout_.outerHeight) {
        SetWindowPos(window_, nullptr, 0, 0, layout_.outerWidth, layout_.outerHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    if (!createControls(instance)) {
        destroyAll();
        return false;
    }
    return true;
}

bool MainWindow::createControls(HINSTANCE instance) {
    // A new child window goes beneath its siblings, so creating the rows from last to first stacks
    // each control above the rows before it: the group boxes, which come first, lie beneath
    // everything, and of two overlapping labels the later one is on top. The controls inside group
    // boxes follow in a second round, once their group boxes exist.
    for (const bool insideGroupBox : {false, true}) {
        for (std::size_t i = layout_.controls.size(); i-- > 0;) {
            if ((layout_.controls[i].parent != nullptr) == insideGroupBox && !createControl(i, instance)) return false;
        }
    }
    for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
        if (layout_.controls[i].visible) ShowWindow(controls_[i], SW_SHOWNA);
    }
    return true;
}

bool MainWindow::createControl(std::size_t index, HINSTANCE instance) {
    const ControlLayout& row = layout_.controls[index];
    HWND parent = window_;
    if (row.parent) {
        const int group = findControl(row.parent);
        if (group < 0 || !controls_[static_cast<std::size_t>(group)]) return false;
        parent = controls_[static_cast<std::size_t>(group)];
    }
    auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (row.font.face) {
        font = CreateFontW(-row.font.pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           gbkToWide(row.font.face).c_str());
        if (!font) return false;
        ownFonts_.push_back(font);
    }
    controls_[index] = createControlWindow(row, static_cast<int>(index), parent, font, instance, *this);
    return controls_[index] != nullptr;
}

void MainWindow::destroyAll() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    std::fill(controls_.begin(), controls_.end(), nullptr);
    for (HFONT font : ownFonts_) DeleteObject(font);
    ownFonts_.clear();
}

void MainWindow::show() { ShowWindow(window_, SW_SHOW); }

int MainWindow::indexOf(HWND window) const {
    for (HWND candidate = window; candidate && candidate != window_; candidate = GetParent(candidate)) {
        const int index = GetDlgCtrlID(candidate) - controlIdOf(0);
        if (index >= 0 && index < static_cast<int>(controls_.size()) &&
            controls_[static_cast<std::size_t>(index)] == candidate) {
            return index;
        }
    }
    return -1;
}

int MainWindow::require(std::string_view name, std::optional<ControlKind> kind) const {
    if (!window_) fatalError("主窗口未载入", 0);
    const int index = findControl(name);
    if (index < 0) fatalError("找不到控件：" + std::string(name), 0);
    if (kind && layout_.controls[static_cast<std::size_t>(index)].kind != *kind) {
        fatalError("控件不支持此操作：" + std::string(name), 0);
    }
    return index;
}

void MainWindow::raiseEvent(int index, ControlEvent event) {
    if (eventHold > 0) return;
    const EventHandler handler =
        findEventHandler(bindings_, layout_.controls[static_cast<std::size_t>(index)].name, event);
    if (handler) handler(ops_);
}

void MainWindow::focusControl(int index) { SetFocus(control(index)); }

void MainWindow::replaceEditText(int index, std::string_view gbk) {
    // The edit control reports its own change; that report is replaced by exactly one event.
    const int outer = suppressedEditChange_;
    suppressedEditChange_ = index;
    SetWindowTextW(control(index), gbkToWide(gbk).c_str());
    suppressedEditChange_ = outer;
    raiseEvent(index, ControlEvent::TextChanged);
}

void MainWindow::onCommand(int notification, int id, HWND control) {
    const int index = indexOf(control);
    if (index < 0 || controlIdOf(index) != id) return;
    const ControlLayout& row = layout_.controls[static_cast<std::size_t>(index)];
    switch (row.kind) {
        case ControlKind::ComboBox:
            // The box is still busy with the user's action: the event runs once it has finished,
            // with the new selection in place.
            if (notification == CBN_SELENDOK) PostMessageW(window_, kMsgListItemSelected, static_cast<WPARAM>(index), 0);
            break;
        case ControlKind::RadioButton:
            if (notification != BN_CLICKED || suppressesRadioFocusClick(control)) break;
            checkRadioAlone(index);
            raiseEvent(index, ControlEvent::Clicked);
            break;
        case ControlKind::Button:
            if (notification == BN_CLICKED) raiseEvent(index, ControlEvent::Clicked);
            break;
        case ControlKind::EditBox:
            if (notification == EN_CHANGE && index != suppressedEditChange_) raiseEvent(index, ControlEvent::TextChanged);
            break;
        default:
            break;
    }
}

void MainWindow::checkRadioAlone(int index) {
    // The radio buttons of one parent are one exclusive group, whatever lies between them.
    const char* parent = layout_.controls[static_cast<std::size_t>(index)].parent;
    for (std::size_t other = 0; other < controls_.size(); ++other) {
        const ControlLayout& candidate = layout_.controls[other];
        if (candidate.kind == ControlKind::RadioButton &&
            std::string_view(candidate.parent ? candidate.parent : "") == (parent ? parent : "")) {
            SendMessageW(controls_[other], BM_SETCHECK,
                         static_cast<int>(other) == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void MainWindow::rememberFocus() {
    const int focused = indexOf(GetFocus());
    if (focused >= 0) savedFocus_ = control(focused);
}

void MainWindow::onSetFocus() {
    // Minimising moves the focus to the window itself, and Wine gives a minimised window that stays
    // active the focus: the saved control waits for the restore.
    if (minimizing_ || IsIconic(window_)) return;
    if (savedFocus_ && IsWindow(savedFocus_) && IsChild(window_, savedFocus_)) {
        HWND target = savedFocus_;
        savedFocus_ = nullptr;
        SetFocus(target);
        return;
    }
    savedFocus_ = nullptr;
    for (const char* name : layout_.focusOrder) {
        HWND candidate = control(findControl(name));
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

void MainWindow::onGetMinMaxInfo(MINMAXINFO& info) const {
    // The window keeps its size even on a screen smaller than itself.
    info.ptMinTrackSize = {layout_.outerWidth, layout_.outerHeight};
    info.ptMaxTrackSize.x = std::max<LONG>(info.ptMaxTrackSize.x, layout_.outerWidth);
    info.ptMaxTrackSize.y = std::max<LONG>(info.ptMaxTrackSize.y, layout_.outerHeight);
}

LRESULT MainWindow::onControlColour(HDC dc, HWND control, UINT message) {
    const int index = indexOf(control);
    if (index >= 0 && isEdit(layout_.controls[static_cast<std::size_t>(index)])) {
        // Black on white, read-only boxes too (they ask with WM_CTLCOLORSTATIC).
        if (!editBackground_) editBackground_ = CreateSolidBrush(RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(editBackground_);
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        SetBkColor(dc, GetSysColor(COLOR_3DFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
    }
    return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedWindowProc([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return DefWindowProcW(window, message, wParam, lParam);
        return self->handleMessage(message, wParam, lParam);
    });
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
        case WM_COMMAND:
            if (lParam) onCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case kMsgListItemSelected:
            if (wParam < controls_.size()) raiseEvent(static_cast<int>(wParam), ControlEvent::ListItemSelected);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                rememberFocus();
                break;
            }
            // Activation gives the window itself the focus, which passes on to a control. A restore
            // from the minimised state may have done so already; the default processing would then
            // take the focus from that control a second time.
            if (!HIWORD(wParam) && indexOf(GetFocus()) < 0) SetFocus(window);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                rememberFocus();
                minimizing_ = true;
                const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
                minimizing_ = false;
                return result;
            }
            break;
        case WM_SETFOCUS:
            onSetFocus();
            return 0;
        case WM_GETMINMAXINFO:
            onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) DestroyWindow(window);
            return 0;
        case WM_CLOSE:
            // Closing asks nothing.
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            std::fill(controls_.begin(), controls_.end(), nullptr);
            if (loopStarted) PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
