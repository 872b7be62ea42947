#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillex {

// The figures the about window reports, taken anew for every window.
struct MemoryStatus {
    std::uint64_t freeBytes = 0;  // physical memory available to programs
    int load = 0;                 // percent of physical memory in use, 0..100
};

// Versions are read from the running kernel; `ntFamily` picks the line form with a build number.
struct OsVersion {
    bool ntFamily = true;
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
};

struct SystemFigures {
    MemoryStatus memory;
    OsVersion os;
};

// The figures of this machine: /proc/meminfo (or sysinfo) and uname on Linux.
SystemFigures QuerySystemFigures();

// "Свободно ОЗУ: 1 234 567 KB (Используется: 42 %)", grouped with the locale's separator.
QString MemoryLine(const MemoryStatus& memory, const QLocale& locale = QLocale());
QString OsLine(const OsVersion& os);

// The first three numbers of a kernel release such as "6.1.0-18-amd64"; missing ones are 0.
OsVersion OsVersionFromRelease(std::string_view release);
// From the text of /proc/meminfo: free is MemAvailable (MemFree on kernels without it).
std::optional<MemoryStatus> MemoryFromMeminfo(std::string_view meminfo);

}  // namespace quillex
