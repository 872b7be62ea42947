#include <gtest/gtest.h>

#include "compiler_testing.h"
#include "model/fields.h"

namespace quillex {
namespace {

using namespace quillex::testing;

// Settings that switch on every optional stretch of the full version.
Settings Rich() {
    Settings s;
    const fields::Ids& f = fields::Get();
    s.Set("Clan", "ABC");
    s.Set("email", "a@b.c");
    for (const char* key : {"v1", "v2", "v3", "v4", "v5", "g1", "c", "net1", "czn1", "z1", "bn36"})
        s.Set(key, std::string("K_") + key);
    s.Set("m1", "say hi");
    s.SetLines(f.talk, SplitLines("one\r\ntwo\r\n"));
    s.SetNumber(f.TrackBar1, 25);
    s.SetFlag(f.h1, true);
    s.SetFlag(f.h2, true);
    s.Set("h", "KP_ENTER");
    return s;
}

TEST(CompilerCut, StepKeysAndTalkLeaveNoTrace) {
    Settings s;
    for (const char* key : {"v1", "v2", "v3", "v4", "v5"}) s.Set(key, "MOUSE4");
    s.SetLines(fields::Get().talk, SplitLines("a\nb\nc"));
    EXPECT_TRUE(FileBytes(CompileCut(s)) == ReadGolden("default_cut.cfg"));
}

TEST(CompilerCut, HasNoBlankCommentOrStepLines) {
    const Doc cut = CompileCut(Rich());
    for (const std::string& line : cut) {
        EXPECT_FALSE(line.empty());
        EXPECT_FALSE(line.starts_with("//")) << line;
        for (const char* prefix :
             {"ALIAS sup", "ALIAS sdown", "ALIAS sens", "ALIAS highsens", "ALIAS lowsens",
              "ALIAS vup", "ALIAS vdown", "ALIAS vol", "ALIAS highvol", "ALIAS lowvol", "ALIAS ed"})
            EXPECT_FALSE(line.starts_with(prefix)) << line;
        EXPECT_EQ(line.find("\"vup\""), std::string::npos) << line;
        EXPECT_EQ(line.find("\"ed\""), std::string::npos) << line;
    }
    EXPECT_EQ(cut[0], "unbindall");
}

TEST(CompilerCut, SettingLinesAreTheFullOnesMadeCompact) {
    const Settings s = Rich();
    const Doc full = Full(s);
    Doc compacted;
    for (std::size_t i = Find(full, "unbindall"); full[i] != "// ALIASES"; ++i) {
        std::string line = full[i];
        if (line.empty() || line.starts_with("//")) continue;
        if (const std::size_t gap = line.find("     \""); gap != std::string::npos)
            line.replace(gap, 5, " ");
        compacted.push_back(line);
    }
    const Doc cut = CompileCut(s);
    ASSERT_EQ(compacted.size(), 111u);
    EXPECT_EQ(Slice(cut, 0, compacted.size()), compacted);
    EXPECT_EQ(cut[2], "name \"VOvIrU [ABC]\"");
    EXPECT_EQ(cut[4], "zoom_sensitivity_ratio \"1\"");
}

TEST(CompilerCut, PlantAliasHasTwoSpacesAfterSayTeam) {
    const std::string_view head =
        "ALIAS \"+plant_c4\" \"radio1; menuselect 1; menuselect0; "
        "weapon_c4; +attack; say_team";
    const std::string_view tail = "9I CTABJIy 6omby - npukpouTe MeH9I!!!\"";
    const Settings s;
    EXPECT_EQ(StartingWith(Full(s), "ALIAS \"+plant_c4\""),
              Doc{std::string(head) + " " + std::string(tail)});
    EXPECT_EQ(StartingWith(CompileCut(s), "ALIAS \"+plant_c4\""),
              Doc{std::string(head) + "  " + std::string(tail)});
    EXPECT_EQ(StartingWith(Full(s), "ALIAS \"-plant_c4\""),
              StartingWith(CompileCut(s), "ALIAS \"-plant_c4\""));
}

TEST(CompilerCut, KeepsBindingsAndHeadshotScriptWithoutBlanks) {
    const Settings s = Rich();
    const Doc full = Full(s);
    const Doc cut = CompileCut(s);
    // Every binding and script line of the full version except the step keys, in the same order.
    Doc expected;
    for (std::size_t i = Find(full, "ALIAS 5_1 \"buy;menuselect 5;menuselect 1;menuselect0\"") + 1;
         i < full.size(); ++i) {
        const std::string& line = full[i];
        if (line.empty() || line.starts_with("BIND K_v")) continue;
        expected.push_back(line);
    }
    const std::size_t from =
        Find(cut, "ALIAS 5_1 \"buy;menuselect 5;menuselect 1;menuselect0\"") + 1;
    EXPECT_EQ(Slice(cut, from, cut.size() - from), expected);
    const std::size_t clear = Find(cut, "clear", from);
    EXPECT_EQ(cut[clear - 1], "BIND CTRL +hsduck");
    EXPECT_EQ(cut[clear - 2], "UNBIND CTRL");
    EXPECT_NE(Find(cut, "BIND \"K_bn36\" \"+plant_c4\""), kMissing);
}

}  // namespace
}  // namespace quillex
