#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

#include "numtext/full_width_fold.h"
#include "numtext/numtext.h"

namespace numtext {
namespace {

// Reads a text byte by byte as foldFullWidth would give it, without making the folded copy. A
// double-byte character that does not fold can never be part of a number, so it reads as the end.
class FoldedReader {
public:
    explicit FoldedReader(std::string_view text)
        : next_(reinterpret_cast<const unsigned char*>(text.data())), end_(next_ + text.size()) {
        load();
    }

    // The current folded byte, or kEnd.
    int current() const { return current_; }
    void advance() {
        next_ += width_;
        load();
    }

    static constexpr int kEnd = -1;

private:
    void load() {
        width_ = 1;
        if (next_ == end_) {
            current_ = kEnd;
        } else if (*next_ < 0x80) {
            current_ = *next_;
        } else if (next_ + 1 == end_) {
            current_ = kEnd;
        } else {
            const auto single = foldedPair(next_[0], next_[1]);
            current_ = single ? *single : kEnd;
            width_ = 2;
        }
    }

    const unsigned char* next_;
    const unsigned char* end_;
    int current_ = kEnd;
    int width_ = 1;
};

bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isLeadingSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isExponentMarker(int c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// The exponent's digits count up to this value; any larger one counts as this.
constexpr std::int64_t kExponentCap = 5201;

// Significant digits beyond this many are summed up in one sticky digit: a value halfway between two
// doubles has at most 767 significant digits, so the rounding never depends on the digits cut off,
// only on whether one of them is non-zero.
constexpr int kKeptDigits = 800;

// Magnitudes from 10^kOverflowExponent up exceed the largest double (1.8e308); those below
// 10^kUnderflowExponent are less than half the smallest subnormal (4.9e-324).
constexpr std::int64_t kOverflowExponent = 309;
constexpr std::int64_t kUnderflowExponent = -325;

// Texts of at most this many significant digits and a scale of at most kExactPowers either way are
// converted by one multiplication or division of two exact doubles (the significand is below 2^53,
// 10^22 is the largest exact power of ten), which IEEE arithmetic rounds correctly on its own. This
// holds for the SSE2 arithmetic of x86-64 builds; x87 arithmetic with a 64-bit significand would round
// twice.
constexpr int kExactDigits = 15;
constexpr int kExactPowers = 22;
constexpr double kPowersOfTen[kExactPowers + 1] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// A decimal number as read: value = digits x 10^scale, digits without leading zeros.
struct DecimalNumber {
    bool hasMantissa = false;
    bool negative = false;
    std::array<char, kKeptDigits + 1> digits;  // room for the sticky digit
    int digitCount = 0;
    // The first kExactDigits digits as an integer.
    std::uint64_t leadingDigits = 0;
    std::int64_t scale = 0;
};

void readMantissaDigit(DecimalNumber& number, int c, bool afterPoint) {
    number.hasMantissa = true;
    if (number.digitCount == 0 && c == '0') {
        if (afterPoint) --number.scale;
        return;
    }
    if (number.digitCount < kExactDigits) number.leadingDigits = number.leadingDigits * 10 + (c - '0');
    if (number.digitCount < kKeptDigits) {
        number.digits[number.digitCount++] = static_cast<char>(c);
        if (afterPoint) --number.scale;
        return;
    }
    if (!afterPoint) ++number.scale;
    if (c != '0' && number.digitCount == kKeptDigits) {
        number.digits[number.digitCount++] = '1';
        --number.scale;
    }
}

DecimalNumber read(std::string_view text) {
    DecimalNumber number;
    FoldedReader reader(text);
    while (isLeadingSpace(reader.current())) reader.advance();
    if (reader.current() == '+' || reader.current() == '-') {
        number.negative = reader.current() == '-';
        reader.advance();
    }
    while (isDigit(reader.current())) {
        readMantissaDigit(number, reader.current(), false);
        reader.advance();
    }
    if (reader.current() == '.') {
        reader.advance();
        while (isDigit(reader.current())) {
            readMantissaDigit(number, reader.current(), true);
            reader.advance();
        }
    }
    if (!number.hasMantissa || !isExponentMarker(reader.current())) return number;

    // A marker without digits after it (and its optional sign) belongs to the ignored rest.
    reader.advance();
    bool negativeExponent = false;
    if (reader.current() == '+' || reader.current() == '-') {
        negativeExponent = reader.current() == '-';
        reader.advance();
    }
    std::int64_t exponent = 0;
    while (isDigit(reader.current())) {
        exponent = std::min(exponent * 10 + (reader.current() - '0'), kExponentCap);
        reader.advance();
    }
    number.scale += negativeExponent ? -exponent : exponent;
    return number;
}

double nearestMagnitude(const DecimalNumber& number) {
    if (number.digitCount <= kExactDigits && number.scale >= -kExactPowers && number.scale <= kExactPowers) {
        const auto significand = static_cast<double>(number.leadingDigits);
        return number.scale >= 0 ? significand * kPowersOfTen[number.scale]
                                 : significand / kPowersOfTen[-number.scale];
    }

    const std::int64_t leadingExponent = number.scale + number.digitCount - 1;
    if (leadingExponent >= kOverflowExponent) return std::numeric_limits<double>::infinity();
    if (leadingExponent < kUnderflowExponent) return 0;

    // "digits" "e" scale, which std::from_chars rounds correctly and without regard to the locale.
    std::array<char, kKeptDigits + 1 + 24> canonical;
    char* const digitsEnd =
        std::copy(number.digits.begin(), number.digits.begin() + number.digitCount, canonical.data());
    *digitsEnd = 'e';
    const char* const end =
        std::to_chars(digitsEnd + 1, canonical.data() + canonical.size(), number.scale).ptr;
    double magnitude = 0;
    if (std::from_chars(canonical.data(), end, magnitude).ec == std::errc::result_out_of_range) {
        return leadingExponent > 0 ? std::numeric_limits<double>::infinity() : 0;
    }
    return magnitude;
}

}  // namespace

double textToNumber(std::string_view text) noexcept {
    const DecimalNumber number = read(text);
    if (!number.hasMantissa) return 0;
    const double magnitude = number.digitCount == 0 ? 0 : nearestMagnitude(number);
    return number.negative ? -magnitude : magnitude;
}

}  // namespace numtext
