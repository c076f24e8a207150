// The choice of line parser by source type.
#pragma once

#include "syntax/LineParse.h"
#include "syntax/SourceTypes.h"

// The parser of a source type, or null for plain text and unknown types.
LineParser LineParserFor(SourceType sourceType);

// Parses a line with the parser of its source type. Without a parser the line gets no blocks
// and the result is 0.
uint32_t ParseLine(SourceType sourceType, uint32_t state, const CTextLines& source, int line,
                   ColourBlock* blocks, int& count);
