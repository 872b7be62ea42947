#include "smbsession.h"

#include <fcntl.h>
#include <libsmbclient.h>

#include <cerrno>
#include <cstdio>

namespace quillex {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

void GuestUnlessConfigured(SMBCCTX* /*context*/, const char* /*server*/, const char* /*share*/,
                           char* /*workgroup*/, int /*workgroup_size*/, char* user, int user_size,
                           char* /*password*/, int /*password_size*/) {
    // The buffers arrive holding what the library found; only an empty user name is filled in.
    if (user_size > 0 && user[0] == '\0') std::snprintf(user, user_size, "%s", "guest");
}

}  // namespace

SmbSession::SmbSession(std::uint16_t port, std::chrono::milliseconds timeout) {
    SMBCCTX* context = smbc_new_context();
    if (context == nullptr) return;
    smbc_setDebug(context, 0);
    smbc_setOptionDebugToStderr(context, 1);
    smbc_setFunctionAuthDataWithContext(context, GuestUnlessConfigured);
    smbc_setPort(context, port);
    smbc_setTimeout(context, static_cast<int>(timeout.count()));
    if (smbc_init_context(context) == nullptr) {
        smbc_free_context(context, 1);
        return;
    }
    context_ = context;
}

SmbSession::~SmbSession() {
    if (context_ != nullptr) smbc_free_context(context_, 1);
}

bool SmbSession::ReplaceFile(const std::string& url, std::string_view bytes) {
    if (context_ == nullptr) return false;
    const std::string temporary = url + std::string(kTemporarySuffix);
    const auto open = [&] {
        return smbc_getFunctionOpen(context_)(context_, temporary.c_str(),
                                              O_CREAT | O_TRUNC | O_WRONLY, 0644);
    };
    SMBCFILE* file = open();
    if (file == nullptr) {
        // A temporary file left by a broken save of another user may be ours to delete only.
        // Anything but a refusal (a time-out, a missing share) is not worth a second wait.
        if (errno != EACCES && errno != EPERM) return false;
        if (smbc_getFunctionUnlink(context_)(context_, temporary.c_str()) != 0) return false;
        file = open();
        if (file == nullptr) return false;
    }

    bool written = true;
    const auto write = smbc_getFunctionWrite(context_);
    while (written && !bytes.empty()) {
        const ssize_t count = write(context_, file, bytes.data(), bytes.size());
        if (count <= 0) {
            written = false;
        } else {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
    }
    written = smbc_getFunctionClose(context_)(context_, file) == 0 && written;
    // The library replaces an existing target (it deletes it and renames again).
    if (written &&
        smbc_getFunctionRename(context_)(context_, temporary.c_str(), context_, url.c_str()) == 0) {
        return true;
    }
    smbc_getFunctionUnlink(context_)(context_, temporary.c_str());
    return false;
}

void SmbSession::DropConnections() {
    if (context_ != nullptr) smbc_getFunctionPurgeCachedServers(context_)(context_);
}

}  // namespace quillex
