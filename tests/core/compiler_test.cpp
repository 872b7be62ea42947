#include <gtest/gtest.h>

#include "compiler_testing.h"
#include "model/fields.h"

namespace quillex {
namespace {

using namespace quillex::testing;

TEST(CompilerLineForms, BoolDigitAndTenths) {
    EXPECT_EQ(BoolDigit(true), "1");
    EXPECT_EQ(BoolDigit(false), "0");
    const struct {
        int position;
        const char* text;
    } cases[] = {{0, "0.0"}, {1, "0.1"}, {5, "0.5"}, {9, "0.9"}, {10, "1"}};
    for (const auto& c : cases) EXPECT_EQ(TenthsValue(c.position), c.text) << c.position;
}

TEST(CompilerLineForms, SettingLinesQuoteWithoutEscaping) {
    const struct {
        const char* name;
        const char* value;
        const char* full;
        const char* cut;
    } cases[] = {
        {"mp_freezetime", "0", "mp_freezetime     \"0\"", "mp_freezetime \"0\""},
        {"hostname", "", "hostname     \"\"", "hostname \"\""},
        {"name", "a\"b", "name     \"a\"b\"", "name \"a\"b\""},
        {"setinfo dm", " 1 ", "setinfo dm     \" 1 \"", "setinfo dm \" 1 \""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SettingLine(c.name, c.value), c.full);
        EXPECT_EQ(SettingLineCompact(c.name, c.value), c.cut);
    }
}

TEST(CompilerGolden, DefaultDocumentsMatchByteForByte) {
    const Settings s;
    const std::string full = ReadGolden("default_full.cfg");
    const std::string cut = ReadGolden("default_cut.cfg");
    ASSERT_FALSE(full.empty());
    ASSERT_FALSE(cut.empty());
    EXPECT_EQ(FileBytes(Full(s)), full);
    EXPECT_EQ(FileBytes(CompileCut(s)), cut);
    EXPECT_EQ(Full(s).size(), 278u);
    EXPECT_EQ(CompileCut(s).size(), 210u);
}

TEST(CompilerGolden, RunsAtDifferentTimesDifferOnlyInTheDateLine) {
    const Settings s;
    Doc a = CompileFull(s, "01.01.2000 0:00:00");
    Doc b = CompileFull(s, "31/12/2030 23:59:59");
    EXPECT_EQ(a[1], "// Last modified: 01.01.2000 0:00:00");
    EXPECT_EQ(b[1], "// Last modified: 31/12/2030 23:59:59");
    a[1] = b[1];
    EXPECT_EQ(a, b);
    EXPECT_EQ(CompileConfig(s, ConfigVariant::Cut, "ignored"), CompileCut(s));
}

TEST(CompilerGolden, EachRunStandsAlone) {
    const Settings s;
    const Doc full = Full(s);
    const Doc cut = CompileCut(s);
    // Variants in any order give the same documents.
    EXPECT_EQ(CompileCut(s), cut);
    EXPECT_EQ(Full(s), full);
    EXPECT_EQ(CompileCut(s), cut);
}

}  // namespace
}  // namespace quillex
