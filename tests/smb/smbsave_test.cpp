// Club saves against the loopback Samba server.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "clubsave.h"
#include "loopback_server.h"

namespace quillex {
namespace {

using namespace quillex::testing;

// Every byte value, and the line ends the program writes.
std::string AllByteValues() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes + "\r\necho \xC3\xEE\xF2\xEE\xE2\xEE!\r\n";
}

class SmbServer : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto root = LoopbackServer::FindRoot();
        if (!root) GTEST_SKIP() << LoopbackServer::kMissing;
        server_.emplace(*root);
        server_->Reset();
    }
    void TearDown() override { server_.reset(); }

    void Reset() { server_->Reset(); }
    std::filesystem::path Folder(int machine) const { return server_->Folder(machine); }
    std::vector<std::string> Names(int machine) const { return server_->Names(machine); }
    void SetShare(int machine, Share share) { server_->SetShare(machine, share); }

    std::optional<LoopbackServer> server_;
};

TEST_F(SmbServer, EveryMachineGetsTheSameBytes) {
    const std::string bytes = AllByteValues();
    std::vector<int> tried;
    const ClubSaveResult result =
        SaveToClub(bytes, "VOvIrU", [&](int machine) { tried.push_back(machine); });
    ASSERT_TRUE(result.Ok()) << result.error;
    std::vector<int> all;
    for (int n = 1; n <= kClubMachineCount; ++n) {
        all.push_back(n);
        EXPECT_EQ(Names(n), std::vector<std::string>{"voviru.cfg"}) << "machine " << n;
        EXPECT_EQ(ReadBytes(Folder(n) / "voviru.cfg"), bytes) << "machine " << n;
    }
    EXPECT_EQ(tried, all);
}

TEST_F(SmbServer, RefusingMachineStopsTheSave) {
    struct Case {
        int machine;
        Share share;
    };
    const Case cases[] = {{1, Share::ReadOnly},
                          {13, Share::PasswordOnly},
                          {30, Share::Missing},
                          {7, Share::ReadOnly}};
    const std::string bytes = "name \"VOvIrU\"\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE("machine " + std::to_string(c.machine));
        Reset();
        SetShare(c.machine, c.share);
        std::vector<int> tried;
        const ClubSaveResult result =
            SaveToClub(bytes, "VOvIrU", [&](int machine) { tried.push_back(machine); });
        EXPECT_EQ(result.failed_machine, c.machine);
        EXPECT_EQ(result.error, "Cannot create file smb://127.0.0." + std::to_string(c.machine) +
                                    "/C/Games/Half-Life/cstrike/voviru.cfg");
        ASSERT_EQ(tried.size(), static_cast<std::size_t>(c.machine));
        EXPECT_EQ(tried.back(), c.machine);
        for (int n = 1; n <= kClubMachineCount; ++n) {
            if (n < c.machine) {
                EXPECT_EQ(ReadBytes(Folder(n) / "voviru.cfg"), bytes) << "machine " << n;
            } else {
                EXPECT_TRUE(Names(n).empty()) << "machine " << n;
            }
        }
    }
}

TEST_F(SmbServer, SecondSaveReplacesTheFile) {
    // An older, longer file of another owner and the temporary file of a broken save, then two
    // saves, the second one shorter.
    WriteBytes(Folder(4) / "voviru.cfg", std::string(10000, 'x'));
    WriteBytes(Folder(5) / "voviru.cfg.tmp", "half a confi");
    ASSERT_TRUE(SaveToClub("first save, a longer text\r\n", "VOvIrU").Ok());
    ASSERT_TRUE(SaveToClub("second\r\n", "VOvIrU").Ok());
    for (int n = 1; n <= kClubMachineCount; ++n) {
        EXPECT_EQ(Names(n), std::vector<std::string>{"voviru.cfg"}) << "machine " << n;
        EXPECT_EQ(ReadBytes(Folder(n) / "voviru.cfg"), "second\r\n") << "machine " << n;
    }
}

TEST_F(SmbServer, NickIsTheFileNameAsTyped) {
    struct Case {
        const char* nick;
        std::optional<std::string> name;  // none: no file name may hold it, the save fails
    };
    const Case cases[] = {
        {"", ".cfg"},           {"50%41", "50%41.cfg"}, {"[Clan] #1 & Co;", "[clan] #1 & co;.cfg"},
        {"ИгрОК", "ИгрОК.cfg"}, {"a?b", std::nullopt},  {"a*b", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nick);
        Reset();
        const ClubSaveResult result = SaveToClub("x\r\n", c.nick);
        if (c.name) {
            ASSERT_TRUE(result.Ok()) << result.error;
            EXPECT_EQ(Names(1), std::vector<std::string>{*c.name});
            EXPECT_EQ(Names(30), std::vector<std::string>{*c.name});
        } else {
            EXPECT_EQ(result.failed_machine, 1);
            EXPECT_TRUE(Names(1).empty());
        }
    }
}

TEST_F(SmbServer, EmptyTextGivesEmptyFiles) {
    ASSERT_TRUE(SaveToClub("", "VOvIrU").Ok());
    for (int n = 1; n <= kClubMachineCount; ++n) {
        ASSERT_TRUE(std::filesystem::exists(Folder(n) / "voviru.cfg")) << "machine " << n;
        EXPECT_EQ(std::filesystem::file_size(Folder(n) / "voviru.cfg"), 0u) << "machine " << n;
    }
}

}  // namespace
}  // namespace quillex
