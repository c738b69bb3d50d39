// Number and text conversion for the calculator's fields. Texts are GBK byte strings without zero
// bytes; std::nullopt stands for an absent text, which is distinct from the empty text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// Replaces the full-width forms of ASCII characters (GBK A3A1..A3FE), the ideographic space, the
// full-width tilde and the two stars by their one-byte counterparts; every other double-byte
// character is kept. A lead byte at the very end is dropped. The result is never longer than the
// argument. Does not throw except std::bad_alloc.
std::string foldFullWidth(std::string_view text);

// The value of a field text, folded as foldFullWidth does: the longest prefix of the form
// [sign] mantissa [exponent] after leading white space (bytes 09 to 0D and 20), with "e", "E", "d" or
// "D" as exponent markers and the exponent's value counting at most 5201, correctly rounded to the
// nearest double (an exact tie to the even one) whatever the locale. No mantissa gives +0; overflow
// gives an infinity, underflow a zero with the text's sign. Never fails, does not allocate.
double textToNumber(std::string_view text) noexcept;

// The text of a result: the "%.13g" form with a three-digit exponent, rounded from the exact decimal
// value first to 17 and then to 13 significant digits, ties away from zero; "1.#INF", "-1.#INF",
// "-1.#IND", "1.#QNAN", "1.#SNAN" for the non-finite values. Always 1 to 20 ASCII bytes.
std::string numberToText(double value);

// -1, 0 or 1: unsigned byte order, a proper prefix being the smaller; an absent text equals the
// empty text and is smaller than any other.
int compareText(std::optional<std::string_view> a, std::optional<std::string_view> b) noexcept;

}  // namespace numtext
