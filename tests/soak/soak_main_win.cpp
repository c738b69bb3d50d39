// The seeded soak of tavrolin.exe under Wine: thousands of random genuine input events (keys, clicks
// on every control, combo box choices, pastes of long and odd texts into every edit box), message
// boxes dismissed as they come, and after every event the rules of soak_checks_win.h. At the end
// Alt+F4 must end the program with exit code 0.
//   tavrolin_soak PROGRAM [--events N] [--seed S]
// TAVROLIN_SOAK_EVENTS and TAVROLIN_SOAK_SEED set the same (the arguments win); without a seed one
// is drawn. The seed is printed first: the same seed replays the same sequence of events.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gbk_text.h"
#include "main_window_view.h"
#include "message_box_view.h"
#include "paste_texts.h"
#include "running_program.h"
#include "shell/window_layout.h"
#include "soak_checks_win.h"
#include "user_input.h"
#include "window_actions.h"

namespace {

struct Key {
    const char* name;
    WORD virtualKey;
    unsigned modifiers;
};
constexpr Key kKeys[] = {
    {"Tab", VK_TAB, kNoModifier},    {"Shift+Tab", VK_TAB, kShift}, {"Enter", VK_RETURN, kNoModifier},
    {"Left", VK_LEFT, kNoModifier},  {"Right", VK_RIGHT, kNoModifier}, {"Up", VK_UP, kNoModifier},
    {"Down", VK_DOWN, kNoModifier},  {"Space", VK_SPACE, kNoModifier},
    {"Backspace", VK_BACK, kNoModifier},
};
constexpr std::wstring_view kTypedCharacters = L"0123456789--------abcxyzAEQW";

constexpr const char* kCombos[] = {"工程类别", "用水种类", "防护外水源"};
constexpr const char* kEditBoxes[] = {"掩蔽人数", "口部冲洗水量", "编辑框1", "编辑框2",
                                      "编辑框3",  "编辑框4",      "编辑框5", "编辑框6",
                                      "编辑框7",  "编辑框8",      "编辑框11", "编辑框12"};

// How often each kind of event is drawn, out of the sum. Half the clicks go to the controls that
// take input, so that the calculations run often.
enum Kind { kKey, kTypedCharacter, kClickAny, kClickInput, kComboChoice, kPaste };
constexpr double kKindWeights[] = {28, 20, 12, 16, 10, 14};
constexpr const char* kInputControls[] = {"按钮1", "按钮2", "按钮3", "有可靠内水源", "无可靠内水源",
                                          "掩蔽人数", "口部冲洗水量", "工程类别", "用水种类",
                                          "防护外水源"};

constexpr std::size_t kRecentKept = 40;

class Soak {
public:
    Soak(RunningProgram& program, std::uint64_t seed)
        : program_(program), view_(program.mainWindow()), random_(seed),
          texts_(pasteTexts()),
          clipboardOwner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr)) {}

    // Runs until `events` genuine input events have been sent; false after a broken rule.
    bool run(int events) {
        while (events_ < events) {
            act();
            settle();
            std::vector<MessageBoxView> boxes = messageBoxesOf(program_);
            if (!keepsRules(boxes.size())) return false;
            if (!dismiss(std::move(boxes))) return false;
            if (events_ / 1000 != reported_) {
                reported_ = events_ / 1000;
                std::printf("soak: %d events, %d message boxes dismissed\n", events_, boxesDismissed_);
                std::fflush(stdout);
            }
        }
        return keepsRules(messageBoxesOf(program_).size());
    }

    // Closes an open list, then Alt+F4; true when the program ended with exit code 0.
    bool closeWithAltF4() {
        for (const char* combo : kCombos) {
            if (view_.openList(combo)) {
                note(std::string("click ") + utf8FromGbk(combo) + " to close its list");
                clickCentreOf(view_.control(combo));
                program_.settle();
            }
        }
        SetForegroundWindow(view_.mainWindow());
        note("Alt+F4");
        pressKey(VK_F4, kAlt);
        const auto code = program_.waitForExit(10000);
        if (!code) return fail({"the program is still running 10 s after Alt+F4"});
        if (*code != 0) return fail({"the program ended with exit code " + std::to_string(*code)});
        return true;
    }

    void printSummary() const {
        std::printf("soak: %d events, %d message boxes dismissed", events_, boxesDismissed_);
        for (const auto& [caption, count] : boxesByCaption_) {
            std::printf("; \"%s\" %d", utf8FromGbk(caption).c_str(), count);
        }
        std::printf("\nsoak: %zu different result texts seen\n", resultTexts_.size());
    }

private:
    void note(std::string what) {
        recent_.push_back(std::to_string(events_) + ": " + what);
        if (recent_.size() > kRecentKept) recent_.pop_front();
    }

    bool fail(const std::vector<std::string>& broken) {
        std::printf("soak FAILED after %d events:\n", events_);
        for (const std::string& rule : broken) std::printf("  %s\n", rule.c_str());
        std::printf("the last events:\n");
        for (const std::string& event : recent_) std::printf("  %s\n", event.c_str());
        std::fflush(stdout);
        return false;
    }

    bool keepsRules(std::size_t openMessageBoxes) {
        std::vector<std::string> results;
        const std::vector<std::string> broken =
            brokenRules(program_, view_, openMessageBoxes, &results);
        if (!broken.empty()) return fail(broken);
        resultTexts_.insert(results.begin(), results.end());
        return true;
    }

    // Clicks OK on the open message boxes until none is left.
    bool dismiss(std::vector<MessageBoxView> boxes) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (boxes.empty()) return true;
            ++boxesDismissed_;
            ++boxesByCaption_[boxes.front().caption];
            note("OK on the message box \"" + utf8FromGbk(boxes.front().caption) + "\"");
            clickOk(boxes.front());
            settle();
            boxes = messageBoxesOf(program_);
        }
        return fail({"a message box does not close"});
    }

    template <typename T>
    const T& pick(const T* table, std::size_t size) {
        return table[std::uniform_int_distribution<std::size_t>(0, size - 1)(random_)];
    }

    void act() {
        std::discrete_distribution<int> kinds(std::begin(kKindWeights), std::end(kKindWeights));
        switch (kinds(random_)) {
        case kKey: {
            const Key& key = pick(kKeys, std::size(kKeys));
            note(key.name);
            pressKey(key.virtualKey, key.modifiers);
            ++events_;
            break;
        }
        case kTypedCharacter: {
            const wchar_t character = pick(kTypedCharacters.data(), kTypedCharacters.size());
            note(std::string("type ") + static_cast<char>(character));
            typeText(std::wstring_view(&character, 1));
            ++events_;
            break;
        }
        case kClickAny: {
            const auto controls = mainWindowLayout().controls;
            click(pick(controls.data(), controls.size()).name);
            break;
        }
        case kClickInput:
            click(pick(kInputControls, std::size(kInputControls)));
            break;
        case kComboChoice: {
            const char* combo = pick(kCombos, std::size(kCombos));
            const int item = std::uniform_int_distribution<int>(0, 2)(random_);
            chooseItem(combo, item);
            break;
        }
        case kPaste: {
            const char* box = pick(kEditBoxes, std::size(kEditBoxes));
            const std::wstring& text = pick(texts_.data(), texts_.size());
            paste(box, text);
            break;
        }
        }
    }

    void click(const char* control) {
        note(std::string("click ") + utf8FromGbk(control));
        clickCentreOf(view_.control(control));
        ++events_;
    }

    // Lets the program take what the last input queued: a few round trips of WM_NULL with short
    // pauses, lighter than RunningProgram::settle. The rules hold at every moment, so a check that
    // comes a little early still checks a real state of the window.
    void settle() const {
        for (DWORD pause : {2, 8, 8}) {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(view_.mainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
            Sleep(pause);
        }
    }

    // Chooses item `item` (modulo the list's length) of the combo box's list, or of whichever list
    // is open already, with two clicks; a disabled box just gets the click that does nothing.
    void chooseItem(const char* combo, int item) {
        for (const char* open : kCombos) {
            if (HWND list = view_.openList(open)) {
                const int count = static_cast<int>(view_.items(open).size());
                note("click item " + std::to_string(item % count) + " of the open list of " +
                     utf8FromGbk(open));
                RECT rect{};
                SendMessageTimeoutW(list, LB_GETITEMRECT, static_cast<WPARAM>(item % count),
                                    reinterpret_cast<LPARAM>(&rect), SMTO_ABORTIFHUNG, 2000, nullptr);
                POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
                MapWindowPoints(list, nullptr, &centre, 1);
                clickAt(centre);
                ++events_;
                return;
            }
        }
        const int count = static_cast<int>(view_.items(combo).size());
        if (!view_.enabled(combo) || count == 0) {
            note(std::string("click the disabled ") + utf8FromGbk(combo));
            clickCentreOf(view_.control(combo));
            ++events_;
            return;
        }
        note("choose item " + std::to_string(item % count) + " of " + utf8FromGbk(combo));
        pickListItem(program_, view_, combo, item % count);
        events_ += 2;
    }

    void paste(const char* box, const std::wstring& text) {
        note("paste " + std::to_string(text.size()) + " UTF-16 units \"" +
             utf8FromGbk(gbkFromWide(text.substr(0, 20))) + "\" into " + utf8FromGbk(box));
        setClipboardText(text);
        clickCentreOf(view_.control(box));
        settle();
        pressKey('V', kCtrl);
        events_ += 2;
    }

    void setClipboardText(const std::wstring& text) {
        for (int attempt = 0; attempt < 50 && !OpenClipboard(clipboardOwner_); ++attempt) Sleep(10);
        EmptyClipboard();
        if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
            std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
        }
        CloseClipboard();
    }

    RunningProgram& program_;
    MainWindowView view_;
    std::mt19937_64 random_;
    std::vector<std::wstring> texts_;
    HWND clipboardOwner_;
    int events_ = 0;
    int reported_ = 0;
    int boxesDismissed_ = 0;
    std::map<std::string, int> boxesByCaption_;
    std::set<std::string> resultTexts_;
    std::deque<std::string> recent_;
};

const char* option(int argc, char** argv, const char* name, const char* environment) {
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
    }
    return std::getenv(environment);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tavrolin_soak PROGRAM [--events N] [--seed S]\n");
        return 2;
    }
    const char* eventsText = option(argc, argv, "--events", "TAVROLIN_SOAK_EVENTS");
    const char* seedText = option(argc, argv, "--seed", "TAVROLIN_SOAK_SEED");
    const int events = eventsText ? std::atoi(eventsText) : 5000;
    const std::uint64_t seed =
        seedText ? std::strtoull(seedText, nullptr, 10) : std::random_device{}() ^ GetTickCount64();
    std::printf("soak: seed %llu, %d events (replay: TAVROLIN_SOAK_SEED=%llu)\n",
                static_cast<unsigned long long>(seed), events, static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    RunningProgram program(argv[1]);
    if (!program.mainWindow()) {
        std::printf("soak FAILED: %s\n", program.error().c_str());
        return 1;
    }
    Soak soak(program, seed);
    const bool passed = soak.run(events) && soak.closeWithAltF4();
    soak.printSummary();
    if (!passed) {
        std::printf("soak FAILED with seed %llu\n", static_cast<unsigned long long>(seed));
        return 1;
    }
    std::printf("soak passed\n");
    return 0;
}
