#include "reference_number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "reference_conversions.h"

namespace numtext::testing {
namespace {

// Rounds the digit string to its first `keep` digits on the digit after them, half away from zero; a
// carry out of the first digit raises the exponent.
void roundHalfUp(std::string& digits, int& exponent, std::size_t keep) {
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (!up) return;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    ++exponent;
}

std::string withoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string nonFiniteText(std::uint64_t bits) {
    const bool negative = bits >> 63;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (fraction == 0) return negative ? "-1.#INF" : "1.#INF";
    if (bits == 0xFFF8000000000000) return "-1.#IND";
    const bool quiet = fraction >> 51;
    return std::string(negative ? "-" : "") + (quiet ? "1.#QNAN" : "1.#SNAN");
}

}  // namespace

std::string referenceNumberText(double value) {
    if (std::isnan(value) || std::isinf(value)) return nonFiniteText(std::bit_cast<std::uint64_t>(value));
    if (value == 0) return "0";

    LeadingDigits exact = exactLeadingDigits(std::fabs(value), 18);
    roundHalfUp(exact.digits, exact.exponent, 17);
    roundHalfUp(exact.digits, exact.exponent, 13);
    const int e = exact.exponent;
    const std::string text = (e < -4 || e >= 13) ? exponentForm(exact.digits, e) : plainForm(exact.digits, e);
    return value < 0 ? "-" + text : text;
}

std::string plainForm(std::string digits, int exponent) {
    if (exponent < 0) return withoutTrailingZeros(std::string("0.").append(-exponent - 1, '0') + digits);
    const std::size_t integerDigits = exponent + 1;
    if (digits.size() <= integerDigits) return digits.append(integerDigits - digits.size(), '0');
    return withoutTrailingZeros(digits.insert(integerDigits, "."));
}

std::string exponentForm(std::string digits, int exponent) {
    const int magnitude = std::abs(exponent);
    const char exponentText[] = {'e', exponent < 0 ? '-' : '+', static_cast<char>('0' + magnitude / 100),
                                 static_cast<char>('0' + magnitude / 10 % 10), static_cast<char>('0' + magnitude % 10),
                                 '\0'};
    return withoutTrailingZeros(digits.insert(1, ".")) + exponentText;
}

}  // namespace numtext::testing
