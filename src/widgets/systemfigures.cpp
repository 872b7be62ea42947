#include "systemfigures.h"

#include <QFile>
#include <QOperatingSystemVersion>
#include <algorithm>
#include <cmath>
#include <string>

#if defined(Q_OS_UNIX)
#include <sys/utsname.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/sysinfo.h>
#endif

namespace quillex {
namespace {

// The value in kB of a "Name:   12345 kB" line of /proc/meminfo.
bool MeminfoValue(std::string_view text, std::string_view name, std::uint64_t& value) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
            line[name.size()] != ':')
            continue;
        std::size_t i = name.size() + 1;
        while (i < line.size() && line[i] == ' ') ++i;
        if (i == line.size() || line[i] < '0' || line[i] > '9') return false;
        value = 0;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
            value = value * 10 + static_cast<std::uint64_t>(line[i] - '0');
        return true;
    }
    return false;
}

int LoadPercent(std::uint64_t total, std::uint64_t available) {
    if (total == 0) return 0;
    const std::uint64_t used = total > available ? total - available : 0;
    return static_cast<int>(
        std::lround(100.0 * static_cast<double>(used) / static_cast<double>(total)));
}

MemoryStatus QueryMemory() {
    QFile file(QStringLiteral("/proc/meminfo"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        if (const auto status = MemoryFromMeminfo({text.constData(), std::size_t(text.size())}))
            return *status;
    }
#if defined(Q_OS_LINUX)
    struct sysinfo info {};
    if (sysinfo(&info) == 0) {
        const std::uint64_t unit = info.mem_unit ? info.mem_unit : 1;
        const std::uint64_t total = std::uint64_t(info.totalram) * unit;
        const std::uint64_t free = std::uint64_t(info.freeram) * unit;
        return {free, LoadPercent(total, free)};
    }
#endif
    return {};
}

OsVersion QueryOs() {
#if defined(Q_OS_UNIX)
    struct utsname name {};
    if (uname(&name) == 0) return OsVersionFromRelease(name.release);
    return {};
#else
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    return {true, unsigned(std::max(0, current.majorVersion())),
            unsigned(std::max(0, current.minorVersion())),
            unsigned(std::max(0, current.microVersion()))};
#endif
}

}  // namespace

OsVersion OsVersionFromRelease(std::string_view release) {
    unsigned numbers[3] = {0, 0, 0};
    std::size_t i = 0;
    for (unsigned& number : numbers) {
        if (i >= release.size() || release[i] < '0' || release[i] > '9') break;
        for (; i < release.size() && release[i] >= '0' && release[i] <= '9'; ++i)
            number = number * 10 + unsigned(release[i] - '0');
        if (i >= release.size() || release[i] != '.') break;
        ++i;
    }
    return {true, numbers[0], numbers[1], numbers[2]};
}

std::optional<MemoryStatus> MemoryFromMeminfo(std::string_view meminfo) {
    std::uint64_t totalKb = 0;
    std::uint64_t availableKb = 0;
    const bool found = MeminfoValue(meminfo, "MemTotal", totalKb) &&
                       (MeminfoValue(meminfo, "MemAvailable", availableKb) ||
                        MeminfoValue(meminfo, "MemFree", availableKb)) &&
                       totalKb > 0;
    if (!found) return std::nullopt;
    return MemoryStatus{availableKb * 1024, LoadPercent(totalKb, availableKb)};
}

SystemFigures QuerySystemFigures() {
    return {QueryMemory(), QueryOs()};
}

QString MemoryLine(const MemoryStatus& memory, const QLocale& locale) {
    // Whole kilobytes, rounded, in groups of three digits.
    const auto kb =
        static_cast<std::uint64_t>(std::llround(static_cast<double>(memory.freeBytes) / 1024.0));
    QString digits = QString::number(kb);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, locale.groupSeparator());
    return QStringLiteral("Свободно ОЗУ: ") + digits + QStringLiteral(" KB (Используется: ") +
           QString::asprintf("%d %%", memory.load) + QStringLiteral(")");
}

QString OsLine(const OsVersion& os) {
    if (os.ntFamily)
        return QStringLiteral("ОС: Windows NT4/2000 Версия: %1.%2 (сборка: %3)")
            .arg(os.major)
            .arg(os.minor)
            .arg(os.build);
    return QStringLiteral("ОС: Windows 95/98/ME Версия: %1.%2").arg(os.major).arg(os.minor);
}

}  // namespace quillex
