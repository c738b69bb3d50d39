// How a fuzz target reports a broken property: it prints the property, the input and what the code
// under test gave, then aborts, so that libFuzzer stops and keeps the input as a crash file.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

// Writes bytes as a C string literal, so that a failing input can be pasted into a unit test.
inline void printEscaped(const char* label, std::string_view bytes) {
    std::fprintf(stderr, "  %s: \"", label);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            std::fputc(byte, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X\"\"", byte);
        }
    }
    std::fprintf(stderr, "\" (%zu bytes)\n", bytes.size());
}

inline void check(bool holds, const char* property, std::string_view input,
                  std::string_view result = {}) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    printEscaped("input", input);
    printEscaped("result", result);
    std::abort();
}

}  // namespace fuzz
