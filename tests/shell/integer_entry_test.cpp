#include <gtest/gtest.h>

#include <string>

#include "shell/integer_entry.h"

namespace {

TEST(IntegerEntryAccepts, Characters) {
    struct Case {
        unsigned int character;
        bool accepted;
    };
    const Case cases[] = {
        {0, true},      {8, true},       {3, true},       {22, true},      {24, true},      {26, true},
        {31, true},     {'-', true},     {'0', true},     {'5', true},     {'9', true},     {' ', false},
        {'.', false},   {'+', false},    {'a', false},    {'/', false},    {':', false},    {0x7F, false},
        {0xFF10, false},  // full-width digit zero
        {0xFF0D, false},  // full-width hyphen-minus
        {0x4E00, false},  {0x1030, false},  // '0' plus 0x1000: the whole code unit counts
    };
    for (const Case& c : cases) {
        EXPECT_EQ(integerEntryAccepts(c.character), c.accepted) << "character " << c.character;
    }
}

TEST(NormalizedIntegerText, Cases) {
    struct Case {
        std::string text;
        std::string normalized;
    };
    const Case cases[] = {
        {"0012", "12"},
        {"0", ""},
        {"-0", ""},
        {"-", ""},
        {"0000", ""},
        {"-12", "-12"},
        {"", ""},
        {"12", "12"},
        {"12-3", "12"},
        {"--5", ""},
        {"+-5", ""},
        {"-+5", ""},
        {"+7", "7"},
        {"+", ""},
        {" 42", "42"},
        {"\t\n\v\f\r-42", "-42"},
        {"- 5", ""},
        {"1 2", "1"},
        {"12abc", "12"},
        {"abc", ""},
        {"0x1A", ""},
        {"\xA3\xB5", ""},  // full-width 5 in GBK is no digit
        {"  -0012x", "-12"},
        {"9999", "9999"},
        {"-999", "-999"},
        {"2147483647", "2147483647"},
        {"2147483648", "2147483647"},
        {"-2147483648", "-2147483648"},
        {"-2147483649", "-2147483648"},
        {"99999999999", "2147483647"},
        {"-99999999999", "-2147483648"},
        {std::string(400, '9'), "2147483647"},
        {"-" + std::string(400, '9'), "-2147483648"},
        {std::string(400, '0') + "12", "12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(normalizedIntegerText(c.text), c.normalized) << "text \"" << c.text << "\"";
    }
}

TEST(CaretAfterNormalizing, StaysWhereTheSelectionBeganWithinTheNewText) {
    struct Case {
        int selectionStart;
        int newLength;
        int caret;
    };
    const Case cases[] = {{1, 2, 1}, {2, 2, 2}, {4, 2, 2}, {3, 0, 0}, {0, 0, 0}, {0, 3, 0}, {-1, 3, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(caretAfterNormalizing(c.selectionStart, c.newLength), c.caret)
            << "selection at " << c.selectionStart << ", length " << c.newLength;
    }
}

}  // namespace
