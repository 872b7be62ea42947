#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quillex {

// An item of a message field's pop-up menu: a radio command, put only into an empty field, or a
// chat command, which starts an empty field or is appended after ";".
enum class QuickFillKind { Radio, Chat };

struct QuickFillItem {
    QuickFillKind kind;
    std::string_view caption;
    std::string_view text;
};

// Radio items of the submenu come in groups of this many, separated by a line.
inline constexpr int kRadioGroupSize = 4;

// The twelve radio items in menu order, then the two chat items.
std::span<const QuickFillItem> QuickFillItems();

// The field's text after choosing `item` on a field holding `current`.
std::string QuickFill(const std::string& current, const QuickFillItem& item);

}  // namespace quillex
