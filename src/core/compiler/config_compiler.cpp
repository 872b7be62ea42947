#include "compiler/config_compiler.h"

#include "compiler/config_writer.h"
#include "compiler/sections.h"
#include "model/fields.h"

namespace quillex {

std::vector<std::string> CompileConfig(const Settings& s, ConfigVariant v,
                                       std::string_view dateTime) {
    // At most: the 278 default lines, every optional key line, the headshot script, the talk.
    constexpr std::size_t kMostFixedLines = 278 + 5 + 12 + 1 + 5 + kActionRows + 1 + kBuyRows + 28;
    std::vector<std::string> lines;
    lines.reserve(kMostFixedLines + s.Lines(fields::Get().talk).size() + 2);  // ed, blank
    ConfigWriter w(lines, v);
    if (w.IsFull()) WriteHeader(w, s, dateTime);
    WriteSettingsSection(w, s);
    WriteAliasSection(w, s);
    WriteBindingSection(w, s);
    if (s.Flag(fields::Get().h1)) WriteHeadshotScript(w, s);
    WriteClosingLines(w, s);
    return lines;
}

}  // namespace quillex
