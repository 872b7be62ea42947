#pragma once

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/config_compiler.h"
#include "compiler/line_forms.h"

namespace quillex {

// A whole number as text without a heap allocation, for joining into a line.
class Decimal {
  public:
    explicit Decimal(int value) {
        size_ = static_cast<std::size_t>(std::to_chars(buf_, buf_ + sizeof buf_, value).ptr - buf_);
    }
    operator std::string_view() const { return {buf_, size_}; }

  private:
    char buf_[12];
    std::size_t size_;
};

// Appends the document's lines, either as separate strings or into one text with a line end
// after every line. Both variants go through here; the writer drops what the cut version leaves
// out (blank lines, comments) and picks its setting-line form.
class ConfigWriter {
  public:
    ConfigWriter(std::vector<std::string>& lines, ConfigVariant variant)
        : lines_(&lines), full_(variant == ConfigVariant::Full) {}
    ConfigWriter(std::string& text, std::string_view lineEnd, ConfigVariant variant)
        : text_(&text), lineEnd_(lineEnd), full_(variant == ConfigVariant::Full) {}

    bool IsFull() const { return full_; }

    void Line(std::string_view text) { Line({text}); }
    void Line(std::initializer_list<std::string_view> parts) {
        if (text_) {
            for (std::string_view part : parts) text_->append(part);
            text_->append(lineEnd_);
            return;
        }
        std::size_t size = 0;
        for (std::string_view part : parts) size += part.size();
        // Sized once and filled in place: one allocation, no per-piece capacity checks.
        char* out = lines_->emplace_back(size, '\0').data();
        for (std::string_view part : parts) out = std::copy(part.begin(), part.end(), out);
    }
    template <typename Range>
    void Lines(const Range& texts) {
        for (const auto& text : texts) Line(std::string_view(text));
    }

    void Blank() {
        if (full_) Line(std::string_view());
    }
    void Comment(std::string_view text) {
        if (full_) Line(text);
    }
    // SettingLine / SettingLineCompact, joined in place.
    void Setting(std::string_view name, std::string_view value) {
        Line({name, full_ ? kSettingGap : kSettingGapCompact, "\"", value, "\""});
    }

    // BIND key "command": the form of the script and message keys.
    void Bind(std::string_view key, std::string_view command) {
        if (!key.empty()) Line({"BIND ", key, " \"", command, "\""});
    }
    // BIND "key" "command": the form of the action rows and buy keys.
    void BindQuoted(std::string_view key, std::string_view command) {
        if (!key.empty()) Line({"BIND \"", key, "\" \"", command, "\""});
    }

  private:
    std::vector<std::string>* lines_ = nullptr;
    std::string* text_ = nullptr;
    std::string_view lineEnd_;
    bool full_;
};

}  // namespace quillex
