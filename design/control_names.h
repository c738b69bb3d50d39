// The names of the main window's controls that the design handlers read and write.
#pragma once

#include <string_view>

namespace design::control {

// Design choices.
inline constexpr std::string_view kProjectType = "工程类别";
inline constexpr std::string_view kWaterType = "用水种类";
inline constexpr std::string_view kExternalSource = "防护外水源";
inline constexpr std::string_view kInnerSourceYes = "有可靠内水源";
inline constexpr std::string_view kInnerSourceNo = "无可靠内水源";

// Status labels beside the two radio buttons.
inline constexpr std::string_view kInnerSourceYesStatus = "标签6";
inline constexpr std::string_view kInnerSourceNoStatus = "标签7";

// Typed inputs.
inline constexpr std::string_view kPersons = "掩蔽人数";
inline constexpr std::string_view kWashWater = "口部冲洗水量";

// Quota and storage-day fields, lower bound first.
inline constexpr std::string_view kQuotaLower = "编辑框1";
inline constexpr std::string_view kQuotaUpper = "编辑框2";
inline constexpr std::string_view kDaysLower = "编辑框3";
inline constexpr std::string_view kDaysUpper = "编辑框4";

// Result fields, lower bound first.
inline constexpr std::string_view kDrinkingLower = "编辑框5";
inline constexpr std::string_view kDrinkingUpper = "编辑框6";
inline constexpr std::string_view kDomesticLower = "编辑框7";
inline constexpr std::string_view kDomesticUpper = "编辑框8";
inline constexpr std::string_view kTotalLower = "编辑框11";
inline constexpr std::string_view kTotalUpper = "编辑框12";

// Calculation buttons.
inline constexpr std::string_view kDrinkingButton = "按钮1";
inline constexpr std::string_view kDomesticButton = "按钮2";

}  // namespace design::control
