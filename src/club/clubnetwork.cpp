#include "clubnetwork.h"

namespace quillex {

namespace {

constexpr std::string_view kSharePath = "/C/Games/Half-Life/cstrike/";

std::string LowercaseLatin(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

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
    return "smb://" + Host(machine) + std::string(kSharePath) + LowercaseLatin(nick) + ".cfg";
}

std::string ClubFileUrl(int machine, std::string_view nick) {
    return "smb://" + Host(machine) +
           PercentEncoded(std::string(kSharePath) + LowercaseLatin(nick) + ".cfg");
}

}  // namespace quillex
