#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillex {

// The club network: machines 1 to kClubMachineCount, each named ClubMachinePrefix followed by
// its number, each sharing the game folder as "C".
inline constexpr int kClubMachineCount = 30;

// Build constants (CMake cache variables QUILLEX_CLUB_PREFIX and QUILLEX_CLUB_PORT).
extern const std::string_view ClubMachinePrefix;
extern const std::uint16_t ClubSmbPort;  // 0: the library's default

// How long one machine may keep us waiting for an answer. The library bounds the TCP connect
// on its own (about 5 s, measured); this bounds every request after it.
inline constexpr std::chrono::milliseconds kClubTimeout{5000};

// The share path on machine n, as the user sees it in messages:
// "smb://" prefix n "/C/Games/Half-Life/cstrike/" nick (A-Z lowercased) ".cfg".
std::string ClubFileName(int machine, std::string_view nick);

// The same file as a URL for libsmbclient, which decodes %XX and takes '?' as the start of
// options: every byte of the path outside the unreserved set and '/' is percent-encoded, so
// the nick reaches the server as typed.
std::string ClubFileUrl(int machine, std::string_view nick);

}  // namespace quillex
