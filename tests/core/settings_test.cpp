#include <gtest/gtest.h>

#include "model/settings.h"

namespace quillex {
namespace {

TEST(Settings, DefaultsComeFromTheSchema) {
    const Settings s;
    EXPECT_EQ(s.Text("Nick"), "VOvIrU");
    EXPECT_EQ(s.Text("Edit2"), "VOvIrU's CS Server");
    EXPECT_EQ(s.Number(FieldIdOf("c54")), 1);
    EXPECT_EQ(s.Number(FieldIdOf("TrackBar1")), 8);
    EXPECT_EQ(s.Number(FieldIdOf("g")), 175);
    EXPECT_TRUE(s.Flag(FieldIdOf("c97")));
    EXPECT_FALSE(s.Flag(FieldIdOf("c98")));
    EXPECT_EQ(s.Text("b10"), "MOUSE1");
    EXPECT_EQ(s.Text("b27"), "");
    EXPECT_EQ(s.Text("bn36"), "");
    EXPECT_TRUE(s.Lines(FieldIdOf("talk")).empty());
}

TEST(Settings, EveryControlNameIsUniqueAndResolves) {
    const auto defs = Fields();
    for (FieldId id = 0; id < defs.size(); ++id) EXPECT_EQ(FieldIdOf(defs[id].name), id);
    EXPECT_FALSE(FindField("c102").has_value());
    EXPECT_THROW(FieldIdOf("nope"), std::out_of_range);
    // 101 console controls but c102, 121 key fields, the message, nick, quick and buy edits.
    int keys = 0;
    for (const FieldDef& def : defs) keys += def.kind == FieldKind::Key;
    EXPECT_EQ(keys, 121);
}

TEST(Settings, SameNickIsNoChangeAndNewNickRenamesServer) {
    Settings s;
    s.Set("Edit2", "My server");
    EXPECT_FALSE(s.Set("Nick", "VOvIrU"));
    EXPECT_EQ(s.Text("Edit2"), "My server");
    EXPECT_TRUE(s.Set("Nick", ""));
    EXPECT_EQ(s.Text("Edit2"), "'s CS Server");
}

TEST(Settings, NumbersFollowTheControlRules) {
    Settings s;
    struct Case {
        const char* field;
        int set;
        int expected;
    } cases[] = {
        {"TrackBar1", 99, 25}, {"TrackBar1", 0, 1},  {"TrackBar2", 11, 10}, {"TrackBar3", -5, 0},
        {"r", 300, 255},       {"r", -1, 0},         {"c54", 7, -1},        {"c54", 3, 3},
        {"c54", -1, -1},
    };
    for (const Case& c : cases) {
        s.SetNumber(FieldIdOf(c.field), c.set);
        EXPECT_EQ(s.Number(FieldIdOf(c.field)), c.expected) << c.field << " <- " << c.set;
    }
}

TEST(Settings, SpinTextThatIsNoIntegerCountsZero) {
    EXPECT_EQ(SpinTextValue(""), 0);
    EXPECT_EQ(SpinTextValue("12a"), 0);
    EXPECT_EQ(SpinTextValue("300"), 300);
    EXPECT_EQ(SpinTextValue("-4"), -4);
    Settings s;
    s.Set("g", "12a");
    EXPECT_EQ(s.Number(FieldIdOf("g")), 0);
    EXPECT_EQ(s.Text("g"), "12a");
}

}  // namespace
}  // namespace quillex
