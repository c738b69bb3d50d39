#include "numtext/full_width_fold.h"
#include "numtext/numtext.h"

namespace numtext {

std::string foldFullWidth(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded += text[i];
            continue;
        }
        // A lead byte with no trail byte after it is dropped.
        if (i + 1 == text.size()) break;
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (const auto single = foldedPair(lead, trail)) {
            folded += static_cast<char>(*single);
        } else {
            folded += text.substr(i, 2);
        }
        ++i;
    }
    return folded;
}

}  // namespace numtext
