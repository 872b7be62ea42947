#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace quillex {

// The kinds of setting control; each kind fixes how a value is held, compiled and stored.
enum class FieldKind : std::uint8_t {
    Check,     // Boolean tick
    Edit,      // one line of free text
    Key,       // key-capture edit: a game key name
    TrackBar,  // whole number within [min, max]
    Spin,      // spin edit 0..255, held as its text (an unreadable text counts as 0)
    Combo,     // selected item index, -1 for none
    Memo,      // list of lines
};

// Where a control stands in the window: the page and, on it, the group box.
enum class Page : std::uint8_t { Main, Extra, Keys, Scripts, Buy };

using FieldId = std::uint16_t;

struct FieldDef {
    std::string_view name;     // control name, also the objectName in the window
    FieldKind kind;
    Page page;
    std::string_view group;    // caption of the group box holding it, empty for none
    std::string_view caption;  // check-box caption or companion label text (console name)
    std::string_view labelName;  // companion label control ("c7t", "gravl"), empty if none
    std::string_view hint;
    std::string_view labelHint;
    std::string_view defaultText;  // Edit, Key, Spin
    int defaultNumber;             // Check (0/1), TrackBar, Combo
    int min;
    int max;
};

// The number a control holds when given value: a combo index outside the list selects nothing
// (-1); a track bar or spin edit clamps it to [min, max].
inline int HeldNumber(const FieldDef& def, int value) {
    if (def.kind == FieldKind::Combo) return value >= 0 && value <= def.max ? value : -1;
    return std::clamp(value, def.min, def.max);
}

}  // namespace quillex
