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

// The 13 significant digits of a finite non-zero magnitude as an integer, without its trailing zeros,
// and the decimal exponent of the first digit.
struct ShownDigits {
    std::uint64_t digits;
    int count;
    int exponent;
};

constexpr std::uint64_t kPowersOfTen[kShownDigits + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000,
    100000000000, 1000000000000, 10000000000000,
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

    ShownDigits shown{static_cast<std::uint64_t>(scientific[0] - '0'), kShownDigits, 0};
    for (int i = 2; i <= kShownDigits; ++i) shown.digits = shown.digits * 10 + (scientific[i] - '0');
    std::from_chars(exponentSign + 1, written.ptr, shown.exponent);
    if (*exponentSign == '-') shown.exponent = -shown.exponent;

    // Digit 14 decides; a tie rounds away from zero.
    if (scientific[kShownDigits + 1] >= '5' && ++shown.digits == kPowersOfTen[kShownDigits]) {
        shown.digits = kPowersOfTen[kShownDigits - 1];
        ++shown.exponent;
    }
    while (shown.digits % 10 == 0) {
        shown.digits /= 10;
        --shown.count;
    }
    return shown;
}

// Writes `count` decimal digits of value, leading zeros included, and returns the end.
char* writeDigits(char* out, std::uint64_t value, int count) {
    for (int i = count; i-- > 0;) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + count;
}

char* writeZeros(char* out, int count) {
    for (int i = 0; i < count; ++i) *out++ = '0';
    return out;
}

}  // namespace

std::string numberToText(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (!std::isfinite(value)) return nonFiniteText(bits);
    if (value == 0) return "0";

    const auto [digits, count, exponent] = roundToShownDigits(std::fabs(value));

    // At most "-" + 13 digits + "." + "e+308": 20 bytes.
    std::array<char, 24> text;
    char* out = text.data();
    if (value < 0) *out++ = '-';
    if (exponent < kSmallestPlainExponent || exponent >= kShownDigits) {
        const std::uint64_t afterFirst = kPowersOfTen[count - 1];
        out = writeDigits(out, digits / afterFirst, 1);
        if (count > 1) {
            *out++ = '.';
            out = writeDigits(out, digits % afterFirst, count - 1);
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        out = writeDigits(out, static_cast<std::uint64_t>(std::abs(exponent)), 3);
    } else if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = writeZeros(out, -exponent - 1);
        out = writeDigits(out, digits, count);
    } else if (const int integerDigits = exponent + 1; count <= integerDigits) {
        out = writeDigits(out, digits, count);
        out = writeZeros(out, integerDigits - count);
    } else {
        const std::uint64_t fraction = kPowersOfTen[count - integerDigits];
        out = writeDigits(out, digits / fraction, integerDigits);
        *out++ = '.';
        out = writeDigits(out, digits % fraction, count - integerDigits);
    }
    return std::string(text.data(), out);
}

}  // namespace numtext
