#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillex {

// The game's console name of a key, from its Windows virtual-key code. Defined for every code:
// codes without a name of their own give the one Windows-1251 character of their low byte,
// with A-Z lowercased. UTF-8.
std::string KeyCodeName(std::uint16_t code);

enum class MouseButton { Left, Right, Middle, Other };

// "MOUSE1".."MOUSE3"; buttons beyond the third have no name in the game.
std::optional<std::string> MouseButtonName(MouseButton button);

}  // namespace quillex
