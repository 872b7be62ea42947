#include "local_time.h"

#include <clocale>
#include <ctime>

namespace quillex::cli {

std::string LocalDateTimeText() {
    std::setlocale(LC_TIME, "");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%x %X", &local);
    std::setlocale(LC_TIME, "C");
    return std::string(buffer, n);
}

}  // namespace quillex::cli
