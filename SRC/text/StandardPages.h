// What the Cyrillic file pages mean to other programs: the characters of their standard
// definitions, as opposed to the editor's own conversion tables.
#pragma once

#include "text/ByteTranslate.h"
#include "text/FileFormat.h"

#include <cstdint>

// The Unicode character that the standard definition of a table page (CP866, KOI8-R, ISO 8859-5,
// Mac Cyrillic) gives to byte b; 0 for another page.
char16_t StandardPageToUnicode(CodePage page, uint8_t b);

// Windows-1251 characters that a save in page does not write as themselves: those its table
// changes, and those it writes at a byte that the page's standard definition reads as another
// character. Other programs show each of them as something else. Empty for pages without a
// table.
const ByteSet& MisreadChars(CodePage page);
