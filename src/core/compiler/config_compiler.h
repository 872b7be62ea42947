#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compiler/line_forms.h"
#include "model/settings.h"

namespace quillex {

enum class ConfigVariant { Full, Cut };

// The game config for the settings as they stand, one string per line, without terminators.
// dateTime follows "// Last modified: " in the full version's header; the cut version has no
// header and ignores it. Reads the settings only; no state survives between calls.
std::vector<std::string> CompileConfig(const Settings& s, ConfigVariant v,
                                       std::string_view dateTime);

// The same document as one text with `lineEnd` after every line: "\r\n" as a file holds it,
// "\n" for the output memo. One buffer instead of a string per line.
std::string CompileConfigText(const Settings& s, ConfigVariant v, std::string_view dateTime,
                              std::string_view lineEnd);

inline std::vector<std::string> CompileFull(const Settings& s, std::string_view dateTime) {
    return CompileConfig(s, ConfigVariant::Full, dateTime);
}

inline std::vector<std::string> CompileCut(const Settings& s) {
    return CompileConfig(s, ConfigVariant::Cut, {});
}

}  // namespace quillex
