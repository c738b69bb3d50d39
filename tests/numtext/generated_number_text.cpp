#include "generated_number_text.h"

#include <vector>

namespace numtext::testing {
namespace {

// Rests that cannot continue a number, whatever it ends with.
const std::vector<std::string> kRests = {
    "", "x", " ", " 5", ",5", "abc", "#INF", "+", "-5", "+2", "。5", "编辑框", "\xB0", "\xA3",
    "\x81\x35", "ｘ", "　５", "*", "~", "\t", "/3", "%",
};
// Rests after a text that holds no mantissa (only white space, a sign or a point): none of them may
// begin a number.
const std::vector<std::string> kRestsWithoutNumber = {
    "", "x", "abc", "#INF", "。5", "编辑框", "\xB0", "\xA3", "\x81\x35", "ｘ", "*", "~", "/3", ",5",
    "e5", ".e5", "inf", "nan",
};
// Rests that cannot continue a number that has a point or an exponent.
const std::vector<std::string> kRestsAfterPoint = {".", ".5", "．５"};
// Rests that cannot continue a number that has an exponent.
const std::vector<std::string> kRestsAfterExponent = {"e5", "d2", "E-1", "e", "ｅ３"};
// Rests that begin with a marker that has no digit after it.
const std::vector<std::string> kBareMarkers = {"e", "E", "d", "D", "e+", "e-", "D-x", "e x", "e.5", "E+e", "ｅ＋"};
const std::vector<std::string> kSpaces = {" ", "\t", "\n", "\v", "\f", "\r", "\xA1\xA1"};

}  // namespace

bool NumberTextGenerator::chance(int percent) { return uniform(0, 99) < percent; }

int NumberTextGenerator::uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

const std::string& NumberTextGenerator::pick(const std::vector<std::string>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
}

void NumberTextGenerator::appendAsciiOrFullWidth(std::string& text, char c) {
    if (chance(20)) {
        text += '\xA3';
        text += static_cast<char>(c + 0x80);
    } else {
        text += c;
    }
}

std::string NumberTextGenerator::digits(int count, std::string& ascii) {
    std::string text;
    const int leadingZeros = (count > 0 && chance(10)) ? uniform(1, count) : 0;
    for (int i = 0; i < count; ++i) {
        const char digit = i < leadingZeros ? '0' : static_cast<char>('0' + uniform(0, 9));
        ascii += digit;
        appendAsciiOrFullWidth(text, digit);
    }
    return text;
}

GeneratedNumberText NumberTextGenerator::next() {
    GeneratedNumberText generated;
    std::string& text = generated.text;
    std::string& canonical = generated.canonical;

    for (int n = chance(30) ? uniform(1, 3) : 0; n > 0; --n) text += pick(kSpaces);
    bool negative = false;
    if (chance(50)) {
        negative = chance(50);
        appendAsciiOrFullWidth(text, negative ? '-' : '+');
    }

    // The mantissa: mostly short, sometimes hundreds of digits, rarely none at all.
    const auto length = [this] { return chance(3) ? uniform(0, 1200) : uniform(0, 20); };
    int integerDigits = length();
    const bool point = chance(60);
    int fractionDigits = point ? length() : 0;
    if (chance(5)) {
        integerDigits = 0;
        fractionDigits = 0;
    }
    std::string mantissa;
    text += digits(integerDigits, mantissa);
    if (point) {
        appendAsciiOrFullWidth(text, '.');
        mantissa += '.';
        text += digits(fractionDigits, mantissa);
    }
    if (integerDigits + fractionDigits == 0) {
        text += pick(kRestsWithoutNumber);
        return generated;
    }
    canonical = (negative ? "-" : "") + mantissa;

    bool hasExponent = false;
    if (chance(60)) {
        hasExponent = true;
        appendAsciiOrFullWidth(text, "eEdD"[uniform(0, 3)]);
        canonical += 'e';
        if (chance(50)) {
            const char sign = chance(50) ? '-' : '+';
            appendAsciiOrFullWidth(text, sign);
            canonical += sign;
        }
        // Exponent values around everything that matters: small ones, the range ends of doubles,
        // the cap of 5201 and far beyond it, with leading zeros now and then.
        const int kind = uniform(0, 9);
        std::string exponent;
        if (kind < 5) {
            exponent = std::to_string(uniform(0, 30));
        } else if (kind < 8) {
            exponent = std::to_string(uniform(280, 340));
        } else if (kind == 8) {
            exponent = std::to_string(uniform(5190, 5210));
        } else {
            text += digits(uniform(5, 30), exponent);
        }
        if (kind != 9) {
            if (chance(20)) exponent = std::string(uniform(1, 5), '0') + exponent;
            for (const char c : exponent) appendAsciiOrFullWidth(text, c);
        }
        const std::size_t firstNonZero = exponent.find_first_not_of('0');
        const std::string value = firstNonZero == std::string::npos ? "0" : exponent.substr(firstNonZero);
        canonical += (value.size() > 4 || std::stoi(value) > 5201) ? "5201" : value;
    }

    if (!hasExponent && chance(20)) {
        text += pick(kBareMarkers);
    } else if (hasExponent && chance(20)) {
        text += pick(kRestsAfterExponent);
    } else if ((hasExponent || point) && chance(20)) {
        text += pick(kRestsAfterPoint);
    } else {
        text += pick(kRests);
    }
    return generated;
}

}  // namespace numtext::testing
