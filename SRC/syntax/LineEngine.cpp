// The shared line engine: redefine step, recognisers, word handling and the end-of-line rule.
#include "syntax/LineEngine.h"

#include <algorithm>

CEngineLine::CEngineLine(const EngineFamily& family_, uint32_t state_, const char* text_,
                         int length_, ColourBlock* blocks, int& count)
    : family(family_), text(reinterpret_cast<const uint8_t*>(text_)), length(length_),
      state(state_), atLineStart((state_ & ~PS_BLOCK_COMMENT) == 0), m_blocks(blocks),
      m_count(count)
{
}

bool CEngineLine::IsWordAt(int k) const
{
    const uint8_t c = At(k);
    if (IsWordChar(c))
        return true;
    if (c != '.')
        return false;
    return family.dotIsWordChar || (k > 0 && !IsLetter(text[k - 1]) && !IsLetter(At(k + 1)));
}

// Starts a block in the colour of the current state. After an operator the step stays armed
// and looks one byte back, so that the next pass starts a block again, and a construct that
// begins at the operator (a comment's "//") can still recolour it.
void CEngineLine::Redefine()
{
    const int p = stepBack ? i - 1 : i;
    if (state & (PS_LINE_COMMENT | PS_BLOCK_COMMENT))
        Block(p, ColourClass::Comment);
    else if (state & (PS_STRING | PS_CHAR))
        Block(p, ColourClass::String);
    else if (state & family.preprocessorMask)
        Block(p, ColourClass::Preprocessor);
    else if ((state & family.plainTextMask) || IsWordAt(p))
        Block(p, ColourClass::NormalText);
    else {
        Block(p, ColourClass::Operator);
        redefine = true;
        stepBack = true;
        return;
    }
    redefine = false;
    stepBack = false;
}

void CEngineLine::HandleWord()
{
    if (!m_blocks)
        return;
    if (IsWordAt(i)) {
        if (wordStart < 0)
            wordStart = i;
    } else if (wordStart >= 0) {
        ClassifyOpenWord(i);
        redefine = true;
        stepBack = true;
    }
}

void CEngineLine::ClassifyOpenWord(int end)
{
    if (wordStart < 0)
        return;
    (family.classify ? family.classify : ClassifyWord)(*this, wordStart, end);
    wordStart = -1;
}

bool NextNonBlankIs(const CEngineLine& line, int from, uint8_t marker)
{
    int k = from;
    while (k < line.length && IsBlank(line.text[k]))
        ++k;
    return k < line.length && line.text[k] == marker;
}

void ClassifyWord(CEngineLine& line, int start, int end)
{
    const char* word = reinterpret_cast<const char*>(line.text) + start;
    const int length = end - start;
    for (const KeywordTable& table : line.family.tables) {
        if (FindKeyword(table.words, word, length, table.compare)) {
            line.Block(start, table.colour);
            return;
        }
    }
    if (IsNumberToken(word, length))
        line.Block(start, ColourClass::Number);
    else if (line.family.functionMarker && NextNonBlankIs(line, end, line.family.functionMarker))
        line.Block(start, ColourClass::Function);
}

uint32_t RunLineEngine(const EngineFamily& family, uint32_t state, const CTextLines& source,
                       int lineIndex, ColourBlock* blocks, int& count)
{
    const int n = source.LineLength(lineIndex);
    if (n <= 1)
        return state & family.shortLineMask;

    CEngineLine line(family, state, source.LineText(lineIndex), n, blocks, count);
    for (;;) {
        if (line.redefine)
            line.Redefine();
        if (line.i == n)
            break;
        const int consumed = family.recognise(line);
        if (consumed == kEndLine)
            break;
        if (consumed == kNoMatch) {
            line.HandleWord();
            line.i += 1;
        } else {
            line.i = std::min(line.i + consumed, n);
        }
    }
    line.ClassifyOpenWord(line.i);

    if (!(family.backslashKeepsState && line.text[n - 1] == '\\'))
        line.state &= family.endOfLineMask;
    return line.state;
}
