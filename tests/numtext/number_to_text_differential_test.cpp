#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "double_bits.h"
#include "mismatch_log.h"
#include "numtext/numtext.h"
#include "reference_conversions.h"
#include "reference_number_text.h"

namespace numtext::testing {
namespace {

void compare(MismatchLog& log, double value) {
    const std::string actual = numberToText(value);
    const std::string expected = referenceNumberText(value);
    log.check(actual == expected,
              [&] { return describe(value) + ": \"" + actual + "\", reference \"" + expected + "\""; });
}

// The reference must itself give the texts of the example table before it can judge anything.
TEST(NumberToTextReference, AgreesWithTheExampleTable) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {22.5, "22.5"}, {1.0 / 3, "0.3333333333333"}, {123456789012.34, "123456789012.3"},
        {1000000000000.5, "1000000000001"}, {9999999999999.5, "1e+013"},
        {12345678901234, "1.234567890123e+013"}, {99999.99999999999, "100000"},
        {0.0000999999999999995, "0.0001"}, {1.5e-5, "1.5e-005"}, {-2.5, "-2.5"}, {-0.0, "0"},
        {1.0000000000045, "1.000000000005"}, {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        {fromBits(0xFFF8000000000000), "-1.#IND"}, {fromBits(0x7FF0000000000001), "1.#SNAN"},
    };
    for (const auto& c : cases) EXPECT_EQ(referenceNumberText(c.value), c.text) << describe(c.value);
}

TEST(NumberToTextDifferential, RandomBitPatterns) {
    std::mt19937_64 random(0x7A7201);
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
    constexpr std::uint64_t kExponentAllOnes = std::uint64_t{0x7FF} << 52;
    MismatchLog log;
    for (int i = 0; i < 600000; ++i) compare(log, fromBits(random()));  // mostly normal numbers
    for (int i = 0; i < 200000; ++i) compare(log, fromBits(random() & (kSign | kFraction)));  // subnormal
    for (int i = 0; i < 100000; ++i) {  // NaN payloads, and an infinity now and then
        const std::uint64_t bits = random();
        compare(log, fromBits((bits & kSign) | kExponentAllOnes | ((bits % 16 == 0) ? 0 : bits & kFraction)));
    }
    // Numbers near 1, where the calculator's results live: exponents 2^-40 to 2^40.
    std::uniform_int_distribution<std::uint64_t> exponent(1023 - 40, 1023 + 40);
    for (int i = 0; i < 100000; ++i) compare(log, fromBits((random() & (kSign | kFraction)) | exponent(random) << 52));
    expectNoMismatch(log, 1000000);
}

// Doubles next to the values where the rounding to 13 or to 17 digits ties, and next to the powers of
// ten where the form changes: here the two roundings and the choice of form are most easily wrong.
TEST(NumberToTextDifferential, NeighboursOfDecimalTies) {
    std::mt19937_64 random(0x7A7202);
    std::uniform_int_distribution<long long> thirteenDigits(1000000000000, 9999999999999);
    std::uniform_int_distribution<long long> seventeenDigits(10000000000000000, 99999999999999999);
    std::uniform_int_distribution<int> exponent(-340, 290);
    MismatchLog log;
    const auto compareAround = [&log](const std::string& decimal) {
        const double nearest = referenceStrtod(decimal);
        double below = nearest;
        double above = nearest;
        for (int step = 0; step < 3; ++step) {
            compare(log, below);
            compare(log, above);
            below = std::nextafter(below, -std::numeric_limits<double>::infinity());
            above = std::nextafter(above, std::numeric_limits<double>::infinity());
        }
    };
    for (int i = 0; i < 30000; ++i) {
        const std::string e = "e" + std::to_string(exponent(random));
        compareAround(std::to_string(thirteenDigits(random)) + "5" + e);
        compareAround(std::to_string(seventeenDigits(random)) + "5" + e);
    }
    for (int e = -324; e <= 308; ++e) {
        compareAround("1e" + std::to_string(e));
        compareAround("99999999999995e" + std::to_string(e - 14));
    }
    expectNoMismatch(log, 100000);
}

// q x d x p / 1000 for every quota and day literal and every count of persons the persons box takes,
// the product and the quotient each stored as a double, computed with and without a wider
// intermediate; then the domestic water sum with wash water w and the total of both results.
TEST(NumberToTextDifferential, CalculatorResults) {
    const double quotas[] = {3, 4, 5, 6, 9};
    const double days[] = {0, 2, 3, 4, 7, 8, 14, 15};
    std::mt19937 random(0x7A7203);
    std::uniform_int_distribution<int> washWater(-999, 9999);
    MismatchLog log;
    for (const double q : quotas) {
        for (const double d : days) {
            for (int persons = -9999; persons <= 9999; ++persons) {
                const double p = persons;
                const double product = q * d * p;
                const double drinking = product / 1000.0;
                const double drinkingWide = static_cast<double>(static_cast<long double>(product) / 1000.0L);
                compare(log, drinking);
                if (drinkingWide != drinking) compare(log, drinkingWide);
                const double w = washWater(random);
                const double domestic = drinking + w;
                compare(log, domestic);
                compare(log, drinking + domestic);
            }
        }
    }
    // The domestic sum over the whole range of wash water for a few person counts.
    for (const int persons : {1, 7, 13, 333, 500, 1001, 4567, 9999, -12, -9999}) {
        for (const double q : quotas) {
            const double drinking = q * 15 * persons / 1000.0;
            for (int w = -999; w <= 9999; w += 3) compare(log, drinking + w);
        }
    }
    expectNoMismatch(log, 2500000);
}

}  // namespace
}  // namespace numtext::testing
