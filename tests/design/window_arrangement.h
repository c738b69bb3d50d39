// Shared by the handler tests: setting up the design choices of a case and showing recorded writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/design/fake_window.h"

enum class Radio { None, Yes, No };

// The three combo-box selections and the checked radio button of a case; -1 is nothing selected.
struct Choices {
    std::int32_t project;
    std::int32_t water;
    std::int32_t external;
    Radio radio;
};

// Puts the choices into a freshly built window without raising any event.
inline void arrangeChoices(FakeWindow& window, const Choices& choices) {
    window.setSelectionIndex("工程类别", choices.project);
    window.setSelectionIndex("用水种类", choices.water);
    window.setSelectionIndex("防护外水源", choices.external);
    if (choices.radio == Radio::Yes) window.putChecked("有可靠内水源");
    if (choices.radio == Radio::No) window.putChecked("无可靠内水源");
}

inline std::string describeChoices(const Choices& c) {
    const char* radio = c.radio == Radio::Yes ? "yes" : c.radio == Radio::No ? "no" : "none";
    return "project " + std::to_string(c.project) + ", water " + std::to_string(c.water) +
           ", external " + std::to_string(c.external) + ", inner source " + radio;
}

// "编辑框1=3, 编辑框2=6" in UTF-8, so that a mismatch shows both sides readably.
inline std::string describe(const std::vector<FakeWindow::TextWrite>& writes) {
    std::string out;
    for (const FakeWindow::TextWrite& write : writes) {
        if (!out.empty()) out += ", ";
        out += readable(write.field) + "=" + readable(write.text);
    }
    return out.empty() ? "(nothing)" : out;
}

// The recorded writes into the given fields, in order.
inline std::vector<FakeWindow::TextWrite> writesTo(const FakeWindow& window,
                                                   std::vector<std::string_view> fields) {
    std::vector<FakeWindow::TextWrite> result;
    for (const FakeWindow::TextWrite& write : window.writes()) {
        for (std::string_view field : fields) {
            if (write.field == field) result.push_back(write);
        }
    }
    return result;
}
