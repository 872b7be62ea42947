#include <gtest/gtest.h>

#include "compiler/config_compiler.h"
#include "text/lines.h"
#include "workfile/author_preset.h"

namespace quillex {
namespace {

// The one-buffer text is the lines joined, for both variants and any line end.
TEST(CompileConfigText, EqualsTheJoinedLines) {
    Settings preset;
    ApplyAuthorPreset(preset);
    preset.SetFlag(FieldIdOf("h1"), true);
    preset.SetFlag(FieldIdOf("h2"), true);
    for (const Settings& s : {Settings(), preset}) {
        for (ConfigVariant v : {ConfigVariant::Full, ConfigVariant::Cut}) {
            const auto lines = CompileConfig(s, v, "now");
            EXPECT_EQ(CompileConfigText(s, v, "now", "\r\n"), JoinCrLf(lines));
            std::string joined;
            for (const std::string& line : lines) joined.append(line).append("\n");
            EXPECT_EQ(CompileConfigText(s, v, "now", "\n"), joined);
        }
    }
}

}  // namespace
}  // namespace quillex
