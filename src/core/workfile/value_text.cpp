#include "workfile/value_text.h"

#include <cstdint>
#include <limits>

namespace quillex {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view SkipBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return s.substr(i);
}

// Takes a leading sign off s; returns whether it was "-".
bool TakeSign(std::string_view& s) {
    if (s.empty() || (s[0] != '+' && s[0] != '-')) return false;
    const bool negative = s[0] == '-';
    s.remove_prefix(1);
    return negative;
}

// Takes a hexadecimal prefix off s; returns whether there was one.
bool TakeHexPrefix(std::string_view& s) {
    if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) {
        s.remove_prefix(1);
        return true;
    }
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
        return true;
    }
    return false;
}

// The magnitude of a digit string, or nullopt when it has no digits, holds a non-digit or
// exceeds limit. Leading zeros never overflow.
std::optional<std::uint64_t> Magnitude(std::string_view digits, bool hex, std::uint64_t limit) {
    if (digits.empty()) return std::nullopt;
    const unsigned base = hex ? 16 : 10;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = hex ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
        if (d < 0) return std::nullopt;
        value = value * base + static_cast<unsigned>(d);
        if (value > limit) return std::nullopt;
    }
    return value;
}

// Decimal number with an optional fraction and exponent; returns whether any mantissa digit
// is not zero, or nullopt when the text is no such number.
std::optional<bool> DecimalIsNonZero(std::string_view s) {
    s = SkipBlanks(s);
    TakeSign(s);
    std::size_t i = 0;
    std::size_t digits = 0;
    bool nonZero = false;
    const auto takeDigits = [&] {
        while (i < s.size() && IsDigit(s[i])) {
            nonZero = nonZero || s[i] != '0';
            ++digits;
            ++i;
        }
    };
    takeDigits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        takeDigits();
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t start = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == start) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return nonZero;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view lowerB) {
    if (a.size() != lowerB.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerB[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<int> ParseWorkFileInteger(std::string_view text) {
    std::string_view s = SkipBlanks(text);
    const bool negative = TakeSign(s);
    const bool hex = TakeHexPrefix(s);
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
    const auto magnitude = Magnitude(s, hex, negative ? kMax + 1 : kMax);
    if (!magnitude) return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<int>(negative ? -value : value);
}

std::optional<bool> ParseWorkFileBoolean(std::string_view text) {
    if (EqualsIgnoringCase(text, "true")) return true;
    if (EqualsIgnoringCase(text, "false")) return false;
    if (auto n = ParseWorkFileInteger(text)) return *n != 0;
    // A hexadecimal number too large for an integer is still a number, and not zero.
    std::string_view s = SkipBlanks(text);
    TakeSign(s);
    if (TakeHexPrefix(s)) {
        if (s.empty()) return std::nullopt;
        for (char c : s) {
            if (HexDigit(c) < 0) return std::nullopt;
        }
        return true;
    }
    return DecimalIsNonZero(text);
}

}  // namespace quillex
