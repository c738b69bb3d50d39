#include "user_input.h"

#include <cstdlib>
#include <vector>

namespace {

bool isExtendedByNature(WORD key) {
    switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

INPUT keyInput(WORD key, bool up, bool extended) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

constexpr struct {
    Modifier modifier;
    WORD key;
} kModifierKeys[] = {{kCtrl, VK_CONTROL}, {kAlt, VK_MENU}, {kShift, VK_SHIFT}};

// Normalised absolute coordinates: 0 to 65535 across the virtual screen, rounded up so that the
// system's conversion back lands on the intended pixel.
LONG normalised(LONG pixel, LONG origin, LONG extent) {
    return static_cast<LONG>(((static_cast<long long>(pixel - origin) << 16) + extent - 1) / extent);
}

}  // namespace

void pressKey(WORD virtualKey, unsigned modifiers, bool extended) {
    const bool isExtended = extended || isExtendedByNature(virtualKey);
    std::vector<INPUT> inputs;
    for (const auto& m : kModifierKeys) {
        if (modifiers & m.modifier) inputs.push_back(keyInput(m.key, false, false));
    }
    inputs.push_back(keyInput(virtualKey, false, isExtended));
    inputs.push_back(keyInput(virtualKey, true, isExtended));
    for (auto m = std::rbegin(kModifierKeys); m != std::rend(kModifierKeys); ++m) {
        if (modifiers & m->modifier) inputs.push_back(keyInput(m->key, true, false));
    }
    send(inputs);
}

void holdKey(WORD virtualKey, int downs) {
    const bool extended = isExtendedByNature(virtualKey);
    std::vector<INPUT> inputs(static_cast<std::size_t>(downs), keyInput(virtualKey, false, extended));
    inputs.push_back(keyInput(virtualKey, true, extended));
    send(inputs);
}

void typeText(std::wstring_view text) {
    for (wchar_t character : text) {
        const SHORT scan = VkKeyScanW(character);
        if (scan != -1 && (HIBYTE(scan) & ~1) == 0) {
            pressKey(LOBYTE(scan), (HIBYTE(scan) & 1) ? kShift : kNoModifier);
            continue;
        }
        std::vector<INPUT> inputs(2);
        for (int i = 0; i < 2; ++i) {
            inputs[i].type = INPUT_KEYBOARD;
            inputs[i].ki.wScan = character;
            inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        send(inputs);
    }
}

namespace {

void clickTimes(POINT point, int clicks) {
    // Two clicks close together in time and place make a double click; a test that clicks twice
    // means two single clicks, so a click near the last one waits until the double-click time has
    // passed.
    static POINT lastPoint{-1000, -1000};
    static ULONGLONG lastTime = 0;
    const ULONGLONG pause = GetDoubleClickTime() + 50;
    const bool closeBy = std::abs(point.x - lastPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                      std::abs(point.y - lastPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    const ULONGLONG since = GetTickCount64() - lastTime;
    if (closeBy && since < pause) Sleep(static_cast<DWORD>(pause - since));
    const LONG left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const LONG top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const LONG width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const LONG height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    auto mouseInput = [&](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = normalised(point.x, left, width);
        input.mi.dy = normalised(point.y, top, height);
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
        return input;
    };
    // Under Wine a move sent while the pointer is in use elsewhere (a window appearing under it) can
    // be overtaken by the display's own pointer position, so the button waits until the pointer is
    // really there, and the move is repeated until it is.
    auto pointerArrived = [&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    };
    for (int attempt = 0; attempt < 20 && !pointerArrived(); ++attempt) {
        std::vector<INPUT> move{mouseInput(MOUSEEVENTF_MOVE)};
        send(move);
        Sleep(attempt == 0 ? 10 : 50);
    }
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i) {
        inputs.push_back(mouseInput(MOUSEEVENTF_LEFTDOWN));
        inputs.push_back(mouseInput(MOUSEEVENTF_LEFTUP));
    }
    send(inputs);
    lastPoint = point;
    lastTime = GetTickCount64();
}

}  // namespace

void clickAt(POINT point) { clickTimes(point, 1); }

void doubleClickAt(POINT point) { clickTimes(point, 2); }

POINT centreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void clickCentreOf(HWND window) { clickAt(centreOf(window)); }
