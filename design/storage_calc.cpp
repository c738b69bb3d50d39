// The three calculation handlers: each checks its inputs in a fixed order, reports the first missing
// one in a message box and moves the focus to it, or else computes a lower and an upper volume.
#include <string_view>

#include "design/control_names.h"
#include "design/field_io.h"
#include "design/handlers.h"
#include "design/quota_tables.h"
#include "numtext/numtext.h"

namespace design {
namespace {

using namespace control;

struct Message {
    const char* text;
    const char* title;
    std::string_view focus;  // control that receives the focus afterwards; empty: the focus stays
};

constexpr Message kChooseWaterType{"提示:请选择要计算的用水种类!", "请选择要计算的用水种类!",
                                   kWaterType};
constexpr Message kChooseInnerSource{"提示:请选择有无可靠内水源!一般为无!", "请选择有无可靠内水源!",
                                     kInnerSourceNo};
constexpr Message kEnterPersons{"提示:请输入掩蔽人数!不能大于4位数!", "请输入掩蔽人数!", kPersons};
constexpr Message kDrinkingNeedsDrinkingWater{
    "如果你要计算饮用水贮水量,则用水种类必须选择 饮用水!", "提示!", kWaterType};
constexpr Message kDomesticNeedsDomesticWater{
    "提示:如果要计算生活用水,用水种类必须选择生活用水!", "请选择要计算的用水种类!", {}};
constexpr Message kEnterWashWater{"提示:请输入口部冲洗用水量,若不想计算则按5立方计算!",
                                  "请输入口部用水量!", kWashWater};
constexpr Message kDrinkingFirst{"请先计算饮用水贮存量!", "提示!", kDrinkingButton};
constexpr Message kDomesticFirst{"请先计算生活用水贮存量!", "提示!", kDomesticButton};

void report(WindowOps& window, const Message& message) {
    window.showMessage(message.text, message.title);
    if (!message.focus.empty()) window.setFocus(message.focus);
}

bool isWaterTypeEmpty(WindowOps& window) {
    return numtext::compareText(window.comboText(kWaterType), "") == 0;
}

bool isInnerSourceUnchosen(WindowOps& window) {
    return window.isChecked(kInnerSourceYes) == 0 && window.isChecked(kInnerSourceNo) == 0;
}

// A negative count of persons or volume of wash water is refused like a missing one: it would only
// give negative storage volumes.
bool isMissingOrNegative(WindowOps& window, std::string_view field) {
    return isFieldEmpty(window, field) || fieldValue(window, field) < 0;
}

// quota × days × persons / 1000 for one bound, every input read now. x86-64 computes doubles in SSE2
// registers, so each named intermediate is the double that is stored.
double storageVolume(WindowOps& window, std::string_view quotaField, std::string_view daysField) {
    const double quota = fieldValue(window, quotaField);
    const double days = fieldValue(window, daysField);
    const double persons = fieldValue(window, kPersons);
    const double litres = quota * days * persons;
    const double cubicMetres = litres / 1000.0;
    return cubicMetres;
}

double domesticVolume(WindowOps& window, std::string_view quotaField, std::string_view daysField) {
    const double storage = storageVolume(window, quotaField, daysField);
    const double washWater = fieldValue(window, kWashWater);
    const double volume = storage + washWater;
    return volume;
}

double sumOfFields(WindowOps& window, std::string_view first, std::string_view second) {
    const double a = fieldValue(window, first);
    const double b = fieldValue(window, second);
    const double sum = a + b;
    return sum;
}

}  // namespace

void onDrinkingCalcClicked(WindowOps& window) {
    if (isWaterTypeEmpty(window)) return report(window, kChooseWaterType);
    if (isInnerSourceUnchosen(window)) return report(window, kChooseInnerSource);
    if (isMissingOrNegative(window, kPersons)) return report(window, kEnterPersons);
    if (window.selectionIndex(kWaterType) == kDomesticWater) {
        return report(window, kDrinkingNeedsDrinkingWater);
    }
    if (window.selectionIndex(kWaterType) != kDrinkingWater) return;
    setFieldNumber(window, kDrinkingLower, storageVolume(window, kQuotaLower, kDaysLower));
    setFieldNumber(window, kDrinkingUpper, storageVolume(window, kQuotaUpper, kDaysUpper));
}

void onDomesticCalcClicked(WindowOps& window) {
    if (window.selectionIndex(kWaterType) == kDrinkingWater) {
        // Switch to domestic water and refresh the quota, the days and the external source exactly
        // as choosing it would, so that the volumes are not computed from the drinking quotas.
        // setSelectionIndex raises no event, hence the direct call.
        report(window, kDomesticNeedsDomesticWater);
        window.setSelectionIndex(kWaterType, kDomesticWater);
        onWaterTypeSelected(window);
    }
    if (isWaterTypeEmpty(window)) return report(window, kChooseWaterType);
    if (isInnerSourceUnchosen(window)) return report(window, kChooseInnerSource);
    if (isMissingOrNegative(window, kPersons)) return report(window, kEnterPersons);
    if (isMissingOrNegative(window, kWashWater)) return report(window, kEnterWashWater);
    setFieldNumber(window, kDomesticLower, domesticVolume(window, kQuotaLower, kDaysLower));
    setFieldNumber(window, kDomesticUpper, domesticVolume(window, kQuotaUpper, kDaysUpper));
}

void onTotalCalcClicked(WindowOps& window) {
    if (isFieldEmpty(window, kDrinkingLower) || isFieldEmpty(window, kDrinkingUpper)) {
        return report(window, kDrinkingFirst);
    }
    if (isFieldEmpty(window, kDomesticLower) || isFieldEmpty(window, kDomesticUpper)) {
        return report(window, kDomesticFirst);
    }
    setFieldNumber(window, kTotalLower, sumOfFields(window, kDrinkingLower, kDomesticLower));
    setFieldNumber(window, kTotalUpper, sumOfFields(window, kDrinkingUpper, kDomesticUpper));
}

}  // namespace design
