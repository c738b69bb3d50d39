// The fold of one GBK double-byte character to its one-byte ASCII counterpart, shared by
// foldFullWidth and the parser of textToNumber (which folds as it reads, without a copy).
#pragma once

#include <optional>

namespace numtext {

// The pairs that fold to one byte. A rule covers the trail bytes firstTrail..lastTrail of one lead
// byte; with `consecutive` the replacements run on from `replacement` in step with the trail byte,
// otherwise every trail byte of the range gets `replacement`.
struct FullWidthFoldRule {
    unsigned char lead;
    unsigned char firstTrail;
    unsigned char lastTrail;
    unsigned char replacement;
    bool consecutive;
};

inline constexpr FullWidthFoldRule kFullWidthFoldRules[] = {
    {0xA3, 0xA1, 0xFE, 0x21, true},   // full-width forms of "!" to "~": "０" is "0", "．" is "."
    {0xA1, 0xA1, 0xA1, 0x20, false},  // ideographic space "　"
    {0xA1, 0xAB, 0xAB, 0x7E, false},  // "～"
    {0xA1, 0xEE, 0xEF, 0x2A, false},  // "☆" and "★" become "*"
};

// The byte that the double-byte character lead, trail folds to, or nothing when it stays as it is.
inline constexpr std::optional<unsigned char> foldedPair(unsigned char lead, unsigned char trail) {
    for (const FullWidthFoldRule& rule : kFullWidthFoldRules) {
        if (lead == rule.lead && trail >= rule.firstTrail && trail <= rule.lastTrail) {
            return rule.consecutive
                       ? static_cast<unsigned char>(rule.replacement + (trail - rule.firstTrail))
                       : rule.replacement;
        }
    }
    return std::nullopt;
}

}  // namespace numtext
