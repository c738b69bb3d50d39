// Arbitrary texts, each possibly absent, through compareText.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numtext/numtext.h"
#include "property_check.h"

namespace {

using Text = std::optional<std::string_view>;

// Byte order of unsigned bytes, a proper prefix first: the order compareText promises.
int byteOrder(std::string_view a, std::string_view b) {
    const auto unsignedLess = [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), unsignedLess)) return -1;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), unsignedLess)) return 1;
    return 0;
}

std::string describe(Text a, Text b) {
    return std::string(a ? *a : "<absent>") + " | " + std::string(b ? *b : "<absent>");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::uint8_t absent = provider.ConsumeIntegral<std::uint8_t>();
    const std::string first = provider.ConsumeRandomLengthString();
    const std::string second = provider.ConsumeRandomLengthString();
    const std::string third = provider.ConsumeRemainingBytesAsString();
    const Text a = (absent & 1) ? Text{} : Text{first};
    const Text b = (absent & 2) ? Text{} : Text{second};
    const Text c = (absent & 4) ? Text{} : Text{third};
    const std::string ab = describe(a, b);

    const int order = numtext::compareText(a, b);
    fuzz::check(order >= -1 && order <= 1, "the result is -1, 0 or 1", ab, std::to_string(order));
    fuzz::check(numtext::compareText(b, a) == -order, "swapping the texts negates the result", ab,
                std::to_string(order));
    fuzz::check(numtext::compareText(a, a) == 0, "a text equals itself", ab);
    // An absent text compares like the empty text.
    fuzz::check(order == byteOrder(a.value_or(""), b.value_or("")),
                "the result follows unsigned byte order", ab, std::to_string(order));
    if (a) {
        const std::string extended = std::string(*a) + std::string(b.value_or(""));
        fuzz::check(numtext::compareText(a, extended) == (extended.size() > a->size() ? -1 : 0),
                    "a proper prefix is the smaller", ab);
    }
    const int bc = numtext::compareText(b, c);
    if (order == bc && order != 0) {
        fuzz::check(numtext::compareText(a, c) == order, "the order is transitive",
                    describe(a, b) + " | " + std::string(c.value_or("<absent>")));
    }
    return 0;
}
