// The 23 source types of a document: their menu texts and file extensions.
#pragma once

#include <cstdint>
#include <string_view>

enum class SourceType : int32_t {
    PlainText = 0,
    Asp = 1,
    VisualBasic = 2,
    Batch = 3,
    Cpp = 4,
    Dcl = 5,
    Fortran = 6,
    Html = 7,
    InstallShield = 8,
    Java = 9,
    Lisp = 10,
    Pascal = 11,
    Perl = 12,
    Php = 13,
    Python = 14,
    Rexx = 15,
    Resources = 16,
    Sgml = 17,
    Shell = 18,
    Siod = 19,
    Sql = 20,
    Tcl = 21,
    Tex = 22,
};
constexpr int kSourceTypeCount = 23;

// The type's index: its stored number and its command's offset from the first type command.
constexpr int32_t Number(SourceType type) { return static_cast<int32_t>(type); }
// Whether a type read from a stored number is one of the 23.
constexpr bool IsKnown(SourceType type)
{
    return Number(type) >= 0 && Number(type) < kSourceTypeCount;
}

// The menu text of a type ("None (Plain text)", "ASP", ...); empty for an unknown type.
std::string_view SourceTypeName(SourceType type);
// The type that a file's extension selects (the last dot of the file name on, compared
// without regard to case); plain text for any extension not listed and for no extension.
SourceType SourceTypeForPath(std::string_view path);
