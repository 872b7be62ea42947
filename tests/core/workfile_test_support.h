#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/settings.h"

namespace quillex::testing {

// Records every call in order and forwards it to a settings record, so that tests see both
// the order of application and the end state.
class RecordingSink final : public FieldSink {
  public:
    struct Call {
        std::string op;
        FieldId id;
        std::string value;
    };

    void SetText(FieldId id, const std::string& text) override {
        calls.push_back({"SetText", id, text});
        settings.SetText(id, text);
    }
    void SetFlag(FieldId id, bool on) override {
        calls.push_back({"SetFlag", id, on ? "1" : "0"});
        settings.SetFlag(id, on);
    }
    void SetNumber(FieldId id, int value) override {
        calls.push_back({"SetNumber", id, std::to_string(value)});
        settings.SetNumber(id, value);
    }
    void SetLines(FieldId id, const std::vector<std::string>& lines) override {
        std::string joined;
        for (const std::string& line : lines) joined += line + "|";
        calls.push_back({"SetLines", id, joined});
        settings.SetLines(id, lines);
    }
    void AppendLine(FieldId id, const std::string& line) override {
        calls.push_back({"AppendLine", id, line});
        settings.AppendLine(id, line);
    }

    Settings settings;
    std::vector<Call> calls;
};

// A state in which every control differs from its default: Cyrillic texts, flipped flags,
// the ends of the ranges, the last texture mode and talk phrases with Cyrillic and blanks.
inline Settings RichSettings() {
    Settings s;
    const auto defs = Fields();
    for (FieldId id = 0; id < defs.size(); ++id) {
        const FieldDef& def = defs[id];
        switch (def.kind) {
            case FieldKind::Check:
                s.SetFlag(id, !s.Flag(id));
                break;
            case FieldKind::TrackBar:
                s.SetNumber(id, s.Number(id) == def.min ? def.max : def.min);
                break;
            case FieldKind::Spin:
                s.SetNumber(id, 1 + id % 250);
                break;
            case FieldKind::Combo:
                s.SetNumber(id, 3);
                break;
            case FieldKind::Memo:
                s.SetLines(id, {"Привет всем!", "", "  с пробелами  ", "ёЁ№ «»", "/*"});
                break;
            case FieldKind::Edit:
            case FieldKind::Key:
                s.Set(id, " Значение " + std::string(def.name) + " ");
                break;
        }
    }
    return s;
}

// Whether two records hold the same value for one control, whatever its kind.
inline bool SameValue(const Settings& a, const Settings& b, FieldId id) {
    return a.Text(id) == b.Text(id) && a.Number(id) == b.Number(id) && a.Lines(id) == b.Lines(id);
}

inline std::string ReadGolden(const std::string& name) {
    std::ifstream in(std::string(QUILLEX_GOLDEN_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quillex::testing
