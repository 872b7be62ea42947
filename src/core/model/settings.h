#pragma once

#include <string>
#include <vector>

#include "model/fieldsink.h"
#include "model/schema.h"

namespace quillex {

// The settings record: one value per setting control, created at the defaults.
// Setters apply the same rules as the controls: track bars clamp to their range, a combo index
// outside the list selects nothing, spin edits keep their text, and a new nick renames the server.
class Settings final : public FieldSink {
public:
    Settings();

    const std::string& Text(FieldId id) const { return values_[id].text; }
    bool Flag(FieldId id) const { return values_[id].number != 0; }
    // Track-bar position, combo index, or spin-edit value (its text read as an integer, else 0).
    int Number(FieldId id) const;
    const std::vector<std::string>& Lines(FieldId id) const { return values_[id].lines; }

    // Returns whether the value changed; setting the value already held is no change.
    bool Set(FieldId id, const std::string& text);
    void SetText(FieldId id, const std::string& text) override { Set(id, text); }
    void SetFlag(FieldId id, bool on) override;
    void SetNumber(FieldId id, int value) override;
    void SetLines(FieldId id, const std::vector<std::string>& lines) override;
    void AppendLine(FieldId id, const std::string& line) override;

    // Name-addressed convenience for tests and tools.
    const std::string& Text(std::string_view name) const { return Text(FieldIdOf(name)); }
    bool Set(std::string_view name, const std::string& text) { return Set(FieldIdOf(name), text); }

    bool operator==(const Settings& other) const { return values_ == other.values_; }

private:
    struct Value {
        std::string text;
        int number = 0;
        std::vector<std::string> lines;
        bool operator==(const Value&) const = default;
    };
    std::vector<Value> values_;
};

// A spin edit's text read as a whole number; anything that is no integer counts as 0.
int SpinTextValue(const std::string& text);

}  // namespace quillex
