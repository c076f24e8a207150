// Conversion of the buffer's Windows-1251 bytes and of the program's own UTF-8 texts to and
// from Qt's Unicode strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

QString FromWindows1251(std::string_view bytes);
// Characters without a Windows-1251 byte become '?'.
std::string ToWindows1251(const QString& text);

// The program's own UTF-8 texts (menu texts, names, messages) as Qt strings.
QString FromUtf8(std::string_view text);
// A message of the string table by its number.
QString ResText(int id);
// The version as About and --version show it.
QString VersionText();
