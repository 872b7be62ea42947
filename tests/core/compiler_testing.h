#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/config_compiler.h"
#include "text/cp1251.h"
#include "text/lines.h"

namespace quillex::testing {

inline constexpr std::string_view kDate = "11.12.2026 12:00:00";
inline constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

using Doc = std::vector<std::string>;

inline Doc Full(const Settings& s) {
    return CompileFull(s, kDate);
}

// The bytes the program writes for a document.
inline std::string FileBytes(const Doc& lines) {
    return EncodeCp1251(JoinCrLf(lines)).bytes;
}

inline std::string ReadGolden(std::string_view name) {
    std::ifstream in(std::string(QUILLEX_GOLDEN_DIR) + "/" + std::string(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::size_t Find(const Doc& lines, std::string_view line, std::size_t from = 0) {
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lines[i] == line) return i;
    return kMissing;
}

inline std::size_t Count(const Doc& lines, std::string_view line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

// The lines that start with a prefix, in order.
inline Doc StartingWith(const Doc& lines, std::string_view prefix) {
    Doc out;
    for (const std::string& l : lines)
        if (l.starts_with(prefix)) out.push_back(l);
    return out;
}

inline Doc Slice(const Doc& lines, std::size_t from, std::size_t count) {
    if (from >= lines.size()) return {};
    const std::size_t end = std::min(lines.size(), from + count);
    return {lines.begin() + static_cast<std::ptrdiff_t>(from),
            lines.begin() + static_cast<std::ptrdiff_t>(end)};
}

// Settings with every key-capture edit emptied.
inline Settings WithoutKeys() {
    Settings s;
    const auto defs = Fields();
    for (FieldId id = 0; id < defs.size(); ++id)
        if (defs[id].kind == FieldKind::Key) s.Set(id, "");
    return s;
}

}  // namespace quillex::testing
