#include "clubnetwork.h"

#include "output/config_file.h"

namespace quillex {

namespace {

// The game's config folder on every machine, below the host.
constexpr std::string_view kShareFolder = "/C/Games/Half-Life/cstrike";

std::string Host(int machine) {
    return std::string(ClubMachinePrefix) + std::to_string(machine);
}

std::string PercentEncoded(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == '/';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

}  // namespace

std::string ClubFileName(int machine, std::string_view nick) {
    return "smb://" + Host(machine) + ConfigFileName(kShareFolder, nick);
}

std::string ClubFileUrl(int machine, std::string_view nick) {
    return "smb://" + Host(machine) + PercentEncoded(ConfigFileName(kShareFolder, nick));
}

}  // namespace quillex
