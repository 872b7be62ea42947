#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/settings.h"
#include "text/cp1251.h"
#include "workfile/work_file_format.h"

namespace quillex {

// The lines of a work file for the settings: the magic line, then each control of
// WorkFileOrder() as its kind is stored (a check box "1"/"0"; a track bar, spin edit or combo
// box its number in decimal, a spin edit whose text is no integer as 0, a combo box with no
// item -1; texts and keys unchanged; the talk phrases followed by the terminator line).
std::vector<std::string> WorkFileLines(const Settings& settings);

// The file itself: the lines in Windows-1251, each followed by CR LF. `unmappable` counts the
// characters the code page has no byte for, each written as "?".
Cp1251Encoded WorkFileBytes(const Settings& settings);

// Why these settings cannot be written so that reading them back gives the same settings, or
// nullopt when they can. A talk phrase equal to the terminator line, or a line break inside a
// value, would move every later value to the wrong control on reading, so savers refuse such a
// state and write nothing. The text carries no final full stop, like the other error texts.
std::optional<std::string> UnstorableReason(const Settings& settings);

}  // namespace quillex
