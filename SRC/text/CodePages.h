// The code pages a file may be stored in, and the byte conversion tables of the Cyrillic ones.
#pragma once

#include "text/ByteTranslate.h"
#include "text/FileFormat.h"

#include <string_view>

// Texts of the encoding list of the file dialog, "Detect" last; empty for a page the program does
// not know.
std::string_view CodePageName(CodePage page);
// Texts of the line-ending list ("Auto" first).
std::string_view LineEndingName(LineEnding ending);

// File page to Windows-1251 and back; null for page 0, UTF-8 and unknown pages (no table).
const ByteTable* LoadTable(CodePage page);
const ByteTable* SaveTable(CodePage page);

// The choices of the file dialogs' encoding list and of the command line: the pages, then
// CodePage::Detect.
constexpr int kCodePageChoiceCount = kCodePageCount + 1;
// The page's name in sentences: "Windows-1251", "KOI8-R", ...; empty for Detect and unknown pages.
std::string_view CodePageShortName(CodePage page);

// File bytes of the page that do not come back unchanged through load then save (none for a
// page without tables).
const ByteSet& LossyFileBytes(CodePage page);
// Windows-1251 characters that do not come back unchanged through save then load (none for a
// page without tables).
const ByteSet& UnsaveableChars(CodePage page);
