// "Match Brace": the partner of the bracket at or just before the caret.
#pragma once

#include "text/TextTypes.h"
#include "view/core/CaretMoves.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The bracket pairs, opening before closing, in the order that numbers them.
inline constexpr std::string_view kBracketTable = "{}()[]<>";

// 1 to 8 for the bracket's place in the table (odd opens, even closes), 0 for other bytes.
int BracketNumber(uint8_t c);
// The number of the bracket that pairs with number b.
inline int PartnerBracket(int b) { return ((b - 1) ^ 1) + 1; }

// Whether the byte at the caret, or the one before it, is a bracket: the command's enabling.
bool CanMatchBrace(std::string_view line, int x);

// Where the caret goes: before the partner when it stood before the bracket, after it when
// it stood after. Nothing when there is no bracket at the caret or it has no partner.
// Brackets are counted wherever they stand, strings and comments included.
std::optional<TextPoint> MatchBrace(const CTextLines& text, TextPoint cursor);
