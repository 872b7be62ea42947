#include <gtest/gtest.h>

#include <set>

#include "model/fields.h"
#include "workfile/author_preset.h"
#include "workfile/work_file_writer.h"
#include "workfile_test_support.h"

namespace quillex {
namespace {

using testing::ReadGolden;
using testing::RecordingSink;
using testing::RichSettings;

const std::vector<std::string> kPhrases = {
    "!!!!!FUCKING CAMPERS!!!!!",
    "!!!!!Counter-Strike - FOREVER!!!!!",
    "!!!!!Camper-Strike - FOREVER!!!!! :-)",
};

std::set<FieldId> PresetControls() {
    std::set<FieldId> ids;
    for (const PresetValue& entry : AuthorPreset()) ids.insert(FieldIdOf(entry.control));
    return ids;
}

TEST(AuthorPreset, EveryListedControlTakesItsValue) {
    Settings s = RichSettings();
    ApplyAuthorPreset(s);
    for (const PresetValue& entry : AuthorPreset()) {
        const FieldId id = FieldIdOf(entry.control);
        switch (Field(id).kind) {
            case FieldKind::Check:
            case FieldKind::TrackBar:
                EXPECT_EQ(std::to_string(s.Number(id)), entry.value) << entry.control;
                break;
            case FieldKind::Memo:
                break;
            default:
                EXPECT_EQ(s.Text(id), entry.value) << entry.control;
        }
    }
    EXPECT_EQ(s.Text("Nick"), "VARGANT");
    EXPECT_EQ(s.Text("c"), "\\");
    EXPECT_EQ(s.Text("h"), "KP_ENTER");
    EXPECT_EQ(s.Text("bn36"), "ALT");
    EXPECT_EQ(s.Text("z14"), "-");
    EXPECT_EQ(s.Number(fields::Get().TrackBar1), 8);
    EXPECT_FALSE(s.Flag(fields::Get().h1));
    EXPECT_EQ(PresetControls().size(), 128u);  // 7 + 15 script + 6 nicks + 24 + talk + 47 + 28
}

TEST(AuthorPreset, ImplementersTextsHaveTheDescribedForms) {
    Settings s;
    ApplyAuthorPreset(s);
    const std::string site = s.Text("site");
    const auto comma = site.find(", ");
    ASSERT_NE(comma, std::string::npos);
    EXPECT_EQ(site.find(", ", comma + 1), std::string::npos);  // exactly two addresses
    EXPECT_NE(s.Text("email").find('@'), std::string::npos);
    EXPECT_EQ(s.Text("nick2").back(), ']');
    EXPECT_NE(s.Text("nick2").find('['), std::string::npos);
    for (const char* nick : {"nick3", "nick4"})
        EXPECT_NE(s.Text(nick).find('_'), std::string::npos);
    EXPECT_FALSE(s.Text("nick5").empty());
}

TEST(AuthorPreset, EveryOtherControlKeepsItsValue) {
    const Settings before = RichSettings();
    Settings s = before;
    ApplyAuthorPreset(s);
    const std::set<FieldId> listed = PresetControls();
    int kept = 0;
    for (FieldId id = 0; id < Fields().size(); ++id) {
        if (listed.count(id) || id == fields::Get().Edit2) continue;
        EXPECT_TRUE(testing::SameValue(s, before, id)) << Field(id).name;
        ++kept;
    }
    EXPECT_GT(kept, 100);  // the console variables, colour, gravity, texture mode, second keys
    EXPECT_EQ(s.Text("bn1"), before.Text("bn1"));
    EXPECT_EQ(s.Text("bn31"), before.Text("bn31"));
    EXPECT_EQ(s.Text("bn37"), before.Text("bn37"));
    // The server name follows the new nick through the nick's own reaction.
    EXPECT_EQ(s.Text("Edit2"), "VARGANT's CS Server");
}

TEST(AuthorPreset, PhrasesAreAppendedEachTime) {
    Settings s;
    s.SetLines(fields::Get().talk, {"mine"});
    ApplyAuthorPreset(s);
    ApplyAuthorPreset(s);
    std::vector<std::string> expected = {"mine"};
    for (int run = 0; run < 2; ++run)
        expected.insert(expected.end(), kPhrases.begin(), kPhrases.end());
    EXPECT_EQ(s.Lines(fields::Get().talk), expected);
}

TEST(AuthorPreset, NickAlreadySetLeavesTheServerName) {
    Settings s;
    s.Set("Nick", "VARGANT");
    s.Set("Edit2", "My own server");
    ApplyAuthorPreset(s);
    EXPECT_EQ(s.Text("Edit2"), "My own server");
}

TEST(AuthorPreset, AppliesNickFirstAndEachControlByItsKind) {
    RecordingSink sink;
    ApplyAuthorPreset(sink);
    ASSERT_EQ(sink.calls.size(), AuthorPreset().size());
    EXPECT_EQ(sink.calls.front().op, "SetText");
    EXPECT_EQ(sink.calls.front().id, fields::Get().Nick);
    std::vector<std::string> appended;
    for (const auto& call : sink.calls) {
        EXPECT_NE(call.id, fields::Get().Edit2);
        const FieldKind kind = Field(call.id).kind;
        const char* op = kind == FieldKind::Check      ? "SetFlag"
                         : kind == FieldKind::TrackBar ? "SetNumber"
                         : kind == FieldKind::Memo     ? "AppendLine"
                                                       : "SetText";
        EXPECT_EQ(call.op, op) << Field(call.id).name;
        if (call.op == "AppendLine") appended.push_back(call.value);
    }
    EXPECT_EQ(appended, kPhrases);
}

TEST(AuthorPreset, SavedPresetMatchesGoldenFile) {
    Settings s;
    ApplyAuthorPreset(s);
    EXPECT_EQ(WorkFileBytes(s).bytes, ReadGolden("preset.wrk"));
}

}  // namespace
}  // namespace quillex

namespace quillex {
namespace {

TEST(AuthorAddresses, SiteFieldJoinsTheTwoAddresses) {
    EXPECT_EQ(std::string(kAuthorSites), std::string(kClanSite) + ", " + std::string(kAuthorSite));
}

}  // namespace
}  // namespace quillex
