#pragma once

#include <string>
#include <string_view>

#include "text/cp1251.h"

namespace quillex {

// The nick with only the Latin capitals A–Z lowercased; Cyrillic and all else stay.
std::string LowercaseLatin(std::string_view text);

// folder + "/" + nick lowercased + ".cfg". The folder is used as it stands: an empty one gives
// a name beginning with the separator, and the nick is not checked for what a name may hold.
std::string ConfigFileName(std::string_view folder, std::string_view nick);

// The bytes of a config file for the output memo's text: every line break becomes CR LF, so
// each line the compiler wrote (and each the user ended with Enter) is terminated, while a last
// line typed without Enter stays unterminated.
Cp1251Encoded MemoFileBytes(std::string_view memoText);

}  // namespace quillex
