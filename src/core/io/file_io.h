#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillex {

// Files larger than this are refused: no work file or config comes near it, and reading one
// whole must not exhaust memory.
inline constexpr std::size_t kMaxReadBytes = std::size_t{64} << 20;

struct FileRead {
    bool ok = false;
    std::string bytes;
    std::string error;  // "Cannot open file " + path, no full stop
};

// Reads a whole file. Fails for a missing or unreadable file, a folder and a file above
// kMaxReadBytes.
FileRead ReadWholeFile(const std::string& path);

struct FileWrite {
    bool ok = false;
    std::string error;  // "Cannot create file " + path, no full stop
};

// Replaces the file at path with bytes so that it holds either its old or its new contents,
// never a part: the bytes go to a temporary file in the same folder, which is flushed to disk
// and renamed over the target. A replaced file keeps its permission bits (and, where allowed,
// its owner); a symbolic link is followed and its target replaced. An existing file that may
// not be written is refused, as is a folder. A device or pipe (say /dev/null) is written in
// place, since it cannot be replaced. On failure the old file is untouched and no temporary
// file is left.
FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quillex
