#include "output/config_file.h"

#include <gtest/gtest.h>

namespace quillex {
namespace {

TEST(ConfigFile, NameLowercasesOnlyLatinCapitals) {
    struct Case {
        const char* folder;
        const char* nick;
        const char* name;
    } cases[] = {
        {"/home/u/cstrike", "VOvIrU", "/home/u/cstrike/voviru.cfg"},
        {"", "VOvIrU", "/voviru.cfg"},
        {"/tmp/", "Nick", "/tmp//nick.cfg"},
        {"/tmp", "", "/tmp/.cfg"},
        {"/tmp", "ИГРОК Ёж", "/tmp/ИГРОК Ёж.cfg"},
        {"/tmp", "sub/ME", "/tmp/sub/me.cfg"},
        {"/tmp", "[TALONS]VARGANT", "/tmp/[talons]vargant.cfg"},
    };
    for (const Case& c : cases) EXPECT_EQ(ConfigFileName(c.folder, c.nick), c.name);
}

TEST(ConfigFile, MemoLinesEndInCrLfButAnUnterminatedLastLine) {
    struct Case {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"", ""},
        {"unbindall\nclear\n", "unbindall\r\nclear\r\n"},
        {"unbindall\nmy edit", "unbindall\r\nmy edit"},
        {"a\n\n", "a\r\n\r\n"},
        {"a\r\nb\rc", "a\r\nb\r\nc"},
        {"// Мой Сайт: ", "// \xCC\xEE\xE9 \xD1\xE0\xE9\xF2: "},
    };
    for (const Case& c : cases) EXPECT_EQ(MemoFileBytes(c.text).bytes, c.bytes) << c.text;
}

TEST(ConfigFile, UnmappableCharactersAreCounted) {
    const Cp1251Encoded e = MemoFileBytes("say 😀 日本\n");
    EXPECT_EQ(e.bytes, "say ? ??\r\n");
    EXPECT_EQ(e.unmappable, 3u);
}

}  // namespace
}  // namespace quillex
