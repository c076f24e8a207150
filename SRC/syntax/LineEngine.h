// The line engine shared by the parser families: one scan of a line with the redefine step,
// word handling and word classification; a family plugs in its recognisers and its data.
#pragma once

#include "syntax/LineParse.h"

#include <cstdint>
#include <span>
#include <string_view>

// A keyword table and the colour its words get.
struct KeywordTable {
    std::span<const std::string_view> words;
    ColourClass colour;
    KeywordCase compare;
};

class CEngineLine;

// What a recogniser tells the engine: kNoMatch (nothing recognised here: the engine goes on
// with word handling), kEndLine (stop scanning the line, i stays), or a positive number of
// characters that the pass consumes.
constexpr int kNoMatch = 0;
constexpr int kEndLine = -1;
using Recogniser = int (*)(CEngineLine& line);
// Colours the word [start, end) of the line.
using WordClassifier = void (*)(CEngineLine& line, int start, int end);

// Everything that makes one parser of a family: its recognisers and its data.
struct EngineFamily {
    Recogniser recognise = nullptr;
    std::span<const KeywordTable> tables;      // tried in order by ClassifyWord
    WordClassifier classify = nullptr;         // null: ClassifyWord
    uint8_t functionMarker = '(';              // next non-blank byte making a Function; 0: none
    bool dotIsWordChar = false;                // else "." counts only between non-letters
    uint32_t preprocessorMask = 0;             // states drawn as Preprocessor after a construct
    uint32_t plainTextMask = 0;                // states in which every character is normal text
    uint32_t shortLineMask = PS_BLOCK_COMMENT; // state kept by a line of 0 or 1 characters
    uint32_t endOfLineMask = PS_BLOCK_COMMENT; // state kept at the end of a line
    bool backslashKeepsState = true;           // a last byte "\" carries the whole state over
};

// The scan of one line, as the recognisers see it. Recognisers read text (through At), test
// and change state, define blocks, and may set redefine after ending a construct.
class CEngineLine {
public:
    CEngineLine(const EngineFamily& family, uint32_t state, const char* text, int length,
                ColourBlock* blocks, int& count);

    const EngineFamily& family;
    const uint8_t* const text;
    const int length;
    uint32_t state;
    int i = 0;
    bool atLineStart;      // only blanks so far on a line that started outside any construct
    bool redefine = true;  // the next pass starts a block in the colour of the current state
    bool stepBack = false; // ... at i - 1 instead of i
    int wordStart = -1;    // start of the open word, -1 when none
    uint32_t scratch = 0;  // per-line flags of the family's own recognisers

    // The byte at index k; the byte just past the line reads as 0, never a word character.
    uint8_t At(int k) const { return k < length ? text[k] : 0; }
    void Block(int position, ColourClass colour)
    {
        DefineBlock(m_blocks, m_count, position, colour);
    }
    // Whether the byte at k counts as part of a word (a word character, or a "." by the
    // family's rule).
    bool IsWordAt(int k) const;
    // Opens a word at i, or classifies and closes the open word at a non-word byte. Only with
    // blocks; the engine runs it itself when no recogniser matched.
    void HandleWord();
    void ClassifyOpenWord(int end);

private:
    friend uint32_t RunLineEngine(const EngineFamily&, uint32_t, const CTextLines&, int,
                                  ColourBlock*, int&);
    void Redefine();

    ColourBlock* m_blocks;
    int& m_count;
};

// The default classification: the family's tables in order, then a number, then a Function
// when the next non-blank byte is the family's function marker.
void ClassifyWord(CEngineLine& line, int start, int end);
// Whether the first non-blank byte from index from on is marker.
bool NextNonBlankIs(const CEngineLine& line, int from, uint8_t marker);

// Parses one line with a family's recognisers and data; the contract of LineParser.
uint32_t RunLineEngine(const EngineFamily& family, uint32_t state, const CTextLines& source,
                       int line, ColourBlock* blocks, int& count);

// The LineParser of one engine-based parser, for the dispatch table.
template <const EngineFamily& kFamily>
uint32_t ParseWithEngine(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                         int& count)
{
    return RunLineEngine(kFamily, state, source, line, blocks, count);
}
