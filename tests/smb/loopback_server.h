#pragma once
// The loopback Samba server that smbd.sh starts: machine n is 127.0.0.n, whose share [C] is the
// folder share/n of the server's temp folder, described by conf/127.0.0.n.conf. smbd reads that
// include anew for every connection, so a test can change one machine's share between saves.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "clubnetwork.h"

namespace quillex::testing {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

enum class Share { Writable, ReadOnly, PasswordOnly, Missing };

class LoopbackServer {
  public:
    // The folder of the running server named by QUILLEX_SMBD_STATE, or none (no root, no
    // samba, not run through ctest).
    static std::optional<std::filesystem::path> FindRoot() {
        const char* state = getenv("QUILLEX_SMBD_STATE");
        std::string root;
        if (state != nullptr) std::getline(std::ifstream(state), root);
        if (root.empty() || !std::filesystem::is_directory(root)) return std::nullopt;
        return root;
    }
    static constexpr const char* kMissing =
        "no loopback smbd (it needs root and the Debian package samba); run through ctest, "
        "which starts it";

    explicit LoopbackServer(std::filesystem::path root) : root_(std::move(root)) {}
    ~LoopbackServer() { RestoreShares(); }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // Every machine writable, every config folder empty.
    void Reset() {
        RestoreShares();
        for (int n = 1; n <= kClubMachineCount; ++n) {
            for (const auto& entry : std::filesystem::directory_iterator(Folder(n))) {
                std::filesystem::remove_all(entry);
            }
        }
    }

    std::filesystem::path Folder(int machine) const {
        return root_ / "share" / std::to_string(machine) / "Games/Half-Life/cstrike";
    }

    // The names in the machine's config folder.
    std::vector<std::string> Names(int machine) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Folder(machine))) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    // The share as the next connection to the machine finds it.
    void SetShare(int machine, Share share) {
        std::string text;
        if (share != Share::Missing) {
            text = "[C]\n    path = " + (root_ / "share" / std::to_string(machine)).string() +
                   "\n    guest ok = " + (share == Share::PasswordOnly ? "no" : "yes") +
                   "\n    read only = " + (share == Share::ReadOnly ? "yes" : "no") + "\n";
        }
        WriteBytes(root_ / "conf" / ("127.0.0." + std::to_string(machine) + ".conf"), text);
        if (share != Share::Writable) changed_.push_back(machine);
    }

  private:
    void RestoreShares() {
        std::vector<int> changed;
        changed.swap(changed_);
        for (const int n : changed) SetShare(n, Share::Writable);
    }

    std::filesystem::path root_;
    std::vector<int> changed_;
};

}  // namespace quillex::testing
