#pragma once

#include <string>
#include <string_view>

namespace quillex {

// Windows-1251 at the file boundary. Inside the program every text is UTF-8.
// All 256 bytes decode (0x98, unassigned in the code page, to U+0098), so decoding and encoding
// again gives back the same bytes.

std::string DecodeCp1251(std::string_view bytes);

struct Cp1251Encoded {
    std::string bytes;
    // Characters the code page cannot hold, each written as "?".
    std::size_t unmappable = 0;
};
Cp1251Encoded EncodeCp1251(std::string_view utf8);

}  // namespace quillex
