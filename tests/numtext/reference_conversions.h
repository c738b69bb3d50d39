// Conversions done another way than numtext does them, as references for the differential tests: the
// C runtime's printf and strtod, which are exact in glibc and in mingw-w64's own stdio.
#pragma once

#include <string>

namespace numtext::testing {

// The leading significant digits of a finite, positive double's exact decimal expansion, cut off
// (not rounded) after `count` digits, and the decimal exponent of the first digit.
struct LeadingDigits {
    std::string digits;
    int exponent;
};
LeadingDigits exactLeadingDigits(double magnitude, int count);

// The exact decimal expansion of a long double, in the "%.Le" form with every digit it has.
std::string exactDecimal(long double value);

// The nearest double to a decimal text in the C locale's strtod syntax.
double referenceStrtod(const std::string& text);

}  // namespace numtext::testing
