#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "double_bits.h"
#include "numtext/numtext.h"

namespace numtext::testing {
namespace {

struct CompareCase {
    std::optional<std::string_view> a;
    std::optional<std::string_view> b;
    int expected;
};

std::string show(std::optional<std::string_view> text) {
    return text ? "\"" + printable(std::string(*text)) + "\"" : "absent";
}

TEST(CompareText, Cases) {
    constexpr std::nullopt_t absent = std::nullopt;
    const std::vector<CompareCase> cases = {
        {absent, absent, 0}, {absent, "", 0}, {"", absent, 0}, {"", "", 0},
        {absent, "a", -1}, {"a", absent, 1}, {absent, " ", -1}, {" ", absent, 1},
        {" ", "", 1}, {"", " ", -1},
        {"abc", "abc", 0}, {"abc", "abd", -1}, {"abd", "abc", 1},
        {"ab", "abc", -1}, {"abc", "ab", 1},
        {"A", "a", -1}, {"a", "A", 1},
        {"编", "z", 1}, {"z", "编", -1}, {"\x80", "\x7F", 1}, {"\xFF", "\x80", 1},
        {"编辑框1", "编辑框2", -1}, {"编辑框5", "编辑框5", 0},
        {"5", "5.0", -1}, {"10", "9", -1},
    };
    for (const CompareCase& c : cases) {
        EXPECT_EQ(compareText(c.a, c.b), c.expected) << "compareText(" << show(c.a) << ", " << show(c.b) << ")";
    }
}

}  // namespace
}  // namespace numtext::testing
