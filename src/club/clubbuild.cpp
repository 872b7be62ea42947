#include "clubnetwork.h"

namespace quillex {

const std::string_view ClubMachinePrefix = QUILLEX_CLUB_PREFIX;
const std::uint16_t ClubSmbPort = QUILLEX_CLUB_PORT;

}  // namespace quillex
