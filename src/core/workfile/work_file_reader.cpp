#include "workfile/work_file_reader.h"

#include <optional>
#include <vector>

#include "model/schema.h"
#include "text/cp1251.h"
#include "workfile/value_text.h"
#include "workfile/work_file_format.h"

namespace quillex {
namespace {

// Walks the lines of a text without copying them. A line break at the very end of the text
// starts no further line, as in a memo.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t LineNumber() const { return taken_; }

    // The next line, or nullopt past the last one.
    std::optional<std::string_view> Next() {
        ++taken_;
        if (AtEnd()) return std::nullopt;
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size()) {
            const bool crlf =
                text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n';
            pos_ += crlf ? 2 : 1;
        }
        return line;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t taken_ = 0;
};

WorkFileLoad Failure(std::string_view line, std::string_view what, std::size_t number) {
    std::string error;
    error.reserve(line.size() + what.size() + 2);
    error.append("'").append(line).append("'").append(what);
    return {WorkFileStatus::ConversionError, std::move(error), number};
}

}  // namespace

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
