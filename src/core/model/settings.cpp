#include "model/settings.h"

#include <charconv>

#include "model/fields.h"

namespace quillex {

int SpinTextValue(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

Settings::Settings() {
    const auto defs = Fields();
    values_.resize(defs.size());
    for (std::size_t i = 0; i < defs.size(); ++i) {
        values_[i].text = std::string(defs[i].defaultText);
        values_[i].number = defs[i].defaultNumber;
    }
}

int Settings::Number(FieldId id) const {
    return Field(id).kind == FieldKind::Spin ? SpinTextValue(values_[id].text)
                                             : values_[id].number;
}

bool Settings::Set(FieldId id, const std::string& text) {
    if (values_[id].text == text) return false;
    values_[id].text = text;
    if (id == fields::Get().Nick) Set(fields::Get().Edit2, text + std::string(kServerNameSuffix));
    return true;
}

void Settings::SetFlag(FieldId id, bool on) { values_[id].number = on ? 1 : 0; }

void Settings::SetNumber(FieldId id, int value) {
    const FieldDef& def = Field(id);
    const int held = HeldNumber(def, value);
    if (def.kind == FieldKind::Spin)
        values_[id].text = std::to_string(held);
    else
        values_[id].number = held;
}

void Settings::SetLines(FieldId id, const std::vector<std::string>& lines) {
    values_[id].lines = lines;
}

void Settings::AppendLine(FieldId id, const std::string& line) {
    values_[id].lines.push_back(line);
}

}  // namespace quillex
