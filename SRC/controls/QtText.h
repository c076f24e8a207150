// Conversion of the buffer's Windows-1251 bytes to and from Qt's Unicode strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

QString FromWindows1251(std::string_view bytes);
// Characters without a Windows-1251 byte become '?'.
std::string ToWindows1251(const QString& text);
