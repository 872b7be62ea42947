#include "input/key_names.h"

#include <string_view>

#include "text/cp1251.h"

namespace quillex {
namespace {

struct NamedKey {
    std::uint16_t code;
    std::string_view name;
};

// F1-F12 (112-123) are computed; everything else without a row falls to the character rule.
constexpr NamedKey kNamedKeys[] = {
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
    {111, "KP_SLASH"}, {186, ";"},
    {187, "="},        {188, ","},
    {189, "-"},        {190, "."},
    {191, "/"},        {192, "`"},
    {219, "["},        {220, "\\"},
    {221, "]"},        {222, "'"},
};

constexpr std::uint16_t kF1 = 112;
constexpr std::uint16_t kF12 = 123;

}  // namespace

std::string KeyCodeName(std::uint16_t code) {
    for (const NamedKey& key : kNamedKeys)
        if (key.code == code) return std::string(key.name);
    if (code >= kF1 && code <= kF12) return "F" + std::to_string(code - kF1 + 1);
    char byte = static_cast<char>(code & 0xFF);
    if (byte >= 'A' && byte <= 'Z') byte = static_cast<char>(byte - 'A' + 'a');
    return DecodeCp1251(std::string_view(&byte, 1));
}

std::optional<std::string> MouseButtonName(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return "MOUSE1";
        case MouseButton::Right:
            return "MOUSE2";
        case MouseButton::Middle:
            return "MOUSE3";
        case MouseButton::Other:
            break;
    }
    return std::nullopt;
}

}  // namespace quillex
