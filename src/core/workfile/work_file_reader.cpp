#include "workfile/work_file_reader.h"

#include <optional>
#include <vector>

#include "model/schema.h"
#include "text/cp1251.h"
#include "text/lines.h"
#include "workfile/value_text.h"
#include "workfile/work_file_format.h"

namespace quillex {
namespace {

WorkFileLoad Failure(std::string_view line, std::string_view what, std::size_t number) {
    std::string error;
    error.reserve(line.size() + what.size() + 2);
    error.append("'").append(line).append("'").append(what);
    return {WorkFileStatus::ConversionError, std::move(error), number};
}

}  // namespace

std::string NotWorkFileMessage(std::string_view fileName) {
    std::string message = "ОШИБКА!!! Неверная версия или файл: ";
    message.append(fileName).append(" не является WRK файлом!!!");
    return message;
}

WorkFileLoad ApplyWorkFile(std::string_view bytes, FieldSink& sink) {
    // CR and LF are the same bytes in both encodings, so the split can follow the decode.
    const std::string text = DecodeCp1251(bytes);
    LineCursor lines(text);
    if (lines.Next() != kWorkFileMagic) return {WorkFileStatus::NotWorkFile, {}, 0};

    const auto defs = Fields();
    std::string value;  // reused, so that plain values cost no allocation each
    for (FieldId id : WorkFileOrder()) {
        const FieldDef& def = defs[id];
        if (def.kind == FieldKind::Memo) {
            // Without a terminator the phrases end with the file, and the next field reads the
            // first line past it.
            std::vector<std::string> talk;
            while (!lines.AtEnd()) {
                const std::string_view line = *lines.Next();
                if (line == kTalkTerminator) break;
                talk.emplace_back(line);
            }
            sink.SetLines(id, talk);
            continue;
        }
        const std::string_view line = lines.Next().value_or(std::string_view{});
        switch (def.kind) {
            case FieldKind::Check: {
                const auto on = ParseWorkFileBoolean(line);
                if (!on) return Failure(line, " is not a valid boolean value", lines.LineNumber());
                sink.SetFlag(id, *on);
                break;
            }
            case FieldKind::TrackBar:
            case FieldKind::Spin:
            case FieldKind::Combo: {
                const auto number = ParseWorkFileInteger(line);
                if (!number)
                    return Failure(line, " is not a valid integer value", lines.LineNumber());
                sink.SetNumber(id, HeldNumber(def, *number));
                break;
            }
            default:
                value.assign(line);
                sink.SetText(id, value);
                break;
        }
    }
    return {};
}

}  // namespace quillex
