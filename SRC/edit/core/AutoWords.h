// The words AutoExpand and AutoComplete work on, and the search for earlier words that start
// the same way.
#pragma once

#include "text/TextTypes.h"

#include <cstdint>
#include <optional>
#include <string_view>

class CKTextBuffer;

// ASCII letters and digits and every letter of the code page, Cyrillic of all languages.
bool IsAutoWordChar(uint8_t c);

// The start of the word that ends exactly at index x of the line: the character before x is
// a word character and the one at x (if any) is not. None otherwise.
std::optional<int> AutoWordStart(std::string_view line, int x);

// Whether p lies between the quotes of an attribute value of a markup tag, as in
// <A href="here">. Tags may span lines; the text is read from a few dozen lines above p, so a
// tag that opened further up is not seen.
bool InQuotedAttributeValue(const CKTextBuffer& buffer, TextPoint p);

// Where the word occurs at a word start, searching from `from` towards the text start
// (upward: the nearest occurrence that ends by from.x on its line, then on the lines above)
// or towards its end (downward: from from.x on), and once more over the whole text from the
// other end when nothing is found. Letter case must match.
std::optional<TextPoint> FindWordStart(const CKTextBuffer& buffer, std::string_view word,
                                       TextPoint from, bool upward);
