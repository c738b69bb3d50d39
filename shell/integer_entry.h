// The input rules of the two integer boxes (persons, wash water).
#pragma once

#include <string>
#include <string_view>

// Whether a typed character (UTF-16 code unit) is taken: control characters below 32 always, of the
// others only "-" and the digits "0" to "9".
bool integerEntryAccepts(unsigned int character);

// The text a box holds after losing the focus: read as a C integer (leading white space, optional
// sign, digits up to the first non-digit, no digit giving 0), clamped to 32 bits, "0" written as "".
std::string normalizedIntegerText(std::string_view text);

// Where the caret goes after the text was replaced: where the selection began, at most the end.
int caretAfterNormalizing(int selectionStart, int newLength);
