#include "compiler/config_compiler.h"

#include "compiler/config_writer.h"
#include "compiler/sections.h"
#include "model/fields.h"

namespace quillex {

std::vector<std::string> CompileConfig(const Settings& s, ConfigVariant v,
                                       std::string_view dateTime) {
    std::vector<std::string> lines;
    lines.reserve(320);  // 278 lines at the defaults; more with talk lines and the headshot script
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
