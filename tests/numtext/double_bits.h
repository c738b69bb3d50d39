// Doubles compared and shown by their bit patterns, so that -0 differs from +0 and NaNs by payload.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

namespace numtext::testing {

inline std::uint64_t bitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }
inline double fromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

// "%.17g" and the bit pattern, for failure messages.
inline std::string describe(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%016llx)", value,
                  static_cast<unsigned long long>(bitsOf(value)));
    return text;
}

// Shows a text with every byte outside printable ASCII as \xHH.
inline std::string printable(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return shown;
}

}  // namespace numtext::testing
