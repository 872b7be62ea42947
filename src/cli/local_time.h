#pragma once

#include <string>

namespace quillex::cli {

// The current local date and time as the user's locale writes them: short date, one space,
// long time (the C library's %x and %X under the environment's locale).
std::string LocalDateTimeText();

}  // namespace quillex::cli
