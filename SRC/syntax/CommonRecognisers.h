// Small recognisers that several parser families combine: quoted strings and comments that
// run to the end of the line.
#pragma once

#include "syntax/LineEngine.h"

#include <span>
#include <string_view>

// Inside a string opened by quote (state bit): a closing quote that is not escaped ends the
// string. Returns whether the line was inside that string, in which case the pass consumes one
// character.
inline bool ContinueString(CEngineLine& line, uint8_t quote, uint32_t bit)
{
    if (!(line.state & bit))
        return false;
    if (line.At(line.i) == quote
        && !IsEscapedQuote(reinterpret_cast<const char*>(line.text), line.i)) {
        line.state &= ~bit;
        line.redefine = true;
    }
    return true;
}

// Whether a single quote at i can open a string: at the line start or after a byte that is not
// a word character (a quote inside a word, as in an English contraction, is punctuation).
inline bool SingleQuoteOpensAt(const CEngineLine& line, int i)
{
    return i == 0 || !IsWordChar(line.At(i - 1));
}

// A double quote anywhere, or a single quote where one can open a string, starts a string.
// Returns whether one did.
inline bool OpenString(CEngineLine& line)
{
    const uint8_t c = line.At(line.i);
    uint32_t bit = 0;
    if (c == '"')
        bit = PS_STRING;
    else if (c == '\'' && SingleQuoteOpensAt(line, line.i))
        bit = PS_CHAR;
    else
        return false;
    line.Block(line.i, ColourClass::String);
    line.state |= bit;
    return true;
}

// Colours the line from position on as a comment that lasts to the line end.
inline int CommentToLineEnd(CEngineLine& line, int position)
{
    line.Block(position, ColourClass::Comment);
    line.state |= PS_LINE_COMMENT;
    return kEndLine;
}

// Whether the word.size() bytes at text equal word, ASCII letters compared without regard to
// case.
inline bool MatchesFolded(const uint8_t* text, std::string_view word)
{
    const auto fold = [](uint8_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; };
    for (size_t k = 0; k < word.size(); ++k)
        if (fold(text[k]) != fold(static_cast<uint8_t>(word[k])))
            return false;
    return true;
}

// Whether the last non-blank byte before index before is marker.
inline bool PreviousNonBlankIs(const CEngineLine& line, int before, uint8_t marker)
{
    int k = before - 1;
    while (k >= 0 && IsBlank(line.text[k]))
        --k;
    return k >= 0 && line.text[k] == marker;
}

// Colours the word [start, end) with the first of the tables that holds it; returns whether
// one did.
inline bool ColourFromTables(CEngineLine& line, std::span<const KeywordTable> tables, int start,
                             int end)
{
    const char* word = reinterpret_cast<const char*>(line.text) + start;
    for (const KeywordTable& table : tables) {
        if (FindKeyword(table.words, word, end - start, table.compare)) {
            line.Block(start, table.colour);
            return true;
        }
    }
    return false;
}

// Colours the word [start, end) as a number when it is one; returns whether it was.
inline bool ColourNumber(CEngineLine& line, int start, int end)
{
    if (!IsNumberToken(reinterpret_cast<const char*>(line.text) + start, end - start))
        return false;
    line.Block(start, ColourClass::Number);
    return true;
}
