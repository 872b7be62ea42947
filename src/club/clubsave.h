#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "clubnetwork.h"

namespace quillex {

struct ClubConnection {
    std::uint16_t port = ClubSmbPort;
    std::chrono::milliseconds timeout = kClubTimeout;
};

// Called with the machine number before that machine is written.
using ClubProgress = std::function<void(int machine)>;

struct ClubSaveResult {
    int failed_machine = 0;  // 0: every machine has the file
    std::string error;       // "Cannot create file " and the club file name, without a full stop
    bool Ok() const { return failed_machine == 0; }
};

// Writes bytes as the nick's config to machines 1 to kClubMachineCount, one after the other,
// and stops at the first machine that cannot be written; the machines before it keep their
// new file.
ClubSaveResult SaveToClub(std::string_view bytes, std::string_view nick,
                          const ClubProgress& progress = {}, const ClubConnection& connection = {});

}  // namespace quillex
