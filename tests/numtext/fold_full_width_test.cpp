#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "double_bits.h"
#include "numtext/numtext.h"

namespace numtext::testing {
namespace {

struct FoldCase {
    std::string text;
    std::string expected;
};

TEST(FoldFullWidth, FoldTable) {
    const std::vector<FoldCase> cases = {
        {"０１２３４５６７８９", "0123456789"},
        {"．＋－ＥｅＤｄ，", ".+-EeDd,"},
        {"\xA3\xA1", "!"}, {"\xA3\xFE", "~"}, {"\xA3\xA4", "$"}, {"\xA3\xC1", "A"}, {"\xA3\xFA", "z"},
        {"\xA3\xA0", "\xA3\xA0"}, {"\xA3\xFF", "\xA3\xFF"}, {"\xA3\x41", "\xA3\x41"},
        {"\xA1\xA1", " "}, {"\xA1\xAB", "~"}, {"\xA1\xEE", "*"}, {"\xA1\xEF", "*"},
        {"\xA1\xA0", "\xA1\xA0"}, {"\xA1\xA2", "\xA1\xA2"}, {"\xA1\xAA", "\xA1\xAA"},
        {"\xA1\xAC", "\xA1\xAC"}, {"\xA1\xED", "\xA1\xED"}, {"\xA1\xF0", "\xA1\xF0"},
        {"。", "。"}, {"编辑框", "编辑框"}, {"\xA2\xA1", "\xA2\xA1"}, {"\xA4\xB0", "\xA4\xB0"},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(foldFullWidth(c.text), c.expected) << "text \"" << printable(c.text) << "\"";
    }
}

TEST(FoldFullWidth, WalksPairsFromTheStart) {
    const std::vector<FoldCase> cases = {
        {"", ""},
        {"abc 12.5", "abc 12.5"},
        {"  １ ２　", "  1 2 "},
        {"１２。５", "12。5"},
        {"\xB1\xA3\xB0", "\xB1\xA3"},  // B1 A3 is one character; B0 is a lead byte at the end
        {"\xA3", ""}, {"ab\xA3", "ab"}, {"１\xA3", "1"},
        {"\x81\x40\xA3\xB1", "\x81\x40" "1"},  // a pair with an ASCII trail byte stays whole
        {"\x81\xA3\xB1", "\x81\xA3"},        // A3 is the trail byte of 81 here, B1 a lone lead
        {"\x80\x80", "\x80\x80"},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(foldFullWidth(c.text), c.expected) << "text \"" << printable(c.text) << "\"";
    }
}

TEST(FoldFullWidth, NeverLongerAndAgreesWithTheParser) {
    // Random byte strings drawn mostly from the bytes that matter: lead bytes A1 and A3, the trail
    // bytes of the fold table, digits, points, signs and markers.
    const std::string alphabet = "\xA1\xA3\xB0\xAE\xAB\xAD\xC5\xE5\xA1\xEE\x81\x40"
                                 "0123456789.+-eEdD x";
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 16);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
        SCOPED_TRACE("text \"" + printable(text) + "\"");
        const std::string folded = foldFullWidth(text);
        ASSERT_LE(folded.size(), text.size());
        ASSERT_EQ(foldFullWidth(folded), folded);
        ASSERT_EQ(bitsOf(textToNumber(text)), bitsOf(textToNumber(folded)));
    }
}

}  // namespace
}  // namespace numtext::testing
