#include <gtest/gtest.h>

#include <algorithm>

#include "model/fields.h"
#include "text/cp1251.h"
#include "text/lines.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_file_writer.h"
#include "workfile_test_support.h"

namespace quillex {
namespace {

using testing::ReadGolden;
using testing::RecordingSink;
using testing::RichSettings;

// 0-based index in WorkFileLines() of a control's line, for a state with no talk phrases.
std::size_t LineIndexOf(const char* control) {
    const auto order = WorkFileOrder();
    return 1 + (std::find(order.begin(), order.end(), FieldIdOf(control)) - order.begin());
}

// The default file's lines, cut after `count` lines or with one control's line replaced.
std::vector<std::string> DefaultLines() {
    return WorkFileLines(Settings());
}
std::string Bytes(const std::vector<std::string>& lines) {
    return EncodeCp1251(JoinCrLf(lines)).bytes;
}
std::string DefaultWith(const char* control, const std::string& line) {
    auto lines = DefaultLines();
    lines[LineIndexOf(control)] = line;
    return Bytes(lines);
}
std::string DefaultCut(std::size_t count) {
    auto lines = DefaultLines();
    lines.resize(count);
    return Bytes(lines);
}

TEST(WorkFileReader, GoldenFilesLoadAndSaveBackByteForByte) {
    for (const char* name : {"default.wrk", "preset.wrk"}) {
        const std::string golden = ReadGolden(name);
        ASSERT_FALSE(golden.empty()) << name;
        Settings s = RichSettings();
        const WorkFileLoad load = ApplyWorkFile(golden, s);
        EXPECT_EQ(load.status, WorkFileStatus::Loaded) << name;
        EXPECT_EQ(WorkFileBytes(s).bytes, golden) << name;
    }
    Settings s = RichSettings();
    ApplyWorkFile(ReadGolden("default.wrk"), s);
    EXPECT_EQ(s, Settings());  // every stored control is restored, the talk phrases included
}

TEST(WorkFileReader, RichStateRoundTrips) {
    Settings rich = RichSettings();
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') everyByte += static_cast<char>(b);
    }
    rich.Set("c7", DecodeCp1251(everyByte));
    ASSERT_FALSE(UnstorableReason(rich).has_value());

    const Cp1251Encoded saved = WorkFileBytes(rich);
    EXPECT_EQ(saved.unmappable, 0u);
    EXPECT_NE(saved.bytes.find("\r\n" + everyByte + "\r\n"), std::string::npos);
    Settings loaded;
    ASSERT_EQ(ApplyWorkFile(saved.bytes, loaded).status, WorkFileStatus::Loaded);
    EXPECT_EQ(loaded, rich);
    EXPECT_EQ(WorkFileBytes(loaded).bytes, saved.bytes);
}

TEST(WorkFileReader, RejectsAnythingButTheExactMagicLineWithoutTouchingTheSink) {
    const std::string magic(kWorkFileMagic);
    const std::string rest = DefaultCut(273).substr(magic.size());  // from the first CR LF on
    const std::string cases[] = {
        "",
        "\r\n",
        "\xEF\xBB\xBF" + magic + rest,  // UTF-8 byte-order mark
        magic + " " + rest,
        " " + magic + rest,
        "<<CS Quillex WRK config file 1.4 - DO NOT MODIFY!!!>>" + rest,
        "<<cs quillex wrk config file 1.5 - do not modify!!!>>" + rest,
        magic.substr(0, magic.size() - 1),
        "\r\n" + magic + rest,
        "[Settings]\r\nNick=VOvIrU\r\n",
    };
    for (const std::string& bytes : cases) {
        RecordingSink sink;
        const WorkFileLoad load = ApplyWorkFile(bytes, sink);
        EXPECT_EQ(load.status, WorkFileStatus::NotWorkFile) << bytes.substr(0, 60);
        EXPECT_TRUE(sink.calls.empty());
    }
}

TEST(WorkFileReader, NotWorkFileMessageNamesTheFile) {
    EXPECT_EQ(NotWorkFileMessage("C:\\cfg\\my.wrk"),
              "ОШИБКА!!! Неверная версия или файл: C:\\cfg\\my.wrk не является WRK файлом!!!");
}

TEST(WorkFileReader, ConversionErrorsNameTheLineAndStopThere) {
    auto insideTalk = DefaultLines();
    insideTalk.resize(9);
    insideTalk.insert(insideTalk.end(), {"phrase 1", "phrase 2"});
    const struct {
        const char* what;
        std::string bytes;
        std::string error;
        std::size_t line;
    } cases[] = {
        {"word as a flag", DefaultWith("c97", "yes"), "'yes' is not a valid boolean value", 11},
        {"Cyrillic word as a flag", DefaultWith("c5", "да"), "'да' is not a valid boolean value",
         28},
        {"blank after a number", DefaultWith("c98", "1 "), "'1 ' is not a valid boolean value", 13},
        {"letters as a track bar", DefaultWith("TrackBar1", "abc"),
         "'abc' is not a valid integer value", 6},
        {"fraction as a spin edit", DefaultWith("g", "1.5"), "'1.5' is not a valid integer value",
         18},
        {"word as the texture mode", DefaultWith("c54", "GL_LINEAR"),
         "'GL_LINEAR' is not a valid integer value", 76},
        {"too large a number", DefaultWith("TrackBar2", "2147483648"),
         "'2147483648' is not a valid integer value", 7},
        {"end before the track bars", DefaultCut(5), "'' is not a valid integer value", 6},
        {"end right after the talk block", DefaultCut(10), "'' is not a valid boolean value", 11},
        {"end inside the talk block", Bytes(insideTalk), "'' is not a valid boolean value", 12},
        {"end before h2", DefaultCut(212), "'' is not a valid boolean value", 213},
    };
    for (const auto& c : cases) {
        Settings s;
        const WorkFileLoad load = ApplyWorkFile(c.bytes, s);
        EXPECT_EQ(load.status, WorkFileStatus::ConversionError) << c.what;
        EXPECT_EQ(load.error, c.error) << c.what;
        EXPECT_EQ(load.line, c.line) << c.what;
        EXPECT_EQ(WithFullStop(load.error), c.error + ".") << c.what;
    }
}

TEST(WorkFileReader, EndingAnywhereAfterH2LoadsAndEmptiesTheRest) {
    // The file comes from a state with keys and texts after h2, so that a missing line visibly
    // empties its control.
    Settings stored;
    for (const char* control : {"h", "c", "czn1", "zn1", "g1", "m1", "ms12", "z1", "zx14"})
        stored.Set(control, std::string("stored ") + control);
    const auto lines = WorkFileLines(stored);
    for (std::size_t count : {213u, 214u, 250u, 272u, 273u}) {
        Settings s = RichSettings();
        const WorkFileLoad load = ApplyWorkFile(Bytes({lines.begin(), lines.begin() + count}), s);
        EXPECT_EQ(load.status, WorkFileStatus::Loaded) << count;
        EXPECT_FALSE(s.Flag(FieldIdOf("h2"))) << count;
        EXPECT_EQ(s.Text("b1"), "b") << count;
        for (std::size_t i = 213; i < lines.size(); ++i) {
            const FieldId id = WorkFileOrder()[i - 1];
            EXPECT_EQ(s.Text(id), i < count ? lines[i] : "") << count << " " << Field(id).name;
        }
    }
}

TEST(WorkFileReader, ValuesAreConvertedToWhatTheControlCanHold) {
    const struct {
        const char* control;
        const char* line;
        int value;  // Flag as 0/1, else Number
    } cases[] = {
        {"c97", "2", 1},         {"c97", "-1", 1},       {"c97", "0", 0},
        {"c98", "true", 1},      {"c97", "FALSE", 0},    {"c98", "TrUe", 1},
        {"c98", "0.5", 1},       {"c97", "0.0", 0},      {"c98", "$10", 1},
        {"TrackBar1", "99", 25}, {"TrackBar1", "0", 1},  {"TrackBar2", "-3", 1},
        {"TrackBar3", "10", 10}, {"TrackBar3", "-1", 0}, {"TrackBar1", " 12", 12},
        {"r", "300", 255},       {"g", "-1", 0},         {"b", "$7F", 127},
        {"c54", "7", -1},        {"c54", "-1", -1},      {"c54", "3", 3},
        {"c54", "0", 0},         {"c54", "+2", 2},       {"c54", "-2147483648", -1},
    };
    for (const auto& c : cases) {
        Settings s;
        const WorkFileLoad load = ApplyWorkFile(DefaultWith(c.control, c.line), s);
        ASSERT_EQ(load.status, WorkFileStatus::Loaded) << c.control << " " << c.line;
        const FieldId id = FieldIdOf(c.control);
        const int got = Field(id).kind == FieldKind::Check ? s.Flag(id) : s.Number(id);
        EXPECT_EQ(got, c.value) << c.control << " " << c.line;
    }
    // No item selected is stored as -1 at the next save.
    Settings s;
    ApplyWorkFile(DefaultWith("c54", "7"), s);
    EXPECT_EQ(WorkFileLines(s)[LineIndexOf("c54")], "-1");
}

TEST(WorkFileReader, AcceptsEveryLineEnd) {
    const Settings rich = RichSettings();
    const auto lines = WorkFileLines(rich);
    std::string lf, cr, mixed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = EncodeCp1251(lines[i]).bytes;
        lf += line + "\n";
        cr += line + "\r";
        mixed += line + (i % 3 == 0 ? "\n" : i % 3 == 1 ? "\r" : "\r\n");
    }
    const std::string unterminated = lf.substr(0, lf.size() - 1);
    const std::string trailing = WorkFileBytes(rich).bytes + "extra 1\r\nextra 2\r\n";
    for (const std::string* bytes :
         std::initializer_list<const std::string*>{&lf, &cr, &mixed, &unterminated, &trailing}) {
        Settings s;
        EXPECT_EQ(ApplyWorkFile(*bytes, s).status, WorkFileStatus::Loaded);
        EXPECT_EQ(s, rich);
    }
}

TEST(WorkFileReader, TerminatorPhraseEndsTheTalkBlockAndShiftsTheFields) {
    Settings stored;
    stored.SetLines(fields::Get().talk, {"hi", "/*/", "0"});
    ASSERT_TRUE(UnstorableReason(stored).has_value());  // a saver refuses this state

    Settings s;
    const WorkFileLoad load = ApplyWorkFile(Bytes(WorkFileLines(stored)), s);
    EXPECT_EQ(s.Lines(fields::Get().talk), std::vector<std::string>{"hi"});
    EXPECT_FALSE(s.Flag(FieldIdOf("c97")));  // took the phrase "0"
    EXPECT_EQ(load.status, WorkFileStatus::ConversionError);
    EXPECT_EQ(load.error, "'/*/' is not a valid boolean value");  // frn met the real terminator
}

TEST(WorkFileReader, PartialLoadKeepsTheControlsAlreadySet) {
    Settings s = RichSettings();
    const Settings before = s;
    auto lines = DefaultLines();
    lines[1] = "Loaded";
    lines[2] = "Клан";
    lines[LineIndexOf("c98")] = "maybe";
    ASSERT_EQ(ApplyWorkFile(Bytes(lines), s).status, WorkFileStatus::ConversionError);

    EXPECT_EQ(s.Text("Nick"), "Loaded");
    EXPECT_EQ(s.Text("Clan"), "Клан");
    EXPECT_EQ(s.Number(fields::Get().TrackBar1), 8);
    EXPECT_EQ(s.Text("Edit2"), "VOvIrU's CS Server");
    EXPECT_TRUE(s.Lines(fields::Get().talk).empty());
    EXPECT_TRUE(s.Flag(FieldIdOf("c97")));
    EXPECT_TRUE(s.Flag(fields::Get().frn));
    // c98 and every control after it keep their old values.
    const auto order = WorkFileOrder();
    for (auto it = std::find(order.begin(), order.end(), FieldIdOf("c98")); it != order.end(); ++it)
        EXPECT_TRUE(testing::SameValue(s, before, *it)) << Field(*it).name;
}

TEST(WorkFileReader, AppliesControlsInFileOrderThroughTheirKinds) {
    auto lines = DefaultLines();
    lines[1] = "A";
    lines[LineIndexOf("Edit2")] = "Custom server";
    RecordingSink sink;
    ASSERT_EQ(ApplyWorkFile(Bytes(lines), sink).status, WorkFileStatus::Loaded);

    const auto order = WorkFileOrder();
    ASSERT_EQ(sink.calls.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const FieldKind kind = Field(order[i]).kind;
        const char* op = kind == FieldKind::Check                            ? "SetFlag"
                         : kind == FieldKind::Memo                           ? "SetLines"
                         : kind == FieldKind::Edit || kind == FieldKind::Key ? "SetText"
                                                                             : "SetNumber";
        EXPECT_EQ(sink.calls[i].id, order[i]) << i;
        EXPECT_EQ(sink.calls[i].op, op) << Field(order[i]).name;
    }
    // The nick's reaction renames the server first; the stored server name then wins.
    EXPECT_EQ(sink.settings.Text("Edit2"), "Custom server");
}

}  // namespace
}  // namespace quillex
