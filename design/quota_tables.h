// The design quotas as data: the water use quota of each (project type, water use type) and the six
// rows of storage days. The handlers look values up here instead of testing the choices themselves.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace design {

// Selection indices of the water use type and the external water source.
inline constexpr std::int32_t kDrinkingWater = 0;
inline constexpr std::int32_t kDomesticWater = 1;
inline constexpr std::int32_t kNoExternalSource = 0;
inline constexpr std::int32_t kExternalSourcePresent = 1;

// A lower and an upper bound, as the short decimal literals that are written into a pair of fields.
struct BoundLiterals {
    const char* lower;
    const char* upper;
};

enum class InnerSource { Present, Absent };

// The selection indices of the three combo-box choices as they stand; -1 means nothing chosen.
struct DesignChoices {
    std::int32_t projectType;
    std::int32_t waterType;
    std::int32_t externalSource;
};

// One row of storage days: the days apply when the internal source, the water use type, the project
// type and (where the row names one) the external source all match.
struct StorageDayRow {
    InnerSource innerSource;
    std::int32_t waterType;
    unsigned projectTypes;                       // bit i set: applies to project type i
    std::optional<std::int32_t> externalSource;  // nullopt: whatever the external source
    BoundLiterals days;

    // Whether the row applies. A choice of -1 matches no row.
    bool matches(InnerSource inner, const DesignChoices& choices) const;
};

// The water use quota for the choices, or nullptr when the project type or the water use type is not
// one of the table's (nothing chosen).
const BoundLiterals* findQuota(const DesignChoices& choices);

// Every storage-day row, in table order; the rows are mutually exclusive.
std::span<const StorageDayRow> storageDayRows();

// The first row that applies to (inner, choices), or nullptr.
const StorageDayRow* findStorageDays(InnerSource inner, const DesignChoices& choices);

}  // namespace design
