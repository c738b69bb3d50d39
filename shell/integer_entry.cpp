#include "shell/integer_entry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// White space as the C library's isspace sees it in the "C" locale; a GBK byte of a double-byte
// character is never one of these.
bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool integerEntryAccepts(unsigned int character) {
    return character < 32 || character == '-' || (character >= '0' && character <= '9');
}

std::string normalizedIntegerText(std::string_view text) {
    constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

    std::size_t at = 0;
    while (at < text.size() && isCSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

    // The magnitude stops growing at that of the smallest int32, so any run of digits is safe and
    // the clamp below still sees every value out of range.
    std::int64_t magnitude = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), -kInt32Min);
    }
    const std::int64_t value = std::clamp(negative ? -magnitude : magnitude, kInt32Min, kInt32Max);
    return value == 0 ? std::string() : std::to_string(value);
}

int caretAfterNormalizing(int selectionStart, int newLength) {
    return std::max(0, std::min(selectionStart, newLength));
}
