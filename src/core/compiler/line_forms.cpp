#include "compiler/line_forms.h"

namespace quillex {
namespace {

std::string QuotedSetting(std::string_view name, std::string_view gap, std::string_view value) {
    std::string line;
    line.reserve(name.size() + gap.size() + value.size() + 2);
    line.append(name).append(gap).append(1, '"').append(value).append(1, '"');
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
    return QuotedSetting(name, "     ", value);
}

std::string SettingLineCompact(std::string_view name, std::string_view value) {
    return QuotedSetting(name, " ", value);
}

}  // namespace quillex
