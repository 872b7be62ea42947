#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

struct _SMBCCTX;

namespace quillex {

// One libsmbclient context. Credentials are the library's own (the user name and workgroup it
// takes from the environment and the user's smb.conf), else the guest account; it never asks.
class SmbSession {
  public:
    SmbSession(std::uint16_t port, std::chrono::milliseconds timeout);
    ~SmbSession();
    SmbSession(const SmbSession&) = delete;
    SmbSession& operator=(const SmbSession&) = delete;

    // False when the library could not start (an unreadable smb.conf, for example).
    bool Ready() const { return context_ != nullptr; }

    // Writes bytes as the file at url, replacing any file there. The bytes go to a temporary
    // file beside it first, renamed over the target only when complete, so a broken connection
    // leaves the old file rather than a truncated one.
    bool ReplaceFile(const std::string& url, std::string_view bytes);

    // Closes the connections kept open for reuse.
    void DropConnections();

  private:
    _SMBCCTX* context_ = nullptr;
};

}  // namespace quillex
