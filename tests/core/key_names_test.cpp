#include "input/key_names.h"

#include <gtest/gtest.h>

#include <set>

namespace quillex {
namespace {

struct KeyCase {
    std::uint16_t code;
    const char* name;
};

constexpr KeyCase kNamed[] = {
    {8, "BACKSPACE"},  {9, "TAB"},
    {13, "ENTER"},     {16, "SHIFT"},
    {17, "CTRL"},      {18, "ALT"},
    {19, "PAUSE"},     {27, "ESCAPE"},
    {32, "SPACE"},     {33, "PGUP"},
    {34, "PGDN"},      {35, "END"},
    {36, "HOME"},      {37, "LEFTARROW"},
    {38, "UPARROW"},   {39, "RIGHTARROW"},
    {40, "DOWNARROW"}, {45, "INS"},
    {46, "DEL"},       {96, "KP_INS"},
    {97, "KP_END"},    {98, "KP_DOWNARROW"},
    {99, "KP_PGDN"},   {100, "KP_LEFTARROW"},
    {101, "KP_5"},     {102, "KP_RIGHTARROW"},
    {103, "KP_HOME"},  {104, "KP_UPARROW"},
    {105, "KP_PGUP"},  {106, "*"},
    {107, "KP_PLUS"},  {108, "KP_???"},
    {109, "KP_MINUS"}, {110, "KP_DEL"},
    {111, "KP_SLASH"}, {112, "F1"},
    {113, "F2"},       {114, "F3"},
    {115, "F4"},       {116, "F5"},
    {117, "F6"},       {118, "F7"},
    {119, "F8"},       {120, "F9"},
    {121, "F10"},      {122, "F11"},
    {123, "F12"},      {186, ";"},
    {187, "="},        {188, ","},
    {189, "-"},        {190, "."},
    {191, "/"},        {192, "`"},
    {219, "["},        {220, "\\"},
    {221, "]"},        {222, "'"},
};

TEST(KeyCodeName, NamedKeys) {
    for (const KeyCase& c : kNamed) EXPECT_EQ(KeyCodeName(c.code), c.name) << c.code;
}

TEST(KeyCodeName, CodesWithoutARowGiveTheCharacterOfTheirLowByte) {
    const KeyCase cases[] = {
        {91, "["},                   // left Windows key
        {92, "\\"},      {93, "]"},  // application-menu key
        {20, "\x14"},                // Caps Lock
        {12, "\x0C"},                // keypad 5 with Num Lock off
        {144, "ђ"},                  // Num Lock: 0x90 in Windows-1251
        {124, "|"},                  // F13 has no name of its own
        {65, "a"},       {77, "m"},    {90, "z"}, {48, "0"},
        {53, "5"},       {57, "9"},    {64, "@"}, {91 + 256, "["},  // only the low byte counts
        {65 + 256, "a"}, {0x1C0, "А"},  // 0xC0 is the Cyrillic capital A, left as it is
        {0xFF, "я"},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(KeyCodeName(c.code), c.name) << c.code;
}

TEST(KeyCodeName, EveryCodeHasANameOfOneOrMoreCharacters) {
    std::set<std::string> letters;
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        const std::string name = KeyCodeName(static_cast<std::uint16_t>(code));
        ASSERT_FALSE(name.empty()) << code;
        if (code >= 65 && code <= 90) letters.insert(name);
    }
    EXPECT_EQ(letters.size(), 26u);
    EXPECT_EQ(KeyCodeName(0), std::string(1, '\0'));
}

TEST(MouseButtonName, ThreeButtonsHaveNames) {
    EXPECT_EQ(MouseButtonName(MouseButton::Left), "MOUSE1");
    EXPECT_EQ(MouseButtonName(MouseButton::Right), "MOUSE2");
    EXPECT_EQ(MouseButtonName(MouseButton::Middle), "MOUSE3");
    EXPECT_EQ(MouseButtonName(MouseButton::Other), std::nullopt);
}

}  // namespace
}  // namespace quillex
