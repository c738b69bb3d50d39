#include "numtext/numtext.h"

namespace numtext {

int compareText(std::optional<std::string_view> a, std::optional<std::string_view> b) noexcept {
    if (!a) return (!b || b->empty()) ? 0 : -1;
    if (!b) return a->empty() ? 0 : 1;
    // char_traits<char> compares bytes as unsigned char, so a lead byte of 0x80 or above sorts after
    // every ASCII byte.
    const int order = a->compare(*b);
    return (order > 0) - (order < 0);
}

}  // namespace numtext
