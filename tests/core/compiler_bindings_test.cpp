#include <gtest/gtest.h>

#include "compiler_testing.h"
#include "model/fields.h"

namespace quillex {
namespace {

using namespace quillex::testing;

constexpr std::string_view kLastBuyShortcut =
    "ALIAS 5_1 \"buy;menuselect 5;menuselect 1;menuselect0\"";
constexpr std::string_view kFirstFixed = "BIND \"=\" \"podbotmenu\"";
constexpr std::string_view kLastFixed = "BIND \"`\" \"toggleconsole\"";
constexpr std::string_view kAuthorLine =
    "BIND KP_RIGHTARROW \"radio3;menuselect 5;menuselect0;say_team 9I HA mecTe!\"";

struct Assignment {
    const char* field;
    const char* text;
};

Settings With(std::initializer_list<Assignment> texts, Settings s = WithoutKeys()) {
    for (const Assignment& a : texts) s.Set(a.field, a.text);
    return s;
}

// From the blank line after the buy shortcuts up to the three fixed bindings.
Doc ScriptBindings(const Doc& doc) {
    const std::size_t from = Find(doc, kLastBuyShortcut) + 1;
    return Slice(doc, from, Find(doc, kFirstFixed) - from);
}

// From the line after the three fixed bindings up to the closing lines.
Doc KeyBindings(const Doc& doc) {
    const std::size_t from = Find(doc, kLastFixed) + 1;
    return Slice(doc, from, Find(doc, "clear", from) - from);
}

TEST(CompilerBindings, WithoutKeysOnlyTheBlankLinesRemain) {
    const Settings s = WithoutKeys();
    const Doc full = Full(s);
    EXPECT_EQ(ScriptBindings(full), (Doc{"", "", "", ""}));
    EXPECT_EQ(KeyBindings(full), (Doc{"", ""}));
    EXPECT_EQ(StartingWith(full, "BIND").size(), 3u);
    EXPECT_EQ(full.size(), 278u - 41u);

    const Doc cut = CompileCut(s);
    EXPECT_EQ(ScriptBindings(cut), Doc{});
    EXPECT_EQ(KeyBindings(cut), Doc{});
}

TEST(CompilerBindings, ScriptMessageAndToggleKeysInOrderUnquoted) {
    const struct {
        Settings settings;
        Doc full;  // after the buy shortcuts' blank line
    } cases[] = {
        {With({{"v1", "MOUSE3"}}), {"BIND MOUSE3 \"vup\"", "", "", ""}},
        {With({{"v1", "a"}, {"v2", "b"}, {"v3", "c"}, {"v4", "d"}, {"v5", "e"}}),
         {"BIND a \"vup\"", "BIND b \"vdown\"", "BIND c \"sup\"", "BIND d \"sdown\"",
          "BIND e \"ed\"", "", "", ""}},
        {With({{"g1", "F1"}, {"m1", "radio3;menuselect 1;menuselect0;say_team Tak To4Ho!"}}),
         {"", "BIND F1 \"radio3;menuselect 1;menuselect0;say_team Tak To4Ho!\"", "", ""}},
        {With({{"g3", "F3"}}), {"", "BIND F3 \"\"", "", ""}},
        {With({{"m3", "say hi"}}), {"", "", ""}},
        {With({{"g12", "F12"},
               {"ms12", "say twelve"},
               {"g11", "F11"},
               {"ms11", "say eleven"},
               {"m10", "say ten"},
               {"g10", "F10"}}),
         {"", "BIND F10 \"say ten\"", "BIND F11 \"say eleven\"", "BIND F12 \"say twelve\"", "",
          ""}},
        {With({{"czn2", "KP_DEL"},
               {"zn2", "sv_gravity 200"},
               {"czn1", "KP_INS"},
               {"net2", "F8"},
               {"net1", "F7"},
               {"c", "F6"}}),
         {"", "", "BIND F6 \"adjust_crosshair\"", "BIND F7 \"net1\"", "BIND F8 \"net2\"",
          "BIND KP_INS \"\"", "BIND KP_DEL \"sv_gravity 200\"", ""}},
        {With({{"g1", "K L"}, {"m1", "say \"quoted\""}}),
         {"", "BIND K L \"say \"quoted\"\"", "", ""}},
    };
    for (const auto& c : cases) {
        Doc expected{""};
        expected.insert(expected.end(), c.full.begin(), c.full.end());
        EXPECT_EQ(ScriptBindings(Full(c.settings)), expected);
    }
}

TEST(CompilerBindings, AuthorLineOnlyForTheExactNick) {
    const std::string author(kAuthorLine);
    const struct {
        const char* nick;
        const char* messageKey;
        Doc lines;  // the message-key stretch with its blank line
    } cases[] = {
        {"VARGANT", "", {author, ""}}, {"VARGANT", "F1", {"BIND F1 \"say x\"", author, ""}},
        {"vargant", "", {""}},         {"VARGANT ", "F1", {"BIND F1 \"say x\"", ""}},
        {" VARGANT", "", {""}},
    };
    for (const auto& c : cases) {
        const Settings s = With({{"Nick", c.nick}, {"g1", c.messageKey}, {"m1", "say x"}});
        const Doc full = Full(s);
        const std::size_t from = Find(full, kLastBuyShortcut) + 3;  // past two blank lines
        EXPECT_EQ(Slice(full, from, c.lines.size()), c.lines) << c.nick;
        EXPECT_EQ(Count(CompileCut(s), kAuthorLine), Count(c.lines, kAuthorLine)) << c.nick;
    }
}

TEST(CompilerBindings, ActionRowsBindBothKeysQuoted) {
    const struct {
        Settings settings;
        Doc lines;
    } cases[] = {
        {With({{"b1", "b"}, {"bn1", "MOUSE3"}}), {"BIND \"b\" \"buy\"", "BIND \"MOUSE3\" \"buy\""}},
        {With({{"b36", "5"}, {"bn36", "KP_INS"}}),
         {"BIND \"5\" \"slot5\"", "BIND \"KP_INS\" \"+plant_c4\""}},
        {With({{"bn36", "KP_INS"}}), {"BIND \"KP_INS\" \"+plant_c4\""}},
        {With({{"b28", "CTRL"}, {"b27", "ALT"}, {"b26", "SPACE"}}),
         {"BIND \"SPACE\" \"+jump\"", "BIND \"ALT\" \"+sjump\"", "BIND \"CTRL\" \"+duck\""}},
        {With({{"b42", "y"}, {"b18", "f"}, {"b19", "t"}, {"b31", "0"}}),
         {"BIND \"f\" \"impulse 100\"", "BIND \"t\" \"impulse 201\"", "BIND \"0\" \"slot10\"",
          "BIND \"y\" \"messagemode\""}},
        {With({{"b1", "a \"b"}}), {"BIND \"a \"b\" \"buy\""}},
    };
    for (const auto& c : cases) {
        Doc expected = c.lines;
        expected.insert(expected.end(), {"", ""});
        EXPECT_EQ(KeyBindings(Full(c.settings)), expected);
        EXPECT_EQ(KeyBindings(CompileCut(c.settings)), c.lines);
    }
}

TEST(CompilerBindings, DefaultActionKeysSkipTheEmptyRow) {
    const Doc keys = KeyBindings(Full(Settings()));
    ASSERT_EQ(keys.size(), 41u + 2u);
    EXPECT_EQ(keys[0], "BIND \"b\" \"buy\"");
    EXPECT_EQ(keys[1], "BIND \",\" \"buyammo1\"");
    EXPECT_EQ(keys[9], "BIND \"MOUSE1\" \"+attack\"");
    EXPECT_EQ(keys[25], "BIND \"SPACE\" \"+jump\"");
    EXPECT_EQ(keys[26], "BIND \"CTRL\" \"+duck\"");  // row 27 has no key
}

TEST(CompilerBindings, BuyKeysBindTheirListsUnchanged) {
    const Settings s = With({{"z1", "F2"},
                             {"zx1", "4_1;say_team [KALASH-RULLEZZ!!]"},
                             {"zx2", "never bound"},
                             {"z14", "KP_5"}});
    EXPECT_EQ(KeyBindings(Full(s)), (Doc{"", "BIND \"F2\" \"4_1;say_team [KALASH-RULLEZZ!!]\"",
                                         "BIND \"KP_5\" \"\"", ""}));
}

TEST(CompilerBindings, ClosingLinesUseTheNickAlone) {
    const struct {
        const char* nick;
        const char* clan;
        const char* ready;
        const char* luck;
    } cases[] = {
        {"VOvIrU", "ABC", "echo \"-----= VOvIrU READY TO BATTLE! =-----\"",
         "echo \"GOOD LUCK VOvIrU!\""},
        {"", "", "echo \"-----=  READY TO BATTLE! =-----\"", "echo \"GOOD LUCK !\""},
    };
    for (const auto& c : cases) {
        const Settings s = With({{"Nick", c.nick}, {"Clan", c.clan}}, Settings());
        for (const Doc& doc : {Full(s), CompileCut(s)}) {
            const Doc closing = Slice(doc, doc.size() - 9, 9);
            EXPECT_EQ(closing[0], "clear");
            EXPECT_EQ(closing[3], c.ready);
            EXPECT_EQ(closing[7], c.luck);
            EXPECT_EQ(closing[8], "developer \"0\"");
        }
    }
}

}  // namespace
}  // namespace quillex
