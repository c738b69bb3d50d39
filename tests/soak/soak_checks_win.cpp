#include "soak_checks_win.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "gbk_text.h"
#include "main_window_view.h"
#include "numtext/numtext.h"
#include "running_program.h"

namespace {

constexpr const char* kIntegerBoxes[] = {"掩蔽人数", "口部冲洗水量"};
constexpr const char* kResultFields[] = {"编辑框5", "编辑框6", "编辑框7",
                                         "编辑框8", "编辑框11", "编辑框12"};

using Pair = std::pair<std::string_view, std::string_view>;
// Lower and upper bound as the auto-fill writes them: the per-capita quotas of drinking and
// domestic water, and the storage days of the six day rows; both empty before the first write.
constexpr Pair kQuotaPairs[] = {{"", ""}, {"5", "6"}, {"9", "9"}, {"3", "6"}, {"4", "4"}};
constexpr Pair kDayPairs[] = {{"", ""},   {"2", "3"}, {"4", "8"},  {"0", "0"},
                              {"15", "15"}, {"3", "7"}, {"7", "14"}};
constexpr std::string_view kStatusCaptions[] = {"已选中", "未选"};

// The text of a field with one WM_GETTEXT (MainWindowView::text asks for the length first): the
// checks read every field after every event. Texts of 255 characters or more come back cut.
std::string fieldText(const MainWindowView& view, const char* name) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(view.control(name), WM_GETTEXT, std::size(text),
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    return gbkFromWide(std::wstring_view(text, copied));
}

template <typename Table, typename Value>
bool contains(const Table& table, const Value& value) {
    return std::find(std::begin(table), std::end(table), value) != std::end(table);
}

template <std::size_t N>
void checkPair(const MainWindowView& view, const char* lower, const char* upper, const Pair (&table)[N],
               std::vector<std::string>& broken) {
    const std::string low = fieldText(view, lower);
    const std::string high = fieldText(view, upper);
    if (!contains(table, Pair{low, high})) {
        broken.push_back(utf8FromGbk(lower) + "/" + utf8FromGbk(upper) + " hold \"" + utf8FromGbk(low) +
                         "\"/\"" + utf8FromGbk(high) + "\", which is no pair of the table");
    }
}

}  // namespace

std::vector<std::string> brokenRules(const RunningProgram& program, const MainWindowView& view,
                                     std::size_t openMessageBoxes,
                                     std::vector<std::string>* resultTexts) {
    std::vector<std::string> broken;
    DWORD_PTR result = 0;
    if (!program.isRunning()) return {"the program has ended"};
    if (!SendMessageTimeoutW(view.mainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
        return {"the main window does not answer within 5 s"};
    }
    if (openMessageBoxes > 1) {
        broken.push_back(std::to_string(openMessageBoxes) + " message boxes are open");
    }

    for (const char* box : kIntegerBoxes) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(view.control(box), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
        if (length > 4) {
            broken.push_back(utf8FromGbk(box) + " holds " + std::to_string(length) + " characters: \"" +
                             utf8FromGbk(view.text(box)) + "\"");
        }
    }
    for (const char* field : kResultFields) {
        const std::string text = fieldText(view, field);
        if (resultTexts) resultTexts->push_back(text);
        if (!text.empty() && numtext::numberToText(numtext::textToNumber(text)) != text) {
            broken.push_back(utf8FromGbk(field) + " holds \"" + utf8FromGbk(text) +
                             "\", which numberToText never writes");
        }
    }
    checkPair(view, "编辑框1", "编辑框2", kQuotaPairs, broken);
    checkPair(view, "编辑框3", "编辑框4", kDayPairs, broken);
    for (const char* label : {"标签6", "标签7"}) {
        const std::string caption = fieldText(view, label);
        if (!contains(kStatusCaptions, std::string_view(caption))) {
            broken.push_back(utf8FromGbk(label) + " shows \"" + utf8FromGbk(caption) + "\"");
        }
    }
    return broken;
}
