// The parsers of markup with embedded script: ASP pages, PHP pages and SGML documents. They
// know tags, attributes and entities through plain keyword tables, not through the HTML parser.
#pragma once

#include "syntax/LineEngine.h"

// Parse-state bits of these parsers besides the engine's comment and string bits.
constexpr uint32_t MS_TAG = 0x02;          // between "<" and ">" (SGML also "{" and "}")
constexpr uint32_t MS_COMMENT = 0x04;      // "<!--" ... "-->"; in PHP script "/*" ... "*/"
constexpr uint32_t MS_ENTITY = 0x20;       // after "&" up to ";"
constexpr uint32_t MS_ASP_SCRIPT = 0x40;   // ASP: server script, "<%" ... "%>"
constexpr uint32_t MS_PHP_VARIABLE = 0x40; // PHP: a variable name after "$"
constexpr uint32_t MS_PHP_SCRIPT = 0x80;   // PHP: server script, "<?" ... "?>"

extern const EngineFamily kAspSyntax;
extern const EngineFamily kPhpSyntax;
extern const EngineFamily kSgmlSyntax;
