#include "workfile/work_file_writer.h"

#include "compiler/line_forms.h"
#include "model/fields.h"
#include "text/lines.h"

namespace quillex {
namespace {

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != text.npos;
}

}  // namespace

std::vector<std::string> WorkFileLines(const Settings& settings) {
    const auto order = WorkFileOrder();
    std::vector<std::string> lines;
    lines.reserve(order.size() + 1 + settings.Lines(fields::Get().talk).size());
    lines.emplace_back(kWorkFileMagic);
    for (FieldId id : order) {
        switch (Field(id).kind) {
            case FieldKind::Check:
                lines.push_back(BoolDigit(settings.Flag(id)));
                break;
            case FieldKind::TrackBar:
            case FieldKind::Spin:
            case FieldKind::Combo:
                lines.push_back(std::to_string(settings.Number(id)));
                break;
            case FieldKind::Edit:
            case FieldKind::Key:
                lines.push_back(settings.Text(id));
                break;
            case FieldKind::Memo:
                for (const std::string& line : settings.Lines(id)) lines.push_back(line);
                lines.emplace_back(kTalkTerminator);
                break;
        }
    }
    return lines;
}

Cp1251Encoded WorkFileBytes(const Settings& settings) {
    return EncodeCp1251(JoinCrLf(WorkFileLines(settings)));
}

std::optional<std::string> UnstorableReason(const Settings& settings) {
    for (FieldId id : WorkFileOrder()) {
        const FieldDef& def = Field(id);
        const std::string name(def.name);
        if (def.kind == FieldKind::Memo) {
            for (const std::string& line : settings.Lines(id)) {
                if (line == kTalkTerminator) {
                    return "Строка \"/*/\" в поле «Разговор» (" + name +
                           ") не может быть сохранена в WRK-файл: она закрывает список фраз. "
                           "Измените или удалите эту строку";
                }
                if (HasLineBreak(line)) {
                    return "Фраза поля «Разговор» (" + name +
                           ") содержит перевод строки и не может быть сохранена в WRK-файл";
                }
            }
        } else if ((def.kind == FieldKind::Edit || def.kind == FieldKind::Key) &&
                   HasLineBreak(settings.Text(id))) {
            return "Поле " + name + " содержит перевод строки и не может быть сохранено в WRK-файл";
        }
    }
    return std::nullopt;
}

}  // namespace quillex
