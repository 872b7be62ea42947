#pragma once

#include <array>

#include "model/schema.h"

namespace quillex {

// A key field and the edit holding the command it binds (message rows, buy rows).
struct KeyAndText {
    FieldId key;
    FieldId text;
};

// Ids of the numbered rows the compiler walks, resolved once.
struct RowFields {
    std::array<FieldId, kActionRows> actionKeys;        // b1..b42
    std::array<FieldId, kActionRows> actionSecondKeys;  // bn1..bn42
    std::array<KeyAndText, kMessageRows> messages;      // g1..g12 with m1..m10, ms11, ms12
    std::array<FieldId, kNickSwitches> nicks;           // nick1..nick6
    std::array<KeyAndText, kBuyRows> buys;              // z1..z14 with zx1..zx14
    FieldId attackKey;                                  // b10
    FieldId duckKey;                                    // b28
};

const RowFields& Rows();

}  // namespace quillex
