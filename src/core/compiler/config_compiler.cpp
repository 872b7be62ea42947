#include "compiler/config_compiler.h"

#include "compiler/config_writer.h"
#include "compiler/sections.h"
#include "model/fields.h"

namespace quillex {

namespace {

// At most: the 278 default lines, every optional key line, the headshot script, the talk.
constexpr std::size_t kMostFixedLines = 278 + 5 + 12 + 1 + 5 + kActionRows + 1 + kBuyRows + 28;

void WriteDocument(ConfigWriter& w, const Settings& s, std::string_view dateTime) {
    if (w.IsFull()) WriteHeader(w, s, dateTime);
    WriteSettingsSection(w, s);
    WriteAliasSection(w, s);
    WriteBindingSection(w, s);
    if (s.Flag(fields::Get().h1)) WriteHeadshotScript(w, s);
    WriteClosingLines(w, s);
}

}  // namespace

std::vector<std::string> CompileConfig(const Settings& s, ConfigVariant v,
                                       std::string_view dateTime) {
    std::vector<std::string> lines;
    lines.reserve(kMostFixedLines + s.Lines(fields::Get().talk).size() + 2);  // ed, blank
    ConfigWriter w(lines, v);
    WriteDocument(w, s, dateTime);
    return lines;
}

std::string CompileConfigText(const Settings& s, ConfigVariant v, std::string_view dateTime,
                              std::string_view lineEnd) {
    // The default full document is about 11 KB; talk lines and long texts come on top.
    std::size_t size = 16 * 1024;
    for (const std::string& line : s.Lines(fields::Get().talk)) size += line.size() + 32;
    std::string text;
    text.reserve(size);
    ConfigWriter w(text, lineEnd, v);
    WriteDocument(w, s, dateTime);
    return text;
}

}  // namespace quillex
