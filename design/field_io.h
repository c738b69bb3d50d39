// Reading and writing the numeric fields of the main window.
#pragma once

#include <string_view>

#include "design/quota_tables.h"
#include "shell/window_ops.h"

namespace design {

// Writes a literal value into an edit box as a number: the literal is read with textToNumber and the
// number written with numberToText, so the field shows the program's own text of the value.
void setFieldFromLiteral(WindowOps& window, std::string_view field, const char* literal);

// Writes a pair of bounds through setFieldFromLiteral, the lower bound first.
void setFieldPairFromLiterals(WindowOps& window, std::string_view lowerField,
                              std::string_view upperField, const BoundLiterals& bounds);

// Whether the field's text is empty; an absent text counts as empty.
bool isFieldEmpty(WindowOps& window, std::string_view field);

// The number a field holds (textToNumber of its text); an absent text is read as the empty text, 0.
double fieldValue(WindowOps& window, std::string_view field);

// Writes numberToText(value) into an edit box.
void setFieldNumber(WindowOps& window, std::string_view field, double value);

// The selection indices of the three combo-box choices, read now.
DesignChoices readDesignChoices(WindowOps& window);

}  // namespace design
