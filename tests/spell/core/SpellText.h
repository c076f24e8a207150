// Test helpers: words written in UTF-8 in the tests, as the Windows-1251 of the text and back.
#pragma once

#include "text/Utf8Text.h"

#include <string>
#include <string_view>

inline std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }
inline std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }
// Appends an item to a list of items separated by blanks.
inline void AppendItem(std::string& list, std::string_view item)
{
    if (!list.empty())
        list += ' ';
    list += item;
}
