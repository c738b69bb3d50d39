#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "numtext/numtext.h"

namespace numtext {
namespace {

constexpr int kShownDigits = 13;
constexpr int kIntermediateDigits = 17;
// The exponent form takes over below 10^kSmallestPlainExponent and from 10^kShownDigits on.
constexpr int kSmallestPlainExponent = -4;

std::string nonFiniteText(std::uint64_t bits) {
    constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
    constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;
    // The NaN that the FPU produces for an invalid operation such as 0 x infinity.
    constexpr std::uint64_t kIndefinite = 0xFFF8000000000000;

    const char* const sign = (bits & kSignBit) ? "-" : "";
    if ((bits & kFraction) == 0) return std::string(sign) + "1.#INF";
    if (bits == kIndefinite) return "-1.#IND";
    return std::string(sign) + ((bits & kQuietBit) ? "1.#QNAN" : "1.#SNAN");
}

// The 13 significant digits of a finite non-zero magnitude and the decimal exponent of the first.
struct ShownDigits {
    std::array<char, kShownDigits> digits;
    int exponent;
};

// std::to_chars with a precision is exact: it rounds the double's exact decimal expansion to 17
// digits, to nearest with ties to even. Rounding up on a digit 18 of 5 or more would differ only on an
// exact tie with an even digit 17; that case changes digit 17 without a carry, so digits 1 to 14, and
// with them the rounding to 13 digits below, are the same either way.
ShownDigits roundToShownDigits(double magnitude) {
    // "d.dddddddddddddddde-ddd": 1 + 1 + 16 + 2 + 3 characters at most.
    std::array<char, 32> scientific;
    const auto written = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                       magnitude, std::chars_format::scientific,
                                       kIntermediateDigits - 1);
    const char* const exponentSign = scientific.data() + kIntermediateDigits + 2;

    ShownDigits shown;
    shown.digits[0] = scientific[0];
    for (int i = 1; i < kShownDigits; ++i) shown.digits[i] = scientific[i + 1];
    shown.exponent = 0;
    std::from_chars(exponentSign + 1, written.ptr, shown.exponent);
    if (*exponentSign == '-') shown.exponent = -shown.exponent;

    // Digit 14 decides; a tie rounds away from zero.
    if (scientific[kShownDigits + 1] >= '5') {
        int i = kShownDigits - 1;
        while (i >= 0 && shown.digits[i] == '9') shown.digits[i--] = '0';
        if (i >= 0) {
            ++shown.digits[i];
        } else {
            shown.digits[0] = '1';
            ++shown.exponent;
        }
    }
    return shown;
}

}  // namespace

std::string numberToText(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (!std::isfinite(value)) return nonFiniteText(bits);
    if (value == 0) return "0";

    const ShownDigits shown = roundToShownDigits(std::fabs(value));
    int significant = kShownDigits;
    while (shown.digits[significant - 1] == '0') --significant;
    const char* const digits = shown.digits.data();
    const int exponent = shown.exponent;

    // At most "-" + 13 digits + "." + "e+308": 20 bytes.
    std::array<char, 24> text;
    char* out = text.data();
    if (value < 0) *out++ = '-';
    const auto append = [&out](const char* from, int count) {
        for (int i = 0; i < count; ++i) *out++ = from[i];
    };
    const auto appendZeros = [&out](int count) {
        for (int i = 0; i < count; ++i) *out++ = '0';
    };

    if (exponent < kSmallestPlainExponent || exponent >= kShownDigits) {
        *out++ = digits[0];
        if (significant > 1) {
            *out++ = '.';
            append(digits + 1, significant - 1);
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        *out++ = static_cast<char>('0' + magnitude / 100);
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
    } else if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (significant <= integerDigits) {
            append(digits, significant);
            appendZeros(integerDigits - significant);
        } else {
            append(digits, integerDigits);
            *out++ = '.';
            append(digits + integerDigits, significant - integerDigits);
        }
    } else {
        *out++ = '0';
        *out++ = '.';
        appendZeros(-exponent - 1);
        append(digits, significant);
    }
    return std::string(text.data(), out);
}

}  // namespace numtext
