#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "double_bits.h"
#include "generated_number_text.h"
#include "mismatch_log.h"
#include "numtext/numtext.h"
#include "reference_conversions.h"

namespace numtext::testing {
namespace {

void compare(MismatchLog& log, const std::string& text, double expected) {
    const double actual = textToNumber(text);
    log.check(bitsOf(actual) == bitsOf(expected), [&] {
        return "\"" + printable(text).substr(0, 200) + "\": " + describe(actual) + ", reference " + describe(expected);
    });
}

TEST(TextToNumberDifferential, GeneratedTextsAgainstStrtod) {
    NumberTextGenerator generator(0x7A7211);
    MismatchLog log;
    for (int i = 0; i < 300000; ++i) {
        const GeneratedNumberText generated = generator.next();
        // A text without a mantissa is +0, even after a minus sign.
        compare(log, generated.text, generated.canonical.empty() ? 0.0 : referenceStrtod(generated.canonical));
    }
    expectNoMismatch(log, 100000);
}

// The exact decimal midpoints between neighbouring doubles, texts just above them and their negatives:
// the hardest texts to round correctly.
TEST(TextToNumberDifferential, MidpointsBetweenDoubles) {
    std::mt19937_64 random(0x7A7212);
    constexpr std::uint64_t kFiniteMagnitudes = 0x7FEFFFFFFFFFFFFF;
    MismatchLog log;
    for (int i = 0; i < 20000; ++i) {
        const double low = fromBits(random() % kFiniteMagnitudes);
        const double high = std::nextafter(low, std::numeric_limits<double>::infinity());
        // The midpoint of two neighbouring doubles has 54 significant bits: exact in a long double's 64.
        const std::string midpoint = exactDecimal((static_cast<long double>(low) + high) / 2);
        const std::size_t e = midpoint.find('e');
        const std::string above = midpoint.substr(0, e) + "000000001" + midpoint.substr(e);
        for (const std::string& text : {midpoint, above, "-" + midpoint}) {
            compare(log, text, referenceStrtod(text));
        }
    }
    expectNoMismatch(log, 60000);
}

}  // namespace
}  // namespace numtext::testing
