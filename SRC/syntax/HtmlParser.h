// The HTML line parser: tags, attributes, references, comments, strings and SCRIPT elements.
#pragma once

#include "syntax/LineParse.h"

#include <cstdint>

constexpr uint32_t HS_COMMENT = 0x01;        // inside "<!--" ... "-->"
constexpr uint32_t HS_IN_TAG = 0x02;         // between a tag's "<" and its ">"
constexpr uint32_t HS_STRING = 0x04;         // inside a double-quoted string
constexpr uint32_t HS_CLOSING = 0x08;        // the current tag is a closing tag
constexpr uint32_t HS_NAMED = 0x10;          // the current tag's name has been read
constexpr uint32_t HS_SCRIPT = 0x20;         // inside a SCRIPT element
constexpr uint32_t HS_ERROR = 0x40;          // the current tag is malformed up to its ">"
constexpr uint32_t HS_SCRIPT_COMMENT = 0x80; // inside "/*" ... "*/" within a SCRIPT element

// The LineParser of HTML. Works on the line in place: nothing is copied or allocated, so a
// line of any length parses in constant memory.
uint32_t ParseHtmlLine(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                       int& count);
