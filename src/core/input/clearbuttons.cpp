#include "input/clearbuttons.h"

#include <deque>
#include <string>

#include "model/schema.h"

namespace quillex {
namespace {

constexpr std::string_view kClear = "Очистить";

std::vector<ClearButton> BuildButtons() {
    static std::deque<std::string> names;
    std::vector<ClearButton> buttons;
    int number = 3;
    auto add = [&](std::vector<FieldId> fields, std::string_view hint = kClear,
                   bool helpCursor = false) {
        const std::string& name = names.emplace_back("SpeedButton" + std::to_string(number++));
        buttons.push_back({name, hint, helpCursor, std::move(fields)});
    };
    for (int row = 1; row <= kMessageRows; ++row)
        add({MessageField(row), RowField("g", row)});
    for (std::string_view key : {"v1", "v2", "v3", "v4", "v5", "h", "c", "net1", "net2"})
        add({FieldIdOf(key)});
    add({FieldIdOf("zn1"), FieldIdOf("czn1")});
    add({FieldIdOf("zn2"), FieldIdOf("czn2")});
    for (int row = 1; row <= kBuyRows; ++row) add({RowField("z", row)});
    std::vector<FieldId> grid;
    for (std::string_view prefix : {"b", "bn"}) {
        for (int k = 1; k <= kActionRows; ++k) grid.push_back(RowField(prefix, k));
    }
    add(std::move(grid), "ОЧИСТИТЬ ВСЁ!!!!", true);
    return buttons;
}

}  // namespace

std::span<const ClearButton> ClearButtons() {
    static const std::vector<ClearButton> buttons = BuildButtons();
    return buttons;
}

}  // namespace quillex
