// The choice of line parser by source type.
#pragma once

#include "syntax/LineParse.h"

// The parser of a source type (1-22), or null for plain text and unknown types.
LineParser LineParserFor(int sourceType);

// Parses a line with the parser of its source type. Without a parser the line gets no blocks
// and the result is 0.
uint32_t ParseLine(int sourceType, uint32_t state, const CTextLines& source, int line,
                   ColourBlock* blocks, int& count);
