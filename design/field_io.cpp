#include "design/field_io.h"

#include <optional>

#include "design/control_names.h"
#include "numtext/numtext.h"

namespace design {

void setFieldFromLiteral(WindowOps& window, std::string_view field, const char* literal) {
    setFieldNumber(window, field, numtext::textToNumber(literal));
}

void setFieldPairFromLiterals(WindowOps& window, std::string_view lowerField,
                              std::string_view upperField, const BoundLiterals& bounds) {
    setFieldFromLiteral(window, lowerField, bounds.lower);
    setFieldFromLiteral(window, upperField, bounds.upper);
}

bool isFieldEmpty(WindowOps& window, std::string_view field) {
    const Text text = window.editText(field);
    const std::optional<std::string_view> view =
        text ? std::optional<std::string_view>(*text) : std::nullopt;
    return numtext::compareText(view, "") == 0;
}

double fieldValue(WindowOps& window, std::string_view field) {
    return numtext::textToNumber(window.editText(field).value_or(""));
}

void setFieldNumber(WindowOps& window, std::string_view field, double value) {
    window.setEditText(field, numtext::numberToText(value));
}

DesignChoices readDesignChoices(WindowOps& window) {
    return {window.selectionIndex(control::kProjectType), window.selectionIndex(control::kWaterType),
            window.selectionIndex(control::kExternalSource)};
}

}  // namespace design
