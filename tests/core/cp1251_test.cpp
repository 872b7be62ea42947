#include <gtest/gtest.h>

#include "text/cp1251.h"
#include "text/lines.h"

namespace quillex {
namespace {

TEST(Cp1251, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = DecodeCp1251(all);
    const Cp1251Encoded back = EncodeCp1251(utf8);
    EXPECT_EQ(back.bytes, all);
    EXPECT_EQ(back.unmappable, 0u);
}

TEST(Cp1251, KnownCharacters) {
    EXPECT_EQ(DecodeCp1251("\xC0\xFF\xA8\xB8\xB9\x98"), "АяЁё№\xC2\x98");
    EXPECT_EQ(EncodeCp1251("Привет, VOvIrU").bytes, "\xCF\xF0\xE8\xE2\xE5\xF2, VOvIrU");
    EXPECT_EQ(EncodeCp1251("€").bytes, "\x88");
}

TEST(Cp1251, UnmappableCharactersBecomeQuestionMarks) {
    const Cp1251Encoded e = EncodeCp1251("a\xE4\xB8\xAD" "b😀c");  // a, CJK, b, emoji, c
    EXPECT_EQ(e.bytes, "a?b?c");
    EXPECT_EQ(e.unmappable, 2u);
    EXPECT_EQ(EncodeCp1251("\xFF\xC3").bytes, "??");  // malformed UTF-8
}

TEST(Lines, SplitFollowsMemoRules) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\rb", {"a", "b"}},
        {"\r\n", {""}},
        {"a\r\r\n", {"a", ""}},
        {"\n\r", {"", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(Lines, FullStopRule) {
    EXPECT_EQ(WithFullStop("Cannot open file x.wrk"), "Cannot open file x.wrk.");
    EXPECT_EQ(WithFullStop("'abc' is not a valid integer value"),
              "'abc' is not a valid integer value.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("Done!"), "Done!");
    EXPECT_EQ(WithFullStop("(x)"), "(x)");
    EXPECT_EQ(WithFullStop("файл"), "файл.");
    EXPECT_EQ(WithFullStop(""), "");
}

}  // namespace
}  // namespace quillex
