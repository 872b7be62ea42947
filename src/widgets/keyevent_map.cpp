#include "keyevent_map.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace quillex {
namespace {

// Windows virtual-key codes used below by name.
enum : std::uint16_t {
    kBack = 8,
    kTab = 9,
    kClear = 12,
    kReturn = 13,
    kShift = 16,
    kControl = 17,
    kMenu = 18,
    kPause = 19,
    kCapital = 20,
    kEscape = 27,
    kSpace = 32,
    kPrior = 33,
    kNext = 34,
    kEnd = 35,
    kHome = 36,
    kLeft = 37,
    kUp = 38,
    kRight = 39,
    kDown = 40,
    kSnapshot = 44,
    kInsert = 45,
    kDelete = 46,
    kLWin = 91,
    kRWin = 92,
    kApps = 93,
    kNumpad0 = 96,
    kMultiply = 106,
    kAdd = 107,
    kSeparator = 108,
    kSubtract = 109,
    kDecimal = 110,
    kDivide = 111,
    kF1 = 112,
    kNumLock = 144,
    kScroll = 145,
    kOem1 = 186,
    kOemPlus = 187,
    kOemComma = 188,
    kOemMinus = 189,
    kOemPeriod = 190,
    kOem2 = 191,
    kOem3 = 192,
    kOem4 = 219,
    kOem5 = 220,
    kOem6 = 221,
    kOem7 = 222,
    kOem102 = 226,
};

// A physical key: its code, and for the keypad digit keys the code they give with Num Lock on
// (`code` is then the navigation key they give with it off).
struct XKey {
    quint8 keycode;
    std::uint16_t code;
    std::uint16_t numLockCode = 0;
};

// X keycodes of the standard PC keyboard.
constexpr XKey kXKeys[] = {
    {9, kEscape},
    {10, '1'},
    {11, '2'},
    {12, '3'},
    {13, '4'},
    {14, '5'},
    {15, '6'},
    {16, '7'},
    {17, '8'},
    {18, '9'},
    {19, '0'},
    {20, kOemMinus},
    {21, kOemPlus},
    {22, kBack},
    {23, kTab},
    {24, 'Q'},
    {25, 'W'},
    {26, 'E'},
    {27, 'R'},
    {28, 'T'},
    {29, 'Y'},
    {30, 'U'},
    {31, 'I'},
    {32, 'O'},
    {33, 'P'},
    {34, kOem4},
    {35, kOem6},
    {36, kReturn},
    {37, kControl},
    {38, 'A'},
    {39, 'S'},
    {40, 'D'},
    {41, 'F'},
    {42, 'G'},
    {43, 'H'},
    {44, 'J'},
    {45, 'K'},
    {46, 'L'},
    {47, kOem1},
    {48, kOem7},
    {49, kOem3},
    {50, kShift},
    {51, kOem5},
    {52, 'Z'},
    {53, 'X'},
    {54, 'C'},
    {55, 'V'},
    {56, 'B'},
    {57, 'N'},
    {58, 'M'},
    {59, kOemComma},
    {60, kOemPeriod},
    {61, kOem2},
    {62, kShift},
    {63, kMultiply},
    {64, kMenu},
    {65, kSpace},
    {66, kCapital},
    {67, kF1},
    {68, kF1 + 1},
    {69, kF1 + 2},
    {70, kF1 + 3},
    {71, kF1 + 4},
    {72, kF1 + 5},
    {73, kF1 + 6},
    {74, kF1 + 7},
    {75, kF1 + 8},
    {76, kF1 + 9},
    {77, kNumLock},
    {78, kScroll},
    {79, kHome, kNumpad0 + 7},
    {80, kUp, kNumpad0 + 8},
    {81, kPrior, kNumpad0 + 9},
    {82, kSubtract},
    {83, kLeft, kNumpad0 + 4},
    {84, kClear, kNumpad0 + 5},
    {85, kRight, kNumpad0 + 6},
    {86, kAdd},
    {87, kEnd, kNumpad0 + 1},
    {88, kDown, kNumpad0 + 2},
    {89, kNext, kNumpad0 + 3},
    {90, kInsert, kNumpad0},
    {91, kDelete, kDecimal},
    {94, kOem102},
    {95, kF1 + 10},
    {96, kF1 + 11},
    {104, kReturn},
    {105, kControl},
    {106, kDivide},
    {107, kSnapshot},
    {108, kMenu},
    {110, kHome},
    {111, kUp},
    {112, kPrior},
    {113, kLeft},
    {114, kRight},
    {115, kEnd},
    {116, kDown},
    {117, kNext},
    {118, kInsert},
    {119, kDelete},
    {127, kPause},
    {129, kSeparator},
    {133, kLWin},
    {134, kRWin},
    {135, kApps},
};

// A Qt key and its code; `keypadCode` is what it gives with Qt::KeypadModifier, if that differs.
struct QtKey {
    int key;
    std::uint16_t code;
    std::uint16_t keypadCode = 0;
};

// Named keys, the US punctuation with its shifted characters, and the Russian letters, each
// on its physical key.
constexpr QtKey kQtKeys[] = {
    {Qt::Key_Backspace, kBack},
    {Qt::Key_Tab, kTab},
    {Qt::Key_Backtab, kTab},
    {Qt::Key_Return, kReturn},
    {Qt::Key_Enter, kReturn},
    {Qt::Key_Shift, kShift},
    {Qt::Key_Control, kControl},
    {Qt::Key_Alt, kMenu},
    {Qt::Key_AltGr, kMenu},
    {Qt::Key_Pause, kPause},
    {Qt::Key_CapsLock, kCapital},
    {Qt::Key_Escape, kEscape},
    {Qt::Key_Space, kSpace},
    {Qt::Key_PageUp, kPrior},
    {Qt::Key_PageDown, kNext},
    {Qt::Key_End, kEnd},
    {Qt::Key_Home, kHome},
    {Qt::Key_Left, kLeft},
    {Qt::Key_Up, kUp},
    {Qt::Key_Right, kRight},
    {Qt::Key_Down, kDown},
    {Qt::Key_Print, kSnapshot},
    {Qt::Key_Insert, kInsert},
    {Qt::Key_Delete, kDelete},
    {Qt::Key_Clear, kClear},
    {Qt::Key_Meta, kLWin},
    {Qt::Key_Super_L, kLWin},
    {Qt::Key_Super_R, kRWin},
    {Qt::Key_Menu, kApps},
    {Qt::Key_NumLock, kNumLock},
    {Qt::Key_ScrollLock, kScroll},
    {Qt::Key_Asterisk, '8', kMultiply},
    {Qt::Key_Plus, kOemPlus, kAdd},
    {Qt::Key_Minus, kOemMinus, kSubtract},
    {Qt::Key_Period, kOemPeriod, kDecimal},
    {Qt::Key_Comma, kOemComma, kDecimal},
    {Qt::Key_Slash, kOem2, kDivide},
    {Qt::Key_Semicolon, kOem1},
    {Qt::Key_Colon, kOem1},
    {Qt::Key_Equal, kOemPlus},
    {Qt::Key_Less, kOemComma},
    {Qt::Key_Underscore, kOemMinus},
    {Qt::Key_Greater, kOemPeriod},
    {Qt::Key_Question, kOem2},
    {Qt::Key_QuoteLeft, kOem3},
    {Qt::Key_AsciiTilde, kOem3},
    {Qt::Key_BracketLeft, kOem4},
    {Qt::Key_BraceLeft, kOem4},
    {Qt::Key_Backslash, kOem5},
    {Qt::Key_Bar, kOem5},
    {Qt::Key_BracketRight, kOem6},
    {Qt::Key_BraceRight, kOem6},
    {Qt::Key_Apostrophe, kOem7},
    {Qt::Key_QuoteDbl, kOem7},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {0x419, 'Q'},
    {0x426, 'W'},
    {0x423, 'E'},
    {0x41A, 'R'},
    {0x415, 'T'},
    {0x41D, 'Y'},
    {0x413, 'U'},
    {0x428, 'I'},
    {0x429, 'O'},
    {0x417, 'P'},
    {0x425, kOem4},
    {0x42A, kOem6},
    {0x424, 'A'},
    {0x42B, 'S'},
    {0x412, 'D'},
    {0x410, 'F'},
    {0x41F, 'G'},
    {0x420, 'H'},
    {0x41E, 'J'},
    {0x41B, 'K'},
    {0x414, 'L'},
    {0x416, kOem1},
    {0x42D, kOem7},
    {0x42F, 'Z'},
    {0x427, 'X'},
    {0x421, 'C'},
    {0x41C, 'V'},
    {0x418, 'B'},
    {0x422, 'N'},
    {0x42C, 'M'},
    {0x411, kOemComma},
    {0x42E, kOemPeriod},
    {0x401, kOem3},
};

bool IsNumLockKey(int qtKey) {
    return (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Period ||
           qtKey == Qt::Key_Comma;
}

// Platforms whose scan code is the X keycode.
bool ScanCodeIsXKeycode() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")) ||
           platform == QLatin1String("offscreen");
}

}  // namespace

std::uint16_t VirtualKeyFromXKeycode(quint32 keycode, int qtKey) {
    for (const XKey& key : kXKeys) {
        if (key.keycode != keycode) continue;
        return key.numLockCode != 0 && IsNumLockKey(qtKey) ? key.numLockCode : key.code;
    }
    return 0;
}

std::uint16_t VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint16_t>(keypad ? kNumpad0 + (qtKey - Qt::Key_0) : qtKey);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::uint16_t>(kF1 + (qtKey - Qt::Key_F1));
    for (const QtKey& key : kQtKeys) {
        if (key.key != qtKey) continue;
        return keypad && key.keypadCode != 0 ? key.keypadCode : key.code;
    }
    return 0;
}

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
    // Qt on Windows hands over the virtual-key code itself.
    if (QGuiApplication::platformName() == QLatin1String("windows") &&
        event.nativeVirtualKey() != 0 && event.nativeVirtualKey() <= 0xFFFF)
        return static_cast<std::uint16_t>(event.nativeVirtualKey());
    if (event.nativeScanCode() != 0 && ScanCodeIsXKeycode()) {
        if (const std::uint16_t code = VirtualKeyFromXKeycode(event.nativeScanCode(), event.key()))
            return code;
    }
    return VirtualKeyFromQtKey(event.key(), event.modifiers());
}

}  // namespace quillex
