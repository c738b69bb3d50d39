#include "design/quota_tables.h"

namespace design {
namespace {

constexpr std::int32_t kProjectTypeCount = 3;
constexpr std::int32_t kWaterTypeCount = 2;

constexpr unsigned kProjectType0 = 1u << 0;
constexpr unsigned kProjectTypes1And2 = (1u << 1) | (1u << 2);
constexpr unsigned kAnyProjectType = kProjectType0 | kProjectTypes1And2;

// Litres per person per day, by project type (rows) and water use type (drinking, domestic).
constexpr BoundLiterals kQuotas[kProjectTypeCount][kWaterTypeCount] = {
    {{"5", "6"}, {"9", "9"}},  // 专业队队员掩蔽部
    {{"3", "6"}, {"4", "4"}},  // 人员掩蔽工程
    {{"3", "6"}, {"4", "4"}},  // 人防物资库
};

constexpr StorageDayRow kStorageDayRows[] = {
    {InnerSource::Present, kDrinkingWater, kAnyProjectType, std::nullopt, {"2", "3"}},
    {InnerSource::Present, kDomesticWater, kProjectType0, std::nullopt, {"4", "8"}},
    {InnerSource::Present, kDomesticWater, kProjectTypes1And2, std::nullopt, {"0", "0"}},
    {InnerSource::Absent, kDrinkingWater, kAnyProjectType, std::nullopt, {"15", "15"}},
    {InnerSource::Absent, kDomesticWater, kAnyProjectType, kExternalSourcePresent, {"3", "7"}},
    {InnerSource::Absent, kDomesticWater, kAnyProjectType, kNoExternalSource, {"7", "14"}},
};

bool isProjectType(std::int32_t index) { return index >= 0 && index < kProjectTypeCount; }

}  // namespace

bool StorageDayRow::matches(InnerSource inner, const DesignChoices& choices) const {
    return inner == innerSource && choices.waterType == waterType &&
           isProjectType(choices.projectType) && (projectTypes >> choices.projectType & 1u) != 0 &&
           (!externalSource || choices.externalSource == *externalSource);
}

const BoundLiterals* findQuota(const DesignChoices& choices) {
    if (!isProjectType(choices.projectType) || choices.waterType < 0 ||
        choices.waterType >= kWaterTypeCount) {
        return nullptr;
    }
    return &kQuotas[choices.projectType][choices.waterType];
}

std::span<const StorageDayRow> storageDayRows() { return kStorageDayRows; }

const StorageDayRow* findStorageDays(InnerSource inner, const DesignChoices& choices) {
    for (const StorageDayRow& row : kStorageDayRows) {
        if (row.matches(inner, choices)) return &row;
    }
    return nullptr;
}

}  // namespace design
