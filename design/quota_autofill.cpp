// The five handlers that fill in the design quotas and storage days when a design choice changes.
// Every quota and storage-day row needs a chosen project type and water use type, so a choice that is
// still -1 makes the lookups find nothing and the fields keep their texts.
#include <optional>

#include "design/control_names.h"
#include "design/field_io.h"
#include "design/handlers.h"
#include "design/quota_tables.h"

namespace design {
namespace {

using namespace control;

constexpr const char* kSelectedCaption = "已选中";
constexpr const char* kNotSelectedCaption = "未选";

std::optional<InnerSource> checkedInnerSource(WindowOps& window) {
    if (window.isChecked(kInnerSourceYes) != 0) return InnerSource::Present;
    if (window.isChecked(kInnerSourceNo) != 0) return InnerSource::Absent;
    return std::nullopt;
}

void writeQuota(WindowOps& window) {
    if (const BoundLiterals* quota = findQuota(readDesignChoices(window))) {
        setFieldPairFromLiterals(window, kQuotaLower, kQuotaUpper, *quota);
    }
}

void writeDays(WindowOps& window, const StorageDayRow& row) {
    setFieldPairFromLiterals(window, kDaysLower, kDaysUpper, row.days);
}

// Writes the days of the row for `inner` that matches the choices as they stand now.
void writeMatchingDays(WindowOps& window, InnerSource inner) {
    if (const StorageDayRow* row = findStorageDays(inner, readDesignChoices(window))) {
        writeDays(window, *row);
    }
}

void showInnerSourceStatus(WindowOps& window, InnerSource inner) {
    const bool present = inner == InnerSource::Present;
    window.setCaption(kInnerSourceYesStatus, present ? kSelectedCaption : kNotSelectedCaption);
    window.setCaption(kInnerSourceNoStatus, present ? kNotSelectedCaption : kSelectedCaption);
}

bool isDomesticWaterChosen(WindowOps& window) {
    return window.selectionIndex(kWaterType) == kDomesticWater;
}

}  // namespace

void onProjectTypeSelected(WindowOps& window) {
    writeQuota(window);
    if (window.isChecked(kInnerSourceYes) != 0) writeMatchingDays(window, InnerSource::Present);
    if (window.isChecked(kInnerSourceNo) != 0) writeMatchingDays(window, InnerSource::Absent);
}

void onWaterTypeSelected(WindowOps& window) {
    if (!isDomesticWaterChosen(window)) {
        window.setEnabled(kExternalSource, false);
    } else if (window.isChecked(kInnerSourceNo) != 0) {
        window.setEnabled(kExternalSource, true);
    }
    writeQuota(window);
    if (const std::optional<InnerSource> inner = checkedInnerSource(window)) {
        writeMatchingDays(window, *inner);
    }
}

void onInnerSourceYesClicked(WindowOps& window) {
    showInnerSourceStatus(window, InnerSource::Present);
    window.setEnabled(kExternalSource, false);
    writeMatchingDays(window, InnerSource::Present);
}

void onInnerSourceNoClicked(WindowOps& window) {
    showInnerSourceStatus(window, InnerSource::Absent);
    if (window.isChecked(kInnerSourceNo) == 0) {
        window.setEnabled(kExternalSource, false);
    } else if (isDomesticWaterChosen(window)) {
        window.setEnabled(kExternalSource, true);
    }
    writeMatchingDays(window, InnerSource::Absent);
}

void onExternalSourceSelected(WindowOps& window) {
    // Only the rows that depend on the external source, each tested on its own with the choices read
    // afresh: writing the days of one raises text-changed events before the next is tested.
    for (const StorageDayRow& row : storageDayRows()) {
        if (!row.externalSource) continue;
        if (window.isChecked(kInnerSourceNo) != 0 &&
            row.matches(InnerSource::Absent, readDesignChoices(window))) {
            writeDays(window, row);
        }
    }
}

}  // namespace design
