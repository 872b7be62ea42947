#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

// Walks the lines of a text without copying them: breaks are CR LF, LF or CR, and a break at
// the very end of the text starts no further line, as in a memo.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    // How many times Next() has been called, past the last line too.
    std::size_t LineNumber() const { return taken_; }

    // The next line, or nullopt past the last one.
    std::optional<std::string_view> Next();

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t taken_ = 0;
};

// A memo's lines: its text split at line breaks (CR LF, LF or CR); a break at the very end of
// the text starts no further line, and an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF, as the program writes files.
std::string JoinCrLf(const std::vector<std::string>& lines);

// The error report's rule: a full stop is added when the last character sorts after '.'
// (a letter, a digit); texts ending in '.', '!' or ')' stay as they are.
std::string WithFullStop(std::string text);

}  // namespace quillex
