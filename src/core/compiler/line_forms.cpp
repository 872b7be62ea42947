#include "compiler/line_forms.h"

#include <algorithm>

namespace quillex {
namespace {

std::string QuotedSetting(std::string_view name, std::string_view gap, std::string_view value) {
    std::string line(name.size() + gap.size() + value.size() + 2, '"');
    char* out = std::copy(name.begin(), name.end(), line.data());
    out = std::copy(gap.begin(), gap.end(), out);
    std::copy(value.begin(), value.end(), out + 1);  // between the two quotes
    return line;
}

}  // namespace

std::string BoolDigit(bool on) {
    return on ? "1" : "0";
}

std::string TenthsValue(int position) {
    return position == 10 ? "1" : "0." + std::to_string(position);
}

std::string SettingLine(std::string_view name, std::string_view value) {
    return QuotedSetting(name, kSettingGap, value);
}

std::string SettingLineCompact(std::string_view name, std::string_view value) {
    return QuotedSetting(name, kSettingGapCompact, value);
}

}  // namespace quillex
