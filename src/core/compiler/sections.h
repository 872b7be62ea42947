#pragma once

#include <string_view>

#include "compiler/config_writer.h"
#include "model/settings.h"

namespace quillex {

// The stretches of the document, in the order CompileConfig writes them.
void WriteHeader(ConfigWriter& w, const Settings& s, std::string_view dateTime);
void WriteSettingsSection(ConfigWriter& w, const Settings& s);
void WriteAliasSection(ConfigWriter& w, const Settings& s);
void WriteBindingSection(ConfigWriter& w, const Settings& s);
void WriteHeadshotScript(ConfigWriter& w, const Settings& s);
void WriteClosingLines(ConfigWriter& w, const Settings& s);

}  // namespace quillex
