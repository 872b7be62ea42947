#include "io/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

namespace quillex {
namespace {

namespace fs = std::filesystem;

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; returns whether the close (and so the last write-back) succeeded.
    bool Close() {
        if (fd_ < 0) return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

FileWrite CannotCreate(const std::string& path) {
    return {false, "Cannot create file " + path};
}

// Writes into an existing file that cannot be replaced by renaming (a device, a pipe).
FileWrite WriteInPlace(const std::string& path, std::string_view bytes) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid() || !WriteAll(fd.get(), bytes) || !fd.Close()) return CannotCreate(path);
    return {true, {}};
}

// A fresh name beside the target, created exclusively so that nothing existing is reused.
Fd CreateTemp(const fs::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    std::minstd_rand random(seed() ^ static_cast<unsigned>(::getpid()));
    const std::string base =
        target.parent_path().empty() ? std::string() : target.parent_path().string() + "/";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
               "-" + std::to_string(counter++) + "-" + std::to_string(random());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return Fd(fd);
    }
    return Fd(-1);
}

void SyncFolder(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());  // durability only; the rename already happened
}

}  // namespace

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    const auto fail = [&] {
        result = FileRead{false, {}, "Cannot open file " + path};
        return result;
    };
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid()) return fail();
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return fail();
    if (S_ISREG(st.st_mode)) {
        if (static_cast<std::uintmax_t>(st.st_size) > kMaxReadBytes) return fail();
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    // Read to the end rather than trusting the size: files may grow, and pipes have none.
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail();
        }
        if (n == 0) break;
        if (result.bytes.size() + static_cast<std::size_t>(n) > kMaxReadBytes) return fail();
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.ok = true;
    return result;
}

FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return CannotCreate(path);
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;  // a dangling link gets replaced by the new file
    }

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed) {
        if (S_ISDIR(old.st_mode)) return CannotCreate(path);
        if (!S_ISREG(old.st_mode)) return WriteInPlace(path, bytes);
        if (::access(target.c_str(), W_OK) != 0) return CannotCreate(path);
    }

    std::string tempName;
    Fd fd = CreateTemp(target, tempName);
    if (!fd.valid()) return CannotCreate(path);
    bool ok = WriteAll(fd.get(), bytes);
    if (ok && existed) {
        ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
        // Only a privileged writer can give the file back to another owner; for anyone else
        // this fails harmlessly and the new file is theirs.
        if (ok && ::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
        }
    }
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        return CannotCreate(path);
    }
    SyncFolder(target);
    return {true, {}};
}

}  // namespace quillex
