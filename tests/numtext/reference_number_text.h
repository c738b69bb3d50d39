// The text of a double built from its exact decimal digits as printf gives them, by the written
// rules: digit 18 rounds to 17 digits, digit 14 of those to 13, the form follows the exponent.
#pragma once

#include <string>

namespace numtext::testing {

std::string referenceNumberText(double value);

// The two forms of the significant digits d1 d2 ... (at most 13) times 10^exponent, where exponent
// is that of d1, trailing zeros after the point removed: plainForm gives "1200", "12.5", "0.00125",
// exponentForm gives "1.25e+015", "1e-005".
std::string plainForm(std::string digits, int exponent);
std::string exponentForm(std::string digits, int exponent);

}  // namespace numtext::testing
