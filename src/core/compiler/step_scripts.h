#pragma once

#include <span>
#include <string>

namespace quillex {

// The alias ladders that sup/sdown and vup/vdown walk, top step first.
std::span<const std::string> SensitivitySteps();
std::span<const std::string> VolumeSteps();

}  // namespace quillex
