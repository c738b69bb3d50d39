#include "reference_conversions.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace numtext::testing {
namespace {

// Every double and every 80-bit long double in use here (the midpoints of doubles) has fewer
// significant digits than this, so "%.*e" with it prints the exact value.
constexpr int kExactPrecision = 800;

// mingw-w64 maps the C stdio names to its own exact implementation only under __USE_MINGW_ANSI_STDIO,
// so call it by name there.
template <typename... Args>
int formatExactly(char* buffer, std::size_t size, const char* format, Args... args) {
#if defined(__MINGW32__)
    return __mingw_snprintf(buffer, size, format, args...);
#else
    return std::snprintf(buffer, size, format, args...);
#endif
}

// A precision at which "%.*e" prints every significant digit of a finite positive double M x 2^E
// (M odd): an integer (E >= 0) has at most 309 digits; otherwise the value is M x 5^-E / 10^-E, whose
// digits number at most 16 for M plus 0.7 for each factor 5.
int exactPrecision(double magnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = biased == 0 ? -1074 : biased - 1075;
    if (biased != 0) significand |= std::uint64_t{1} << 52;
    exponent += std::countr_zero(significand);
    return exponent >= 0 ? 310 : std::min(kExactPrecision, 17 - exponent);
}

std::string scientific(double value, int precision) {
    std::vector<char> buffer(precision + 16);
    formatExactly(buffer.data(), buffer.size(), "%.*e", precision, value);
    return buffer.data();
}

}  // namespace

LeadingDigits exactLeadingDigits(double magnitude, int count) {
    // Printing a few more digits than needed, correctly rounded, shows the cut-off digits unless the
    // rounding carried into them, which leaves only zeros behind; then print the whole expansion.
    constexpr int kGuardDigits = 8;
    std::string text = scientific(magnitude, count + kGuardDigits - 1);
    if (text.find_first_not_of('0', count + 1) == static_cast<std::size_t>(count + kGuardDigits + 1)) {
        text = scientific(magnitude, exactPrecision(magnitude));
    }
    const std::size_t e = text.find('e');
    if (e == std::string::npos || text[1] != '.') throw std::runtime_error("unexpected printf form " + text);
    LeadingDigits result;
    result.digits = text.substr(0, 1) + text.substr(2, count - 1);
    result.exponent = std::atoi(text.c_str() + e + 1);
    return result;
}

std::string exactDecimal(long double value) {
    std::vector<char> buffer(kExactPrecision + 16);
    formatExactly(buffer.data(), buffer.size(), "%.*Le", kExactPrecision, value);
    std::string text = buffer.data();
    const std::size_t e = text.find('e');
    const std::size_t lastDigit = text.find_last_not_of('0', e - 1);
    return text.substr(0, lastDigit + 1) + text.substr(e);
}

double referenceStrtod(const std::string& text) {
#if defined(__MINGW32__)
    return __mingw_strtod(text.c_str(), nullptr);
#else
    return std::strtod(text.c_str(), nullptr);
#endif
}

}  // namespace numtext::testing
