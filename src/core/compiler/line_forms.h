#pragma once

#include <string>
#include <string_view>

namespace quillex {

// "1" for a ticked check box, "0" otherwise; work files use the same digits.
std::string BoolDigit(bool on);

// A track bar in tenths: 10 is "1", any other position p is "0.p" (so 0 gives "0.0").
std::string TenthsValue(int position);

// What stands between a setting's name and its quoted value.
inline constexpr std::string_view kSettingGap = "     ";
inline constexpr std::string_view kSettingGapCompact = " ";

// name, five spaces, the value in double quotes; nothing is escaped.
std::string SettingLine(std::string_view name, std::string_view value);

// The cut version's form: one space instead of five.
std::string SettingLineCompact(std::string_view name, std::string_view value);

}  // namespace quillex
