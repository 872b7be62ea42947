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

// Appends the document's lines. Both variants go through here; the writer drops what the cut
// version leaves out (blank lines, comments) and picks its setting-line form.
class ConfigWriter {
  public:
    ConfigWriter(std::vector<std::string>& lines, ConfigVariant variant)
        : lines_(lines), full_(variant == ConfigVariant::Full) {}

    bool IsFull() const { return full_; }

    void Line(std::string_view text) { lines_.emplace_back(text); }
    void Take(std::string&& text) { lines_.push_back(std::move(text)); }
    void Line(std::initializer_list<std::string_view> parts) {
        std::size_t size = 0;
        for (std::string_view part : parts) size += part.size();
        // Sized once and filled in place: one allocation, no per-piece capacity checks.
        char* out = lines_.emplace_back(size, '\0').data();
        for (std::string_view part : parts) out = std::copy(part.begin(), part.end(), out);
    }
    template <typename Range>
    void Lines(const Range& texts) {
        for (const auto& text : texts) Line(std::string_view(text));
    }

    void Blank() {
        if (full_) lines_.emplace_back();
    }
    void Comment(std::string_view text) {
        if (full_) Line(text);
    }
    void Setting(std::string_view name, std::string_view value) {
        Take(full_ ? SettingLine(name, value) : SettingLineCompact(name, value));
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
    std::vector<std::string>& lines_;
    bool full_;
};

}  // namespace quillex
