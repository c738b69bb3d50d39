#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "double_bits.h"
#include "numtext/numtext.h"

namespace numtext::testing {
namespace {

struct NumberCase {
    double value;
    std::string expected;
};

void expectTexts(const std::vector<NumberCase>& cases) {
    for (const NumberCase& c : cases) {
        EXPECT_EQ(numberToText(c.value), c.expected) << "value " << describe(c.value);
    }
}

// Kept in variables so that the compiler does not fold the sums and quotients in other ways.
volatile double one = 1;
volatile double zero = 0;

TEST(NumberToText, ExampleTable) {
    expectTexts({
        {5, "5"},
        {22.5, "22.5"},
        {45, "45"},
        {7, "7"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {one / 3, "0.3333333333333"},
        {one * 2 / 3, "0.6666666666667"},
        {one * 100 / 3, "33.33333333333"},
        {32.634, "32.634"},
        {0.006, "0.006"},
        {1234567.891, "1234567.891"},
        {123456789012.34, "123456789012.3"},
        {1234567890123, "1234567890123"},
        {1000000000000.5, "1000000000001"},
        {-1000000000000.5, "-1000000000001"},
        {9999999999999.5, "1e+013"},
        {1e13, "1e+013"},
        {12345678901234, "1.234567890123e+013"},
        {1e15, "1e+015"},
        {1e16, "1e+016"},
        {1e20, "1e+020"},
        {1e100, "1e+100"},
        {99999.99999999999, "100000"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.0000999999999999995, "0.0001"},
        {1e-5, "1e-005"},
        {1.5e-5, "1.5e-005"},
        {1e-7, "1e-007"},
        {1e-100, "1e-100"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::max(), "1.797693134862e+308"},
        {std::numeric_limits<double>::min(), "2.225073858507e-308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        {std::numeric_limits<double>::infinity(), "1.#INF"},
        {-std::numeric_limits<double>::infinity(), "-1.#INF"},
        {fromBits(0xFFF8000000000000), "-1.#IND"},
        {fromBits(0x7FF8000000000000), "1.#QNAN"},
        {fromBits(0xFFF8000000000001), "-1.#QNAN"},
        {fromBits(0x7FF0000000000001), "1.#SNAN"},
    });
}

TEST(NumberToText, RoundsTo17DigitsBefore13) {
    // The double nearest to 1.0000000000045 lies just below it; its 17-digit form ends in ...45000,
    // which then ties upwards.
    expectTexts({
        {1.0000000000045, "1.000000000005"},
        {-1.0000000000045, "-1.000000000005"},
        {fromBits(0x3FF0000000004F29), "1.000000000004"},  // the double below: 1.00000000000449973...
        {2.5000000000005, "2.500000000001"},
        {0.30000000000000004, "0.3"},
    });
}

TEST(NumberToText, FormFollowsTheRoundedExponent) {
    expectTexts({
        {9999999999999.4, "9999999999999"},
        {-9999999999999.5, "-1e+013"},
        {0.00009999999999999, "9.999999999999e-005"},
        {0.00001, "1e-005"},
        {0.000123, "0.000123"},
        {999999999999.9, "999999999999.9"},
        {999999999999.99, "1000000000000"},
        {9.999999999999e22, "9.999999999999e+022"},
        {9.99999999999995e22, "1e+023"},
    });
}

TEST(NumberToText, ExponentHasThreeDigits) {
    expectTexts({
        {1e15, "1e+015"}, {1e-7, "1e-007"}, {1.25e-10, "1.25e-010"}, {-3e99, "-3e+099"},
        {1e300, "1e+300"}, {1e-300, "1e-300"}, {6.02214076e23, "6.02214076e+023"},
    });
}

TEST(NumberToText, NonFiniteTextsGoByBitPattern) {
    expectTexts({
        {fromBits(0x7FFFFFFFFFFFFFFF), "1.#QNAN"},
        {fromBits(0xFFFFFFFFFFFFFFFF), "-1.#QNAN"},
        {fromBits(0x7FF8000000000001), "1.#QNAN"},
        {fromBits(0xFFF0000000000001), "-1.#SNAN"},
        {fromBits(0x7FF7FFFFFFFFFFFF), "1.#SNAN"},
        {fromBits(0xFFF7FFFFFFFFFFFF), "-1.#SNAN"},
    });
    // The NaN of an invalid operation: infinity times zero.
    EXPECT_EQ(numberToText(std::numeric_limits<double>::infinity() * zero), "-1.#IND");
}

TEST(NumberToText, TextsStayWithin20Bytes) {
    expectTexts({
        {-1.234567890123e-100, "-1.234567890123e-100"},
        {-1.7976931348623157e308, "-1.797693134862e+308"},
        {-0.0001234567890123, "-0.0001234567890123"},
    });
}

}  // namespace
}  // namespace numtext::testing
