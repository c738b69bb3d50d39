#include "shell/win32/keyboard_win.h"

#include "shell/focus_order.h"
#include "shell/win32/main_window_win.h"

namespace {

enum Modifier : unsigned { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

enum class KeyAction { MoveForward, MoveBack, RadioForward, RadioBack, Close };

struct KeyRule {
    WPARAM key;
    unsigned modifiers;  // exactly these must be held
    KeyAction action;
};

// Keys the window handles itself; every other key reaches the focused control as usual. Enter
// comes as VK_RETURN from the main and the keypad key alike.
constexpr KeyRule kKeyRules[] = {
    {VK_TAB, kNone, KeyAction::MoveForward},
    {VK_TAB, kShift, KeyAction::MoveBack},
    {VK_RETURN, kNone, KeyAction::MoveForward},
    {VK_RIGHT, kNone, KeyAction::RadioForward},
    {VK_DOWN, kNone, KeyAction::RadioForward},
    {VK_LEFT, kNone, KeyAction::RadioBack},
    {VK_UP, kNone, KeyAction::RadioBack},
    // Alt+F4 must close the window even where a control (a combo box under Wine) takes F4 itself.
    {VK_F4, kAlt, KeyAction::Close},
};

unsigned heldModifiers() {
    unsigned held = kNone;
    if (GetKeyState(VK_SHIFT) < 0) held |= kShift;
    if (GetKeyState(VK_CONTROL) < 0) held |= kCtrl;
    if (GetKeyState(VK_MENU) < 0) held |= kAlt;
    return held;
}

const KeyRule* ruleFor(WPARAM key, unsigned modifiers) {
    for (const KeyRule& rule : kKeyRules) {
        if (rule.key == key && rule.modifiers == modifiers) return &rule;
    }
    return nullptr;
}

}  // namespace

void moveFocus(MainWindow& window, int from, bool forward, bool radioOnly) {
    const WindowLayout& layout = window.layout();
    const int target = focusMoveTarget(layout, from, forward, radioOnly, [&](int index) {
        HWND control = window.control(index);
        return IsWindowVisible(control) && IsWindowEnabled(control);
    });
    if (target < 0) return;
    if (radioOnly) {
        window.checkRadioAlone(target);
        window.raiseEvent(target, ControlEvent::Clicked);
    }
    window.focusControl(target);
}

bool preprocessKey(MainWindow& window, const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    HWND main = window.handle();
    if (!main || (message.hwnd != main && !IsChild(main, message.hwnd))) return false;
    const KeyRule* rule = ruleFor(message.wParam, heldModifiers());
    if (!rule) return false;

    if (rule->action == KeyAction::Close) {
        PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    const int focused = window.indexOf(GetFocus());
    const bool onRadio =
        focused >= 0 && window.layout().controls[static_cast<std::size_t>(focused)].kind == ControlKind::RadioButton;
    switch (rule->action) {
        case KeyAction::MoveForward:
        case KeyAction::MoveBack:
            // With the focus on the window itself nothing moves, but the key is still taken.
            if (focused >= 0) moveFocus(window, focused, rule->action == KeyAction::MoveForward, false);
            return true;
        case KeyAction::RadioForward:
        case KeyAction::RadioBack:
            if (!onRadio) return false;
            moveFocus(window, focused, rule->action == KeyAction::RadioForward, true);
            return true;
        case KeyAction::Close:
            break;
    }
    return false;
}
