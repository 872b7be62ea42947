#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/fields.h"
#include "text/lines.h"
#include "workfile/work_file_writer.h"
#include "workfile_test_support.h"

namespace quillex {
namespace {

using testing::ReadGolden;

TEST(WorkFileWriter, OrderStoresEveryControlOnceAtItsLine) {
    const auto order = WorkFileOrder();
    ASSERT_EQ(order.size(), Fields().size());
    EXPECT_EQ(std::set<FieldId>(order.begin(), order.end()).size(), order.size());

    // Line numbers of a file with no talk phrases; the magic line is line 1.
    const struct {
        const char* control;
        std::size_t line;
    } anchors[] = {
        {"Nick", 2},   {"TrackBar1", 6}, {"Edit2", 9},  {"talk", 10}, {"c97", 11},  {"frn", 12},
        {"c101", 14},  {"r", 17},        {"b", 19},     {"grav", 20}, {"c1", 21},   {"c7", 24},
        {"c8", 32},    {"c19", 36},      {"c16", 39},   {"c20", 40},  {"c56", 53},  {"c32", 54},
        {"c53", 75},   {"c54", 76},      {"c64", 84},   {"c93", 88},  {"c91", 90},  {"c70", 93},
        {"c96", 108},  {"c83", 109},     {"c95", 116},  {"b1", 117},  {"b42", 158}, {"bn1", 159},
        {"bn42", 200}, {"nick1", 201},   {"v5", 211},   {"h1", 212},  {"h2", 213},  {"h", 214},
        {"c", 215},    {"net2", 217},    {"czn1", 218}, {"zn2", 221}, {"g1", 222},  {"g12", 233},
        {"m1", 234},   {"ms11", 244},    {"ms12", 245}, {"z1", 246},  {"zx1", 260}, {"zx14", 273},
    };
    for (const auto& a : anchors) EXPECT_EQ(Field(order[a.line - 2]).name, a.control) << a.line;
}

TEST(WorkFileWriter, DefaultStateMatchesGoldenFile) {
    const Cp1251Encoded file = WorkFileBytes(Settings());
    EXPECT_EQ(file.bytes, ReadGolden("default.wrk"));
    EXPECT_EQ(file.unmappable, 0u);
    EXPECT_EQ(WorkFileLines(Settings()).size(), 273u);
}

TEST(WorkFileWriter, TalkPhrasesPrecedeTheTerminatorAndMoveLaterFields) {
    Settings s;
    s.SetFlag(FieldIdOf("c97"), false);
    // A memo text with or without a final line break has the same two lines.
    for (const char* memo : {"L1\r\nL2", "L1\r\nL2\r\n"}) {
        s.SetLines(fields::Get().talk, SplitLines(memo));
        const auto lines = WorkFileLines(s);
        ASSERT_EQ(lines.size(), 275u);
        EXPECT_EQ(lines[9], "L1");
        EXPECT_EQ(lines[10], "L2");
        EXPECT_EQ(lines[11], "/*/");
        EXPECT_EQ(lines[12], "0");  // c97
        EXPECT_EQ(lines[274], "");  // zx14
    }
}

TEST(WorkFileWriter, NumbersAreStoredAsTheControlReportsThem) {
    const struct {
        const char* control;
        const char* text;  // spin-edit text as typed, or empty to use number
        int number;
        const char* stored;
    } cases[] = {
        {"r", "abc", 0, "0"},
        {"g", "", 0, "0"},
        {"b", "300", 0, "300"},
        {"r", "-5", 0, "-5"},
        {"g", "12", 0, "12"},
        {"c54", nullptr, 7, "-1"},
        {"c54", nullptr, 0, "0"},
        {"TrackBar3", nullptr, 0, "0"},
        {"TrackBar1", nullptr, 25, "25"},
    };
    for (const auto& c : cases) {
        Settings s;
        const FieldId id = FieldIdOf(c.control);
        if (c.text)
            s.Set(id, c.text);
        else
            s.SetNumber(id, c.number);
        const auto order = WorkFileOrder();
        const auto at = std::find(order.begin(), order.end(), id) - order.begin();
        EXPECT_EQ(WorkFileLines(s)[1 + at], c.stored) << c.control;
    }
}

TEST(WorkFileWriter, CharactersOutsideTheCodePageAreCounted) {
    Settings s;
    s.Set("Nick", "Ник😀");
    s.Set("Clan", "中");
    s.Set("Edit2", "server");
    const Cp1251Encoded file = WorkFileBytes(s);
    EXPECT_EQ(file.unmappable, 2u);
    EXPECT_NE(file.bytes.find("\r\n\xCD\xE8\xEA?\r\n?\r\n"), std::string::npos);
}

TEST(WorkFileWriter, StatesThatWouldReadBackShiftedAreRefused) {
    const FieldId talk = fields::Get().talk;
    const struct {
        const char* what;
        std::vector<std::string> talkLines;
        const char* control;  // text control given `text`, or null
        std::string text;
        const char* reason;  // null: storable
    } cases[] = {
        {"defaults", {}, nullptr, "", nullptr},
        {"near terminators", {"/*/ ", " /*/", "/*", "*/"}, nullptr, "", nullptr},
        {"terminator phrase",
         {"hello", "/*/"},
         nullptr,
         "",
         "Строка \"/*/\" в поле «Разговор» (talk) не может быть сохранена в WRK-файл: она "
         "закрывает список фраз. Измените или удалите эту строку"},
        {"break in a phrase",
         {"a\nb"},
         nullptr,
         "",
         "Фраза поля «Разговор» (talk) содержит перевод строки и не может быть сохранена в "
         "WRK-файл"},
        {"LF in an edit",
         {},
         "Nick",
         "a\nb",
         "Поле Nick содержит перевод строки и не может быть сохранено в WRK-файл"},
        {"CR in a buy list",
         {},
         "zx14",
         "a\r",
         "Поле zx14 содержит перевод строки и не может быть "
         "сохранено в WRK-файл"},
        {"terminator as a text", {}, "c7", "/*/", nullptr},
    };
    for (const auto& c : cases) {
        Settings s;
        s.SetLines(talk, c.talkLines);
        if (c.control) s.Set(c.control, c.text);
        const auto reason = UnstorableReason(s);
        if (c.reason) {
            ASSERT_TRUE(reason.has_value()) << c.what;
            EXPECT_EQ(*reason, c.reason) << c.what;
        } else {
            EXPECT_FALSE(reason.has_value()) << c.what << ": " << reason.value_or("");
        }
    }
}

}  // namespace
}  // namespace quillex
