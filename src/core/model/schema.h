#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/field.h"

namespace quillex {

// One row of the standard-action grid: both key fields bK and bnK bind the row's command.
struct ActionRow {
    std::string_view label;
    std::string_view defaultKey;
    std::string_view command;        // command of bK
    std::string_view secondCommand;  // command of bnK
    std::string_view labelHint = {};
};

inline constexpr int kActionRows = 42;
inline constexpr int kMessageRows = 12;
inline constexpr int kNickSwitches = 6;
inline constexpr int kBuyRows = 14;
inline constexpr std::string_view kServerNameSuffix = "'s CS Server";
inline constexpr std::string_view kTextureModes[] = {
    "GL_NEAREST_MIPMAP_NEAREST", "GL_LINEAR_MIPMAP_LINEAR", "GL_LINEAR_MIPMAP_NEAREST",
    "GL_NEAREST_MIPMAP_LINEAR"};
// Labels above the spin edits r, g, b.
inline constexpr std::string_view kColourLabels[] = {"Красный", "Зелёный", "Синий"};

// Every setting control of the main window, in window order.
std::span<const FieldDef> Fields();
const FieldDef& Field(FieldId id);

// The id of a control by name; throws std::out_of_range for a name that is no field.
FieldId FieldIdOf(std::string_view name);
std::optional<FieldId> FindField(std::string_view name);

// Id of the n-th field of a numbered row ("b", 7 gives b7). Message fields 11 and 12 are ms11, ms12.
FieldId RowField(std::string_view prefix, int n);
FieldId MessageField(int row);

std::span<const ActionRow> ActionRows();

}  // namespace quillex
