#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "io/file_io.h"

namespace quillex {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillex-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Names in the folder, so that a left-over temporary file shows.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }

    fs::path dir_;
};

std::string EveryByte() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes + std::string(100000, '\0') + "end";
}

TEST_F(FileIo, ReadsWholeFiles) {
    for (const std::string& bytes : {std::string(), std::string("one line"), EveryByte()}) {
        Put(PathOf("in.wrk"), bytes);
        const FileRead read = ReadWholeFile(PathOf("in.wrk"));
        EXPECT_TRUE(read.ok);
        EXPECT_EQ(read.bytes, bytes);
        EXPECT_EQ(read.error, "");
    }
}

TEST_F(FileIo, ReadFailuresReportTheNameAsGiven) {
    fs::create_directory(PathOf("folder"));
    Put(PathOf("huge.wrk"), "");
    fs::resize_file(PathOf("huge.wrk"), kMaxReadBytes + 1);  // sparse, so cheap
    for (const std::string& path : {PathOf("missing.wrk"), PathOf("folder"),
                                    PathOf("missing/x.wrk"), PathOf("huge.wrk"), std::string()}) {
        const FileRead read = ReadWholeFile(path);
        EXPECT_FALSE(read.ok) << path;
        EXPECT_EQ(read.error, "Cannot open file " + path);
        EXPECT_TRUE(read.bytes.empty());
    }
}

TEST_F(FileIo, WritesNewFilesAndReplacesOldOnesKeepingTheirMode) {
    const std::string path = PathOf("out.wrk");
    ASSERT_TRUE(WriteFileAtomically(path, "first").ok);
    EXPECT_EQ(Contents(path), "first");

    ::chmod(path.c_str(), 0640);
    const FileWrite write = WriteFileAtomically(path, EveryByte());
    EXPECT_TRUE(write.ok);
    EXPECT_EQ(write.error, "");
    EXPECT_EQ(Contents(path), EveryByte());
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(), std::set<std::string>{"out.wrk"});
}

TEST_F(FileIo, RelativeNamesLandInTheCurrentFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir_);
    const FileWrite write = WriteFileAtomically("AutoSave_1.wrk", "saved");
    fs::current_path(previous);
    EXPECT_TRUE(write.ok);
    EXPECT_EQ(Contents(PathOf("AutoSave_1.wrk")), "saved");
    EXPECT_EQ(Entries(), std::set<std::string>{"AutoSave_1.wrk"});
}

TEST_F(FileIo, FailedWritesLeaveNothingBehind) {
    fs::create_directory(PathOf("folder"));
    Put(PathOf("folder/inside"), "x");
    Put(PathOf("file"), "old");
    for (const std::string& path : {PathOf("missing/out.wrk"), PathOf("folder"),
                                    PathOf("file/out.wrk"), PathOf("folder/"), std::string()}) {
        const FileWrite write = WriteFileAtomically(path, "new");
        EXPECT_FALSE(write.ok) << path;
        EXPECT_EQ(write.error, "Cannot create file " + path);
    }
    EXPECT_EQ(Entries(), (std::set<std::string>{"file", "folder"}));
    EXPECT_EQ(Contents(PathOf("file")), "old");
    EXPECT_EQ(Contents(PathOf("folder/inside")), "x");
}

TEST_F(FileIo, WriteThatFailsMidwayKeepsTheOldFile) {
    // A file-size limit makes the write fail part of the way, as a full disk would; it works
    // for root too, unlike permission bits.
    const std::string path = PathOf("out.wrk");
    Put(path, "old contents");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileWrite write = WriteFileAtomically(path, std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(write.ok);
    EXPECT_EQ(write.error, "Cannot create file " + path);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(Entries(), std::set<std::string>{"out.wrk"});
}

TEST_F(FileIo, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
    const std::string path = PathOf("locked.wrk");
    Put(path, "old");
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(WriteFileAtomically(path, "new").ok);
    EXPECT_EQ(Contents(path), "old");
}

TEST_F(FileIo, LinksAreFollowedAndDevicesWrittenInPlace) {
    fs::create_directory(PathOf("real"));
    Put(PathOf("real/target.cfg"), "old");
    fs::create_symlink(PathOf("real/target.cfg"), PathOf("link.cfg"));
    ASSERT_TRUE(WriteFileAtomically(PathOf("link.cfg"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(PathOf("link.cfg")));
    EXPECT_EQ(Contents(PathOf("real/target.cfg")), "new");
    EXPECT_EQ(Entries(), (std::set<std::string>{"link.cfg", "real"}));

    ASSERT_TRUE(WriteFileAtomically("/dev/null", "discarded").ok);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace quillex
