#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/fieldsink.h"

namespace quillex {

enum class WorkFileStatus : std::uint8_t {
    Loaded,           // every control was applied
    NotWorkFile,      // the first line is not the magic line; nothing was applied
    ConversionError,  // a value line was no Boolean or integer; the controls before it were applied
};

struct WorkFileLoad {
    WorkFileStatus status = WorkFileStatus::Loaded;
    // For ConversionError: "'<line>' is not a valid boolean value" or "... integer value",
    // without the final full stop, which the error report adds.
    std::string error;
    // For ConversionError: the 1-based line of the file that failed (past the end for a file
    // that ended early).
    std::size_t line = 0;
};

// What the user is told when the file's first line is not the magic line.
std::string NotWorkFileMessage(std::string_view fileName);

// Reads a work file (Windows-1251; CR LF, LF or CR line ends) and applies its values to the
// sink one control at a time, in file order: texts and keys through SetText, check boxes
// through SetFlag, track bars, spin edits and the combo box through SetNumber with the value
// already brought into the control's range, the talk phrases through SetLines. Lines missing at
// the end read as empty; a file that ends inside the talk phrases ends the phrases there. The
// first value that does not convert stops the load. Safe on any input.
WorkFileLoad ApplyWorkFile(std::string_view bytes, FieldSink& sink);

}  // namespace quillex
