// Windows-1251 text as the UTF-8 that the settings store keeps, and back.
#pragma once

#include <string>
#include <string_view>

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters Windows-1251 lacks, and bytes that are not UTF-8, become '?'.
std::string Utf8ToCp1251(std::string_view utf8);
