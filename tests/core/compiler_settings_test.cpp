#include <gtest/gtest.h>

#include "compiler_testing.h"
#include "model/fields.h"

namespace quillex {
namespace {

using namespace quillex::testing;

TEST(CompilerSettings, ClanShapesTitleAndNameLines) {
    const struct {
        const char* clan;
        const char* titleEnd;
        const char* name;
    } cases[] = {
        {"", "VOvIrU'a для Counter-Strike", "\"VOvIrU\""},
        {"ABC", "VOvIrU'a [ABC] для Counter-Strike", "\"VOvIrU [ABC]\""},
        {" ", "VOvIrU'a [ ] для Counter-Strike", "\"VOvIrU [ ]\""},
    };
    for (const auto& c : cases) {
        Settings s;
        s.Set("Clan", c.clan);
        const Doc full = Full(s);
        const Doc cut = CompileCut(s);
        EXPECT_EQ(full[3], std::string("// \t\t\tКонфиг ") + c.titleEnd) << c.clan;
        EXPECT_EQ(full[13], std::string("name     ") + c.name) << c.clan;
        EXPECT_EQ(cut[2], std::string("name ") + c.name) << c.clan;
        EXPECT_EQ(Find(cut, full[3]), kMissing);
    }
}

TEST(CompilerSettings, HeaderKeepsTrailingSpacesAndTakesContacts) {
    Settings s;
    EXPECT_EQ(Slice(Full(s), 4, 2), (Doc{"// Мой E-mail: ", "// Мой Сайт: "}));
    s.Set("email", "me@example.org");
    s.Set("site", "http://example.org");
    EXPECT_EQ(Slice(Full(s), 4, 2),
              (Doc{"// Мой E-mail: me@example.org", "// Мой Сайт: http://example.org"}));
}

TEST(CompilerSettings, TextsAreWrittenUnchanged) {
    Settings s;
    s.Set("Nick", "Pro\"Gamer");
    s.Set("Edit2", "");
    s.Set("c7", "abc");
    s.Set("c85", " -20 ");
    const Doc full = Full(s);
    EXPECT_EQ(full[13], "name     \"Pro\"Gamer\"");
    EXPECT_EQ(full[17], "hostname     \"\"");
    EXPECT_NE(Find(full, "mp_freezetime     \"abc\""), kMissing);
    EXPECT_NE(Find(full, "pushlatency     \" -20 \""), kMissing);
    EXPECT_NE(Find(CompileCut(s), "mp_freezetime \"abc\""), kMissing);
}

TEST(CompilerSettings, TrackBarsGiveSensitivityAndTenths) {
    const struct {
        const char* bar;
        int position;
        const char* line;
    } cases[] = {
        {"TrackBar1", 1, "sensitivity     \"1\""},
        {"TrackBar1", 25, "sensitivity     \"25\""},
        {"TrackBar2", 1, "zoom_sensitivity_ratio     \"0.1\""},
        {"TrackBar2", 10, "zoom_sensitivity_ratio     \"1\""},
        {"TrackBar3", 0, "volume     \"0.0\""},
        {"TrackBar3", 9, "volume     \"0.9\""},
        {"TrackBar3", 10, "volume     \"1\""},
    };
    for (const auto& c : cases) {
        Settings s;
        s.SetNumber(FieldIdOf(c.bar), c.position);
        EXPECT_NE(Find(Slice(Full(s), 14, 3), c.line), kMissing) << c.bar << " " << c.position;
    }
}

TEST(CompilerSettings, ColourIsTheSpinTextsReadAsIntegersWithoutLimit) {
    const struct {
        const char* r;
        const char* g;
        const char* b;
        const char* value;
    } cases[] = {
        {"0", "175", "255", "\"0 175 255\""},
        {"0", "12a", "255", "\"0 0 255\""},
        {"300", "", "255", "\"300 0 255\""},
        {"-1", "007", "x", "\"-1 7 0\""},
    };
    for (const auto& c : cases) {
        Settings s;
        s.Set("r", c.r);
        s.Set("g", c.g);
        s.Set("b", c.b);
        const Doc full = Full(s);
        EXPECT_EQ(full[128], std::string("con_color     ") + c.value);
        EXPECT_EQ(full[129], "");
        EXPECT_EQ(CompileCut(s)[110], std::string("con_color ") + c.value);
    }
}

TEST(CompilerSettings, TextureModeIsTheSelectedItemText) {
    const struct {
        int index;
        const char* line;
    } cases[] = {
        {0, "gl_texturemode     \"GL_NEAREST_MIPMAP_NEAREST\""},
        {3, "gl_texturemode     \"GL_NEAREST_MIPMAP_LINEAR\""},
        {-1, "gl_texturemode     \"\""},
    };
    for (const auto& c : cases) {
        Settings s;
        s.SetNumber(fields::Get().c54, c.index);
        EXPECT_EQ(Full(s)[80], c.line) << c.index;
    }
}

TEST(CompilerSettings, CheckBoxesWriteTheirDigitUnderTheirCaption) {
    Settings s;
    s.SetFlag(FieldIdOf("c74"), true);   // a two-word caption
    s.SetFlag(FieldIdOf("frn"), false);  // listed out of number order
    s.SetFlag(FieldIdOf("c98"), true);
    const Doc full = Full(s);
    EXPECT_EQ(full[20], "mp_friendlyfire     \"0\"");
    EXPECT_EQ(full[100], "setinfo dm     \"1\"");
    EXPECT_EQ(full[124], "joystick     \"1\"");
}

}  // namespace
}  // namespace quillex
