#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "double_bits.h"
#include "numtext/numtext.h"

namespace numtext::testing {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct TextCase {
    std::string text;
    double expected;
};

void expectValues(const std::vector<TextCase>& cases) {
    for (const TextCase& c : cases) {
        const double actual = textToNumber(c.text);
        EXPECT_EQ(bitsOf(actual), bitsOf(c.expected))
            << "text \"" << printable(c.text) << "\" gave " << describe(actual) << ", expected "
            << describe(c.expected);
    }
}

TEST(TextToNumber, ExampleTable) {
    expectValues({
        {"5", 5}, {"+5", 5}, {" 5", 5}, {"5 ", 5}, {"0005", 5},
        {"-5", -5},
        {"12abc", 12},
        {"12.5.3", 12.5},
        {"1+2", 1}, {"1 000", 1}, {"1,234", 1},
        {"5-3", 5},
        {".5", 0.5},
        {"5.", 5},
        {"", 0}, {"*", 0}, {"abc", 0}, {"-", 0}, {"-abc", 0}, {"--5", 0}, {"+-5", 0}, {"- 5", 0},
        {".", 0},
        {"1e5", 100000}, {"1E5", 100000}, {"1d5", 100000}, {"1D5", 100000}, {"1e0005", 100000},
        {"1D-2", 0.01},
        {"2e3x", 2000},
        {"1e", 1}, {"1e+", 1}, {"1e 5", 1}, {"1e-0", 1},
        {"1e5.5", 100000},
        {"1e999", kInfinity},
        {"-1e999", -kInfinity},
        {"1e-999", 0},
        {"-0", -0.0}, {"-1e-999", -0.0},
        {"0x1A", 0},
        {"１２．５", 12.5},
        {"　１２", 12},
        {"１ｅ３", 1000},
        {"12。5", 12},
        {"inf", 0}, {"nan", 0}, {"infinity", 0},
        {"1.#INF", 1},
    });
}

TEST(TextToNumber, EdgeCases) {
    expectValues({
        {"   ", 0},
        {"１５", 15}, {"０．５", 0.5},
        {"1,5", 1}, {"1 5", 1}, {"1.5.5", 1.5},
        {"1d3", 1000},
        {"0x10", 0},
        {"-.5", -0.5}, {"+.5e1", 5}, {"-0.0e5", -0.0}, {"-.", 0}, {"-e5", 0}, {"e5", 0}, {".e5", 0},
        {"5.e2", 500}, {"1e-2x", 0.01}, {"1e+-2", 1}, {"1ee2", 1}, {"1e2e3", 100}, {"1E+02", 100},
    });
}

TEST(TextToNumber, LeadingWhiteSpace) {
    expectValues({
        {"\t5", 5}, {"\n5", 5}, {"\v5", 5}, {"\f5", 5}, {"\r5", 5}, {" \t\r\n 5", 5},
        {"\x08" "5", 0}, {"\x0E" "5", 0},
        {"\xA1\xA1\xA1\xA1" "5", 5},   // ideographic spaces
        {"\t\xA1\xA1-5", -5},
        {"5\t7", 5},
    });
}

TEST(TextToNumber, FullWidthForms) {
    expectValues({
        {"－１２．５", -12.5}, {"＋７", 7},
        {"１Ｅ３", 1000}, {"１ｄ３", 1000}, {"１Ｄ－２", 0.01}, {"１ｅ＋２", 100},
        {"1２.５e１", 125},                 // full-width and ASCII mixed
        {"１２～３", 12}, {"１２★", 12}, {"１２，３", 12},
        {"编辑框5", 0},                     // a Chinese character that stays ends the number at once
        {"5编", 5},
        {"\xA3", 0}, {"5\xA3", 5},           // a lead byte at the end is dropped
        {"\x81" "5", 0},                     // a lead byte takes the next byte as its trail byte
        {"5\x81" "5", 5},
    });
}

TEST(TextToNumber, ExponentValueCountsUpTo5201) {
    const std::string zeros5300(5300, '0');
    const std::string zeros5200(5200, '0');
    const std::string zeros5201(5201, '0');
    expectValues({
        {"1e5201", kInfinity}, {"1e-5201", 0}, {"-1e-5201", -0.0},
        {"1e000000000000000000000000005", 100000},
        {"1e99999999999999999999999999999", kInfinity},
        // 10^-5301 x 10^5201: the clamped exponent leaves 1e-100.
        {"0." + zeros5300 + "1e99999", 1e-100},
        {"1" + zeros5300 + "e-99999", 1e99},
        {"0." + zeros5200 + "1e5200", 0.1},
        {"0." + zeros5200 + "1e5201", 1},
        {"0." + zeros5201 + "1e5202", 0.1},
        {"0." + zeros5201 + "1e5201", 0.1},
    });
}

TEST(TextToNumber, LongMantissasRoundCorrectly) {
    // 2^53 + 1 lies halfway between 2^53 and 2^53 + 2; anything above the half rounds up, however
    // far out the excess digit is.
    const std::string half = "9007199254740993";
    const std::string zeros1000(1000, '0');
    expectValues({
        {half, 9007199254740992.0},
        {half + "." + zeros1000, 9007199254740992.0},
        {half + "." + zeros1000 + "1", 9007199254740994.0},
        {half + zeros1000 + "1e-1001", 9007199254740994.0},
        {half + zeros1000 + "e-1000", 9007199254740992.0},
        {"0." + zeros1000 + half + "e1016", 9007199254740992.0},
        {"1" + zeros1000, kInfinity},
        {"-1" + zeros1000, -kInfinity},
        {"0." + zeros1000 + "1", 0},
        {"-0." + zeros1000 + "1", -0.0},
        {std::string(2000, '0') + "7", 7},
    });
}

// Short texts take one exact multiplication or division, longer ones the general conversion; both
// must give the nearest double on either side of the boundary.
TEST(TextToNumber, ShortAndLongSignificandsAgree) {
    expectValues({
        {"123456789012345e22", 123456789012345e22},
        {"123456789012345e23", 123456789012345e23},
        {"1234567890123456e22", 1234567890123456e22},
        {"999999999999999e-22", 999999999999999e-22},
        {"999999999999999e-23", 999999999999999e-23},
        {"1e22", 1e22}, {"1e23", 1e23}, {"1e-22", 1e-22}, {"1e-23", 1e-23},
        {"0.000000000000000000000000000000123456789012345e50", 123456789012345e5},
        {"8.98846567431158e307", 8.98846567431158e307},
        {"3.333333333333333", 3.333333333333333},
        {"33333333333333330000000000000000e-31", 3.333333333333333},
    });
}

TEST(TextToNumber, OverflowAndUnderflowBoundaries) {
    constexpr double kLargest = std::numeric_limits<double>::max();
    constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();
    expectValues({
        {"1.7976931348623157e308", kLargest},
        {"1.7976931348623158e308", kLargest},
        {"1.7976931348623159e308", kInfinity},
        {"-1.7976931348623159e308", -kInfinity},
        {"179769313486231570000" + std::string(288, '0'), kLargest},
        {"2.2250738585072014e-308", std::numeric_limits<double>::min()},
        {"4.9406564584124654e-324", kSmallestSubnormal},
        {"3e-324", kSmallestSubnormal},
        {"2.48e-324", kSmallestSubnormal},
        {"2.47e-324", 0},
        {"-2.47e-324", -0.0},
        {"1e-325", 0},
        {"0.00000494e-318", kSmallestSubnormal},
    });
}

}  // namespace
}  // namespace numtext::testing
