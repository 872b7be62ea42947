#pragma once

#include <QString>
#include <cstddef>

// Said once in the confirmation of any save that had to write characters the code page
// cannot hold as "?"; empty when nothing was lost.
inline QString LostCharactersNote(std::size_t count) {
    if (count == 0) return {};
    return QStringLiteral(
               "\n\nВ кодировке Windows-1251 нет %1 символ(ов) из сохранённого текста: "
               "они записаны в файл как \"?\".")
        .arg(count);
}
