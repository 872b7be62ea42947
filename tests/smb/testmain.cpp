// Runs the tests with HOME and the XDG folders in a temporary folder, so that libsmbclient reads
// no smb.conf of the real user.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

class TemporaryHome : public ::testing::Environment {
  public:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillex-home.XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home_ = pattern;
        setenv("HOME", home_.c_str(), 1);
        setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
        // A desktop user's name that the club machines do not know.
        setenv("USER", "quillex-player", 1);
    }
    void TearDown() override { std::filesystem::remove_all(home_); }

  private:
    std::filesystem::path home_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new TemporaryHome);
    return RUN_ALL_TESTS();
}
