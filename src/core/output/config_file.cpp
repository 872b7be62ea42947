#include "output/config_file.h"

namespace quillex {

std::string LowercaseLatin(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string ConfigFileName(std::string_view folder, std::string_view nick) {
    return std::string(folder) + "/" + LowercaseLatin(nick) + ".cfg";
}

Cp1251Encoded MemoFileBytes(std::string_view memoText) {
    std::string text;
    text.reserve(memoText.size() + memoText.size() / 16);
    for (std::size_t i = 0; i < memoText.size(); ++i) {
        const char c = memoText[i];
        if (c == '\r' || c == '\n') {
            text.append("\r\n");
            if (c == '\r' && i + 1 < memoText.size() && memoText[i + 1] == '\n') ++i;
        } else {
            text += c;
        }
    }
    return EncodeCp1251(text);
}

}  // namespace quillex
