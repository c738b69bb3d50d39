// Arbitrary bytes through foldFullWidth.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "property_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string folded = numtext::foldFullWidth(text);

    fuzz::check(folded.size() <= text.size(), "the fold never lengthens a text", text, folded);
    // Zero bytes are never produced (every replacement is 0x20..0x7E) and never dropped (only a
    // final lead byte, 0x80 or above, is).
    fuzz::check(std::count(folded.begin(), folded.end(), '\0') ==
                    std::count(text.begin(), text.end(), '\0'),
                "the fold keeps the zero bytes", text, folded);
    // The fold keeps pairs as pairs and replaces others by single bytes, so its result contains
    // nothing left to fold and ends on a character boundary.
    fuzz::check(numtext::foldFullWidth(folded) == folded, "folding a folded text changes nothing",
                text, folded);
    const std::string twice = folded + folded;
    fuzz::check(numtext::foldFullWidth(twice) == twice,
                "two folded texts in a row fold to themselves", text, folded);
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        fuzz::check(folded == text, "an ASCII text folds to itself", text, folded);
    }
    return 0;
}
