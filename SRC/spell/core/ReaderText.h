// Which stretches of a line a reader sees, by the document's source type and the parse state:
// the spell checker reads these and nothing else.
#pragma once

#include "spell/core/WordSplitter.h"
#include "syntax/LineParse.h"
#include "syntax/SourceTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

// What of a source type's text is read: every word (plain text), the text between tags (HTML,
// SGML, TeX) or the comments and strings (program sources, ASP and PHP pages included).
enum class TextModel { Plain, Markup, Source };
TextModel TextModelOf(SourceType sourceType);
WordRules WordRulesOf(SourceType sourceType);

struct ReaderRange {
    int begin;
    int end;
};

// The text state is the parse state of the source type, and for HTML the bits above it that
// ParseHtmlText carries (inside a STYLE element, in the value of ALT or TITLE). A view that
// keeps text states instead of parse states in its cache can give any line's state to both:
// the colouring parser ignores the extra bits.
uint32_t TextStateAfter(SourceType sourceType, uint32_t textState, const CTextLines& source,
                        int line);

// Reads lines; keeps its scratch room from line to line.
class CReaderText {
public:
    // Sets ranges to the reader-visible stretches of the line, in order and not touching one
    // another, and returns the text state after the line.
    uint32_t Ranges(SourceType sourceType, uint32_t textState, const CTextLines& source, int line,
                    std::vector<ReaderRange>& ranges);

private:
    std::vector<ColourBlock> m_blocks;
    std::unique_ptr<bool[]> m_reader; // whether each block is read
    size_t m_readerRoom = 0;
};
