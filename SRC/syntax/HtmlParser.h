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

// Bits above the colouring state, carried only by ParseHtmlText: they tell which text of a page
// a reader sees. ParseHtmlLine neither needs nor returns them.
constexpr uint32_t HS_STYLE = 0x100;        // inside a STYLE element
constexpr uint32_t HS_TEXT_NAME = 0x200;    // in a tag, right after the attribute ALT or TITLE
constexpr uint32_t HS_TEXT_VALUE = 0x400;   // after "=" of ALT or TITLE: the value is text
constexpr uint32_t HS_TEXT_QUOTED = 0x800;  // inside such a value in single quotes
constexpr uint32_t kHtmlColourState = 0xFF; // the bits of the colouring state

// The LineParser of HTML. Works on the line in place: nothing is copied or allocated, so a
// line of any length parses in constant memory.
uint32_t ParseHtmlLine(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                       int& count);

// ParseHtmlLine with the bits above carried in the state, and with readerText[k] telling for
// blocks[k] whether it is text a reader sees: text between tags outside SCRIPT and STYLE, and
// the values of ALT and TITLE. readerText may be null; it is only written when blocks are.
uint32_t ParseHtmlText(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                       int& count, bool* readerText);
