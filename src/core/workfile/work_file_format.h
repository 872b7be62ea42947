#pragma once

#include <span>
#include <string_view>

#include "model/field.h"

namespace quillex {

// First line of every work file; a file is recognised by this line alone.
inline constexpr std::string_view kWorkFileMagic =
    "<<CS Quillex WRK config file 1.5 - DO NOT MODIFY!!!>>";

// Line that closes the talk phrases; the block has no escape, so no phrase may equal it.
inline constexpr std::string_view kTalkTerminator = "/*/";

// Every stored control in file order, one value after the magic line each (the talk memo
// counts once, as its block).
std::span<const FieldId> WorkFileOrder();

}  // namespace quillex
