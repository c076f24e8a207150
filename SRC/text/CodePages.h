// The code pages a file may be stored in, and the byte conversion tables of the Cyrillic ones.
#pragma once

#include "text/ByteTranslate.h"

#include <string_view>

enum CodePage : int {
    CP_WINDOWS_1251 = 0,
    CP_DOS_866 = 1,
    CP_KOI8_R = 2,
    CP_ISO_8859_5 = 3,
    CP_MACINTOSH = 4,
    CP_UTF8 = 5, // decoded and encoded by the UTF-8 converters, not by tables
};
constexpr int kCodePageCount = 6;
// Pages 1 to kTablePageCount - 1 convert through byte tables.
constexpr int kTablePageCount = 5;

// Not a page but a choice of the file dialogs and the command line: open a file in the page its
// bytes show, page 0 when that is not sure.
constexpr int CP_DETECT = kCodePageCount;
constexpr int kCodePageChoiceCount = kCodePageCount + 1;

// Texts of the encoding list of the file dialog, by page number or CP_DETECT.
std::string_view CodePageName(int page);
// The page's name in sentences: "Windows-1251", "KOI8-R", ...
std::string_view CodePageShortName(int page);
// Texts of the line-ending list, by list position (mode + 1).
std::string_view LineEndingName(int listPosition);
constexpr int kLineEndingChoiceCount = 4;

// File page to Windows-1251 and back; null for page 0 and unknown pages (no conversion).
const ByteTable* LoadTable(int page);
const ByteTable* SaveTable(int page);

// File bytes of the page that do not come back unchanged through load then save.
const ByteSet& LossyFileBytes(int page);
// Windows-1251 characters that do not come back unchanged through save then load.
const ByteSet& UnsaveableChars(int page);
