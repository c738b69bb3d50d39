// Arbitrary 64-bit patterns through numberToText. Each 8 bytes of the input give one double as a
// bit pattern and a second one near a tie at the 14th significant digit, where the two roundings
// (to 17 digits, then to 13) decide the text.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "property_check.h"

namespace {

// A shown finite text taken apart: its significant digits (without leading zeros, without the
// point) and the decimal exponent of the first one. `wellFormed` says whether the text has one of
// the two forms: plain (no exponent, no superfluous zero or point) or exponent form
// (d.ddde+XXX with a three-digit exponent).
struct ShownNumber {
    bool wellFormed = false;
    bool negative = false;
    bool exponentForm = false;
    std::string digits;
    int exponent = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

ShownNumber takeApart(std::string_view text) {
    ShownNumber number;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        number.negative = true;
        ++i;
    }
    std::string integer, fraction;
    while (i < text.size() && isDigit(text[i])) integer += text[i++];
    const bool point = i < text.size() && text[i] == '.';
    if (point) {
        ++i;
        while (i < text.size() && isDigit(text[i])) fraction += text[i++];
        // No trailing zero after the point, and no point without a digit after it.
        if (fraction.empty() || fraction.back() == '0') return number;
    }
    if (integer.empty()) return number;
    number.exponentForm = i < text.size() && text[i] == 'e';
    if (number.exponentForm) {
        if (integer.size() != 1 || integer[0] == '0') return number;
        const std::string_view exponent = text.substr(i + 1);
        if (exponent.size() != 4 || (exponent[0] != '+' && exponent[0] != '-') ||
            !isDigit(exponent[1]) || !isDigit(exponent[2]) || !isDigit(exponent[3])) {
            return number;
        }
        const int magnitude = std::atoi(std::string(exponent.substr(1)).c_str());
        number.exponent = exponent[0] == '-' ? -magnitude : magnitude;
        number.digits = integer + fraction;
    } else {
        if (i != text.size()) return number;
        if (integer.size() > 1 && integer[0] == '0') return number;
        if (integer == "0") {
            const std::size_t zeros = fraction.find_first_not_of('0');
            if (zeros == std::string::npos) {
                number.wellFormed = !point && !number.negative;  // "0" alone is zero
                return number;
            }
            number.digits = fraction.substr(zeros);
            number.exponent = -static_cast<int>(zeros) - 1;
        } else {
            number.digits = integer + fraction;
            number.exponent = static_cast<int>(integer.size()) - 1;
        }
        while (number.digits.size() > 1 && number.digits.back() == '0') number.digits.pop_back();
    }
    number.wellFormed = number.digits.size() <= 13;
    return number;
}

// Adds one unit to the last of `digits`, carrying leftwards; a carry out of the first digit gives 1
// followed by zeros and raises the exponent.
void roundUp(std::string& digits, int& exponent) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) {
        ++digits[i - 1];
    } else {
        digits[0] = '1';
        ++exponent;
    }
}

// The 13 digits (trailing zeros removed) and exponent of a finite, non-zero magnitude, made from
// the exact decimal expansion that glibc's printf writes: rounded to 17 digits, then to 13, each
// time up on a following digit of 5 or more.
ShownNumber expectedDigits(double magnitude) {
    // 800 digits after the point hold the whole expansion of any double (767 significant digits).
    std::array<char, 820> expansion;
    std::snprintf(expansion.data(), expansion.size(), "%.800e", magnitude);
    const char* const e = std::strchr(expansion.data(), 'e');
    ShownNumber expected;
    expected.exponent = std::atoi(e + 1);
    std::string digits = std::string(1, expansion[0]) + std::string(expansion.data() + 2, 16);
    if (expansion[18] >= '5') roundUp(digits, expected.exponent);
    const char fourteenth = digits[13];
    digits.resize(13);
    if (fourteenth >= '5') roundUp(digits, expected.exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    expected.digits = digits;
    return expected;
}

void checkNonFinite(double value, std::uint64_t bits, const std::string& text,
                    std::string_view input) {
    constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
    constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;
    const std::string sign = (bits & kSignBit) ? "-" : "";
    std::string expected;
    if (std::isinf(value)) {
        expected = sign + "1.#INF";
    } else if (bits == 0xFFF8000000000000) {
        expected = "-1.#IND";
    } else {
        expected = sign + ((bits & kQuietBit) ? "1.#QNAN" : "1.#SNAN");
    }
    fuzz::check(text == expected, "an infinity or NaN has the text of its class", input, text);
}

void checkFinite(double value, const std::string& text, std::string_view input) {
    const ShownNumber shown = takeApart(text);
    fuzz::check(shown.wellFormed, "the text has the plain or the exponent form", input, text);
    if (value == 0) {
        fuzz::check(text == "0", "both zeros show as 0", input, text);
        return;
    }
    fuzz::check(shown.negative == (value < 0), "the text is signed like the value", input, text);
    fuzz::check(shown.exponentForm == (shown.exponent < -4 || shown.exponent >= 13),
                "the exponent form is used exactly outside 1e-4 to 1e13", input, text);

    const ShownNumber expected = expectedDigits(std::fabs(value));
    fuzz::check(shown.digits == expected.digits && shown.exponent == expected.exponent,
                "the digits are the exact value rounded to 17 and then 13 digits", input, text);

    const double readBack = numtext::textToNumber(text);
    const double tolerance =
        5.01e-13 * std::fabs(value) + std::numeric_limits<double>::denorm_min();
    fuzz::check(std::fabs(readBack - value) <= tolerance,
                "the text reads back within half a unit of the 13th digit", input, text);
    fuzz::check(numtext::numberToText(readBack) == text,
                "the text reads back to a value with the same text", input, text);
    const std::string negated = numtext::numberToText(-value);
    fuzz::check(negated == (shown.negative ? text.substr(1) : "-" + text),
                "negating the value only toggles the minus sign", input, negated);
}

void checkNumber(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::array<char, 40> pattern;
    std::snprintf(pattern.data(), pattern.size(), "bit pattern %016llX",
                  static_cast<unsigned long long>(bits));
    const std::string_view input = pattern.data();
    const std::string text = numtext::numberToText(value);
    fuzz::check(!text.empty() && text.size() <= 20, "the text has 1 to 20 bytes", input, text);
    for (const char c : text) {
        fuzz::check(c > 0x20 && c < 0x7F, "the text is printable ASCII", input, text);
    }
    if (std::isfinite(value)) {
        checkFinite(value, text, input);
    } else {
        checkNonFinite(value, bits, text, input);
    }
}

// A double close to "ddddddddddddd" "d5" x 10^k: 14 digits and a 5, with k from -330 to 310, so
// that its 14th digit is a tie or nearly one.
double nearTie(std::uint64_t bits) {
    const std::uint64_t digits = bits % 100000000000000;
    const int scale = static_cast<int>((bits >> 47) % 641) - 330;
    std::array<char, 40> text;
    std::snprintf(text.data(), text.size(), "%014llu5e%d", static_cast<unsigned long long>(digits),
                  scale);
    return std::strtod(text.data(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t offset = 0; offset < size; offset += 8) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data + offset, std::min<std::size_t>(8, size - offset));
        checkNumber(std::bit_cast<double>(bits));
        checkNumber(nearTie(bits));
    }
    return 0;
}
