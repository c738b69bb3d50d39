// Arbitrary bytes through textToNumber, checked against the properties that hold for every text and,
// for texts that are one plain decimal number, against the C library's correctly rounded strtod.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "property_check.h"

namespace {

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLeadingSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// True when the whole text, after leading white space, is [sign] mantissa [exponent] with the
// exponent marker e, E, d or D: a text in which textToNumber reads every byte.
bool isWholeNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        return i - start;
    };
    while (i < text.size() && isLeadingSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) return false;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

// The exponent's value counts at most as 5201. Below this length no mantissa is long enough to bring
// a number with a larger exponent back into the range of doubles, so strtod, which reads the exponent
// in full, must agree.
constexpr std::size_t kLongestComparedText = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = numtext::textToNumber(text);
    const std::string shown = numtext::numberToText(value);

    fuzz::check(!std::isnan(value), "no text reads as NaN", text, shown);
    fuzz::check(sameBits(numtext::textToNumber(numtext::foldFullWidth(text)), value),
                "a text reads as its folded text", text, shown);
    fuzz::check(sameBits(numtext::textToNumber(" " + text), value),
                "a leading space changes nothing", text, shown);
    fuzz::check(sameBits(numtext::textToNumber("\xA1\xA1" + text), value),
                "a leading ideographic space changes nothing", text, shown);
    // A letter after the text cannot continue a number; after a lone final lead byte it forms a
    // double-byte character that does not fold, which ends the number just the same.
    fuzz::check(sameBits(numtext::textToNumber(text + "x"), value),
                "a letter after the text changes nothing", text, shown);
    if (!text.empty() && isDigit(text[0])) {
        fuzz::check(sameBits(numtext::textToNumber("-" + text), -value),
                    "a minus sign in front negates the value", text, shown);
        fuzz::check(sameBits(numtext::textToNumber("+" + text), value),
                    "a plus sign in front changes nothing", text, shown);
    }
    if (std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7F; })) {
        std::string fullWidth;
        for (const char c : text) {
            fullWidth += '\xA3';
            fullWidth += static_cast<char>(c + 0x80);
        }
        fuzz::check(sameBits(numtext::textToNumber(fullWidth), value),
                    "the full-width form of a text reads as the text", text, shown);
    }
    if (std::isfinite(value)) {
        fuzz::check(numtext::numberToText(numtext::textToNumber(shown)) == shown,
                    "the shown text of the value reads back to the same text", text, shown);
    }
    if (text.size() <= kLongestComparedText && isWholeNumber(text)) {
        std::string cText = text;
        std::replace(cText.begin(), cText.end(), 'd', 'e');
        std::replace(cText.begin(), cText.end(), 'D', 'e');
        fuzz::check(sameBits(std::strtod(cText.c_str(), nullptr), value),
                    "a plain decimal number reads as the nearest double", text, shown);
    }
    return 0;
}
