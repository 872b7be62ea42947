#pragma once

#include <string>
#include <vector>

#include "model/field.h"

namespace quillex {

// Receives settings one control at a time, in the order a loader or the preset applies them.
// The settings record implements it, and so does the window over its controls, so that every
// change reaction runs exactly as it would for a user's edit.
class FieldSink {
public:
    virtual ~FieldSink() = default;
    virtual void SetText(FieldId id, const std::string& text) = 0;    // Edit, Key
    virtual void SetFlag(FieldId id, bool on) = 0;                    // Check
    virtual void SetNumber(FieldId id, int value) = 0;                // TrackBar, Spin, Combo
    virtual void SetLines(FieldId id, const std::vector<std::string>& lines) = 0;  // Memo
    virtual void AppendLine(FieldId id, const std::string& line) = 0;              // Memo
};

}  // namespace quillex
