#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "model/field.h"

namespace quillex {

// A clear button and the key-row fields it empties, in order.
struct ClearButton {
    std::string_view name;  // "SpeedButton3" ... "SpeedButton40"
    std::string_view hint;
    bool helpCursor;  // the "clear all" button shows the help cursor, the others a pointing hand
    std::vector<FieldId> fields;
};

std::span<const ClearButton> ClearButtons();

}  // namespace quillex
