#include <gtest/gtest.h>

#include "compiler_testing.h"
#include "model/fields.h"

namespace quillex {
namespace {

using namespace quillex::testing;

constexpr std::string_view kVolumeStartDown = "ALIAS vdown \"vol02\"";
constexpr std::string_view kFirstBuyShortcut =
    "ALIAS 1_1 \"buy;menuselect 1;menuselect 1;menuselect0\"";

TEST(CompilerAliases, TalkCycleFollowsTheMemoLines) {
    const struct {
        const char* text;
        Doc cycle;
    } cases[] = {
        {"", {}},
        {"Hi", {"ALIAS ed \"ed1\"", "ALIAS ed1 \"say Hi;ALIAS ed ed1\""}},
        {"Hi\r\n", {"ALIAS ed \"ed1\"", "ALIAS ed1 \"say Hi;ALIAS ed ed1\""}},
        {"\r\n", {"ALIAS ed \"ed1\"", "ALIAS ed1 \"say ;ALIAS ed ed1\""}},
        {"Hi\r\nBye",
         {"ALIAS ed \"ed1\"", "ALIAS ed1 \"say Hi;ALIAS ed ed2\"",
          "ALIAS ed2 \"say Bye;ALIAS ed ed1\""}},
        {"a\r\n\r\nb",
         {"ALIAS ed \"ed1\"", "ALIAS ed1 \"say a;ALIAS ed ed2\"", "ALIAS ed2 \"say ;ALIAS ed ed3\"",
          "ALIAS ed3 \"say b;ALIAS ed ed1\""}},
        {"go;go \"now\"\nwait",
         {"ALIAS ed \"ed1\"", "ALIAS ed1 \"say go;go \"now\";ALIAS ed ed2\"",
          "ALIAS ed2 \"say wait;ALIAS ed ed1\""}},
    };
    for (const auto& c : cases) {
        Settings s;
        s.SetLines(fields::Get().talk, SplitLines(c.text));
        const Doc full = Full(s);
        const std::size_t start = Find(full, kVolumeStartDown) + 2;  // past the blank line
        ASSERT_LT(start, full.size());
        EXPECT_EQ(Slice(full, start, c.cycle.size()), c.cycle) << c.text;
        // A cycle ends with one blank line; no cycle writes nothing, not even the blank.
        const std::size_t after = start + c.cycle.size() + (c.cycle.empty() ? 0 : 1);
        if (!c.cycle.empty()) {
            EXPECT_EQ(full[after - 1], "") << c.text;
        }
        EXPECT_EQ(full[after], kFirstBuyShortcut) << c.text;
        EXPECT_EQ(full.size(), 278 + after - start) << c.text;
    }
}

TEST(CompilerAliases, NetworkGraphTogglesAlwaysCarryTheirKeys) {
    const struct {
        const char* net1;
        const char* net2;
        Doc lines;
    } cases[] = {
        {"",
         "",
         {"ALIAS net1 \"net_graph 1;BIND  net3\"", "ALIAS net2 \"net_graph 2;BIND  net4\"",
          "ALIAS net3 \"net_graph 0;BIND  net1\"", "ALIAS net4 \"net_graph 0;BIND  net2\""}},
        {"F7",
         "F8",
         {"ALIAS net1 \"net_graph 1;BIND F7 net3\"", "ALIAS net2 \"net_graph 2;BIND F8 net4\"",
          "ALIAS net3 \"net_graph 0;BIND F7 net1\"", "ALIAS net4 \"net_graph 0;BIND F8 net2\""}},
    };
    for (const auto& c : cases) {
        Settings s;
        s.Set("net1", c.net1);
        s.Set("net2", c.net2);
        EXPECT_EQ(StartingWith(Full(s), "ALIAS net"), c.lines);
        EXPECT_EQ(StartingWith(CompileCut(s), "ALIAS net"), c.lines);
    }
}

TEST(CompilerAliases, NickSwitchesAreWrittenEmptyOrNot) {
    Settings s;
    s.Set("nick3", "Bob");
    s.Set("nick6", "[T] Al");
    const Doc expected = {"ALIAS nick1 \"name \"",    "ALIAS nick2 \"name \"",
                          "ALIAS nick3 \"name Bob\"", "ALIAS nick4 \"name \"",
                          "ALIAS nick5 \"name \"",    "ALIAS nick6 \"name [T] Al\""};
    const Doc full = Full(s);
    const std::size_t first = Find(full, expected[0]);
    EXPECT_EQ(Slice(full, first, 6), expected);
    EXPECT_EQ(full[first + 6], "");
    EXPECT_EQ(StartingWith(CompileCut(s), "ALIAS nick"), expected);
}

TEST(CompilerAliases, SensitivityChainStartsAtTheTrackBarByArithmetic) {
    const struct {
        int position;
        const char* up;
        const char* down;
    } cases[] = {
        {1, "ALIAS sup \"sens2\"", "ALIAS sdown \"sens0\""},
        {8, "ALIAS sup \"sens9\"", "ALIAS sdown \"sens7\""},
        {24, "ALIAS sup \"sens25\"", "ALIAS sdown \"sens23\""},
        {25, "ALIAS sup \"sens26\"", "ALIAS sdown \"sens24\""},
    };
    for (const auto& c : cases) {
        Settings s;
        s.SetNumber(fields::Get().TrackBar1, c.position);
        const Doc full = Full(s);
        const std::size_t up = Find(full, c.up);
        ASSERT_NE(up, kMissing) << c.position;
        EXPECT_EQ(full[up - 1],
                  "ALIAS lowsens \"sensitivity 1;ALIAS sup sens3;say Sensitivity 1\"");
        EXPECT_EQ(Slice(full, up + 1, 2), (Doc{c.down, ""}));
    }
}

TEST(CompilerAliases, VolumeChainStartIgnoresTheVolumeSetting) {
    for (int position : {0, 7, 10}) {
        Settings s;
        s.SetNumber(fields::Get().TrackBar3, position);
        const Doc full = Full(s);
        const std::size_t down = Find(full, kVolumeStartDown);
        EXPECT_EQ(full[down - 1], "ALIAS vup \"vol05\"") << position;
        EXPECT_EQ(full[down - 2], "ALIAS lowvol \"volume 0.0;ALIAS vup vol001;echo volume 0\"");
    }
}

// The whole script with both switches on and the preset's keys.
const Doc kHeadshotScript = {
    "UNBIND KP_ENTER",
    "ALIAS hspitch1 \"ALIAS hspitch hp1\"",
    "ALIAS hspitch2 \"ALIAS hspitch hp2\"",
    "ALIAS hp1 \"m_pitch 0.022\"",
    "ALIAS hp2 \"m_pitch -0.022\"",
    "ALIAS hspitchoff \"m_pitch 0\"",
    "ALIAS hslook \"+lookup;wait;-lookup\"",
    "ALIAS devon \"developer 1\"",
    "ALIAS devoff \"developer 0\"",
    "ALIAS hson2 \"BIND MOUSE1 +hson;BIND KP_ENTER hson3;devon;echo HeadShot = ON;devoff;hsdto1\"",
    "ALIAS hson3 \"BIND MOUSE1 +hsoff;BIND KP_ENTER hson2;devon;echo HeadShot = "
    "OFF;devoff;hsdto2\"",
    "BIND KP_ENTER hson2",
    "ALIAS +hson \"-mlook;centerview;cl_pitchspeed 10;wait;hspitchoff;+attack;hslook\"",
    "ALIAS -hson \"-attack;cl_pitchspeed 150;+mlook\"",
    "ALIAS +hsoff \"+attack\"",
    "ALIAS -hsoff \"-attack\"",
    "ALIAS hsducktogoff \"hsducktogoff2\"",
    "ALIAS hsducktogoff2 \"BIND MOUSE1 -hson\"",
    "ALIAS hsducktogoff3 \"BIND MOUSE1 -hsoff\"",
    "ALIAS hsdto1 \"ALIAS hsducktogoff hsducktogoff2\"",
    "ALIAS hsdto2 \"ALIAS hsducktogoff hsducktogoff3\"",
    "ALIAS +hsducktog \"BIND MOUSE1 +hsoff\"",
    "ALIAS -hsducktog \"hsducktogoff\"",
    "ALIAS +hsduck \"+duck;+hsducktog\"",
    "ALIAS -hsduck \"-duck;-hsducktog\"",
    "UNBIND CTRL",
    "BIND CTRL +hsduck",
};

TEST(CompilerHeadshot, SwitchesDecideWhatIsWrittenBeforeTheClosingLines) {
    const struct {
        bool h1;
        bool h2;
        std::size_t lines;  // script lines, without the blank line
    } cases[] = {{false, false, 0}, {false, true, 0}, {true, false, 25}, {true, true, 27}};
    for (const auto& c : cases) {
        Settings s;
        s.Set("h", "KP_ENTER");
        s.SetFlag(fields::Get().h1, c.h1);
        s.SetFlag(fields::Get().h2, c.h2);
        const Doc full = Full(s);
        const std::size_t start = Find(full, "BIND \"y\" \"messagemode\"") + 3;  // two blanks
        const Doc expected(kHeadshotScript.begin(), kHeadshotScript.begin() + c.lines);
        EXPECT_EQ(Slice(full, start, c.lines), expected) << c.h1 << c.h2;
        const std::size_t clear = start + c.lines + (c.lines ? 1 : 0);
        if (c.lines) {
            EXPECT_EQ(full[clear - 1], "");
        }
        EXPECT_EQ(full[clear], "clear");
        EXPECT_EQ(full.size(), clear + 9);
    }
}

TEST(CompilerHeadshot, EmptyKeysStayInTheLines) {
    Settings s;
    s.SetFlag(fields::Get().h1, true);
    s.SetFlag(fields::Get().h2, true);
    s.Set("b10", "");
    s.Set("b28", "");
    const Doc full = Full(s);
    const std::size_t start = Find(full, "ALIAS hspitch1 \"ALIAS hspitch hp1\"") - 1;
    EXPECT_EQ(full[start], "UNBIND ");
    EXPECT_EQ(full[start + 9],
              "ALIAS hson2 \"BIND  +hson;BIND  hson3;devon;echo HeadShot = ON;devoff;hsdto1\"");
    EXPECT_EQ(full[start + 11], "BIND  hson2");
    EXPECT_EQ(full[start + 17], "ALIAS hsducktogoff2 \"BIND  -hson\"");
    EXPECT_EQ(Slice(full, start + 25, 3), (Doc{"UNBIND ", "BIND  +hsduck", ""}));
}

}  // namespace
}  // namespace quillex
