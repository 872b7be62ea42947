#pragma once

#include <optional>
#include <string_view>

namespace quillex {

// Reads a work-file line as a whole number the way the old Pascal StrToInt did:
// leading blanks (space, tab) are skipped, then an optional "+" or "-", then decimal digits or,
// after "$", "x", "X", "0x" or "0X", hexadecimal digits. Nothing may follow the digits (a
// trailing blank is an error). The value, sign included, must fit a 32-bit signed integer; this
// holds for hexadecimal too, so "$FFFFFFFF" is out of range rather than -1.
std::optional<int> ParseWorkFileInteger(std::string_view text);

// Reads a check-box line: "true" or "false" in any letter case, or a number, which is on when
// it is not zero. A number is anything ParseWorkFileInteger takes (whatever its size) or a
// decimal fraction with an optional exponent ("0.5", "-1e3", ".0"), after optional blanks.
std::optional<bool> ParseWorkFileBoolean(std::string_view text);

}  // namespace quillex
