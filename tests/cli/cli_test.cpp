// Runs quillex-cli as a script would and checks exit status, output bytes and messages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Golden(const std::string& name) {
    return ReadFile(fs::path(QUILLEX_GOLDEN_DIR) / name);
}

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quillex-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Arguments are passed through the shell, each single-quoted.
    CliRun Cli(const std::vector<std::string>& args) {
        std::string command = "'" QUILLEX_CLI "'";
        for (const std::string& arg : args) command += " '" + arg + "'";
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        command += " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
    }

    fs::path Path(const std::string& name) const { return dir_ / name; }

    fs::path dir_;
};

TEST_F(CliTest, DefaultDocumentsMatchTheGoldenFiles) {
    struct Case {
        std::vector<std::string> args;
        const char* golden;
    } cases[] = {
        {{"compile", "--date", "11.12.2026 12:00:00"}, "default_full.cfg"},
        {{"compile", "--cut"}, "default_cut.cfg"},
        {{"save"}, "default.wrk"},
        {{"save", "--preset"}, "preset.wrk"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 0) << c.golden << ": " << run.err;
        EXPECT_EQ(run.out, Golden(c.golden)) << c.golden;
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(CliTest, LoadsThenPresetsThenWritesTheFile) {
    WriteFile(Path("in.wrk"), Golden("default.wrk"));
    CliRun run = Cli({"save", "--preset", "-o", Path("out.wrk").string(), Path("in.wrk").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(Path("out.wrk")), Golden("preset.wrk"));

    // A loaded file survives a save unchanged, and compiles as the state it holds.
    run = Cli({"save", Path("out.wrk").string()});
    EXPECT_EQ(run.out, Golden("preset.wrk"));
    run = Cli({"compile", "--date", "11.12.2026 12:00:00", Path("out.wrk").string()});
    EXPECT_EQ(run.out, Golden("preset_full.cfg"));
}

TEST_F(CliTest, ErrorsGoToStderrAndWriteNothing) {
    const std::string good = Golden("default.wrk");
    WriteFile(Path("notwrk.wrk"), "hello\r\n");
    std::string badInt = good;  // TrackBar1 sits on line 6
    badInt.replace(badInt.find("\r\n8\r\n") + 2, 1, "abc");
    WriteFile(Path("badint.wrk"), badInt);
    std::string badBool = good;  // c97 follows the empty talk block
    badBool.replace(badBool.find("/*/\r\n1\r\n") + 5, 1, "yes");
    WriteFile(Path("badbool.wrk"), badBool);

    struct Case {
        std::string input;
        std::string message;
    } cases[] = {
        {Path("missing.wrk").string(), "Cannot open file " + Path("missing.wrk").string() + ".\n"},
        {Path("notwrk.wrk").string(),
         "ОШИБКА!!! Неверная версия или файл: " + Path("notwrk.wrk").string() +
             " не является WRK файлом!!!\n"},
        {Path("badint.wrk").string(), "'abc' is not a valid integer value.\n"},
        {Path("badbool.wrk").string(), "'yes' is not a valid boolean value.\n"},
    };
    for (const Case& c : cases) {
        for (const char* command : {"compile", "save"}) {
            const fs::path out = Path("out");
            const CliRun run = Cli({command, "-o", out.string(), c.input});
            EXPECT_EQ(run.status, 1) << command << " " << c.input;
            EXPECT_EQ(run.err, c.message);
            EXPECT_EQ(run.out, "");
            EXPECT_FALSE(fs::exists(out)) << command << " " << c.input;
        }
    }
}

TEST_F(CliTest, UnwritableOutputIsACreateError) {
    const std::string target = Path("no/such/folder/x.cfg").string();
    const CliRun run = Cli({"compile", "-o", target});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot create file " + target + ".\n");
}

TEST_F(CliTest, UsageErrorsExitTwoAndHelpPrintsUsage) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"build"},
        {"compile", "--bogus"},
        {"save", "--cut"},
        {"save", "--date", "x"},
        {"compile", "--date"},
        {"compile", "-o"},
        {"compile", "a.wrk", "b.wrk"},
    };
    for (const auto& args : bad) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.err.find("usage: quillex-cli compile"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: quillex-cli compile"), std::string::npos);
}

TEST_F(CliTest, DateDefaultsToTheLocalTime) {
    const CliRun run = Cli({"compile"});
    ASSERT_EQ(run.status, 0);
    const std::string prefix = "// Last modified: ";
    const std::size_t at = run.out.find(prefix);
    ASSERT_NE(at, std::string::npos);
    const std::string date =
        run.out.substr(at + prefix.size(), run.out.find("\r\n", at) - at - prefix.size());
    EXPECT_GE(date.size(), 8u);
    EXPECT_NE(date.find(' '), std::string::npos) << date;
    EXPECT_NE(date.find(':'), std::string::npos) << date;
}

}  // namespace
