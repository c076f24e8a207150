// The 23 source types of a document: their menu texts and file extensions.
#pragma once

#include <string_view>

enum SourceType : int {
    SRC_PLAIN_TEXT = 0,
    SRC_ASP = 1,
    SRC_VISUAL_BASIC = 2,
    SRC_BATCH = 3,
    SRC_CPP = 4,
    SRC_DCL = 5,
    SRC_FORTRAN = 6,
    SRC_HTML = 7,
    SRC_INSTALLSHIELD = 8,
    SRC_JAVA = 9,
    SRC_LISP = 10,
    SRC_PASCAL = 11,
    SRC_PERL = 12,
    SRC_PHP = 13,
    SRC_PYTHON = 14,
    SRC_REXX = 15,
    SRC_RESOURCES = 16,
    SRC_SGML = 17,
    SRC_SHELL = 18,
    SRC_SIOD = 19,
    SRC_SQL = 20,
    SRC_TCL = 21,
    SRC_TEX = 22,
};
constexpr int kSourceTypeCount = 23;

// The menu text of a type ("None (Plain text)", "ASP", ...); empty for an invalid index.
std::string_view SourceTypeName(int type);
// The type that a file's extension selects (the last dot of the file name on, compared
// without regard to case); plain text for any extension not listed and for no extension.
int SourceTypeForPath(std::string_view path);
