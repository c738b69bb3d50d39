#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "double_bits.h"
#include "mismatch_log.h"
#include "numtext/numtext.h"
#include "reference_number_text.h"

namespace numtext::testing {
namespace {

// Every printable ASCII character replaced by its full-width form.
std::string fullWidth(const std::string& text) {
    std::string wide;
    for (const char c : text) {
        wide += '\xA3';
        wide += static_cast<char>(c + 0x80);
    }
    return wide;
}

// A text of at most 13 significant digits comes back unchanged, in the form its exponent asks for,
// however it was written (signs, leading and trailing zeros, full-width digits, an exponent).
TEST(TextRoundTrip, UpTo13SignificantDigitsComeBackUnchanged) {
    std::mt19937 random(0x7A7213);
    const auto uniform = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    MismatchLog log;
    for (int i = 0; i < 200000; ++i) {
        std::string digits = std::to_string(uniform(1, 9));
        for (int n = uniform(0, 12); n > 0; --n) digits += static_cast<char>('0' + uniform(0, 9));
        digits.erase(digits.find_last_not_of('0') + 1);
        const bool plainRange = i % 2 == 0;
        const int exponent = plainRange ? uniform(-4, 12) : (uniform(0, 1) ? uniform(13, 307) : uniform(-307, -5));
        const bool negative = uniform(0, 3) == 0;

        std::string expected = plainRange ? plainForm(digits, exponent) : exponentForm(digits, exponent);
        if (negative) expected = "-" + expected;

        // The typed text: the digits with zeros around them and the point moved by an exponent.
        const int shift = uniform(-3, 3);
        std::string typed = std::string(uniform(0, 2), '0') + plainForm(digits, std::min(exponent - shift, 12));
        const int typedExponent = exponent - std::min(exponent - shift, 12);
        if (typed.find('.') != std::string::npos) typed += std::string(uniform(0, 2), '0');
        if (typedExponent != 0) typed += "E" + std::to_string(typedExponent);
        typed = (negative ? "-" : (uniform(0, 3) == 0 ? "+" : "")) + typed;
        if (uniform(0, 4) == 0) typed = " 　" + fullWidth(typed);

        const std::string actual = numberToText(textToNumber(typed));
        log.check(actual == expected, [&] {
            return "\"" + printable(typed) + "\" came back as \"" + actual + "\", expected \"" + expected + "\"";
        });
    }
    expectNoMismatch(log, 200000);
}

}  // namespace
}  // namespace numtext::testing
