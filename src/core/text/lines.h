#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillex {

// A memo's lines: its text split at line breaks (CR LF, LF or CR); a break at the very end of
// the text starts no further line, and an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF, as the program writes files.
std::string JoinCrLf(const std::vector<std::string>& lines);

// The error report's rule: a full stop is added when the last character sorts after '.'
// (a letter, a digit); texts ending in '.', '!' or ')' stay as they are.
std::string WithFullStop(std::string text);

}  // namespace quillex
