#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace quillex {

// The Windows virtual-key code of the physical key of a key event, 0 for a key that has none.
// The physical key counts, not the layout: under a Cyrillic layout the letter keys still give
// the codes of A-Z.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);

// From the X keycode (evdev code + 8) that xcb and Wayland report as the scan code. The keypad
// digit keys report Num Lock only through the Qt key: a digit, '.' or ',' means it was on.
std::uint16_t VirtualKeyFromXKeycode(quint32 keycode, int qtKey);

// From the Qt key alone, for platforms that report no scan code; keypad keys carry
// Qt::KeypadModifier.
std::uint16_t VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace quillex
