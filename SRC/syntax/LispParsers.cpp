// The Lisp recognisers and word classification, and the two parsers built from them.
#include "syntax/LispParsers.h"

#include "syntax/CommonRecognisers.h"
#include "syntax/keywords/LispKeywords.h"

namespace {

// Scratch flags of one line.
constexpr uint32_t kCommentJustOpened = 0x1; // ";|" was recognised in the previous pass
constexpr uint32_t kCommentJustClosed = 0x2; // "|;" was recognised in the previous pass
constexpr uint32_t kAfterDefun = 0x4;        // a defun keyword has been seen on this line

int RecogniseLisp(CEngineLine& line)
{
    const int i = line.i;
    const uint8_t c = line.At(i);
    const uint8_t before = i > 0 ? line.text[i - 1] : 0;
    const bool justClosed = line.scratch & kCommentJustClosed;
    line.scratch &= ~kCommentJustClosed;

    if (line.state & PS_LINE_COMMENT) {
        line.Block(i, ColourClass::Comment);
        return kEndLine;
    }
    if (ContinueString(line, '\'', PS_CHAR) || ContinueString(line, '"', PS_STRING))
        return 1;
    if (line.state & PS_BLOCK_COMMENT) {
        // At i = 1 the comment cannot have opened on this line, so "|;" there always ends it.
        if (c == ';' && before == '|' && !(line.scratch & kCommentJustOpened)) {
            line.state &= ~PS_BLOCK_COMMENT;
            line.redefine = true;
            line.scratch |= kCommentJustClosed;
        }
        line.scratch &= ~kCommentJustOpened;
        return 1;
    }
    // A ";" starts a comment unless it opens a ";|" comment or closed a "|;" one.
    if (before == ';' && c != '|' && !justClosed)
        return CommentToLineEnd(line, i - 1);
    if (OpenString(line))
        return 1;
    if (c == '|' && before == ';') {
        line.Block(i - 1, ColourClass::Comment);
        line.scratch |= kCommentJustOpened;
        line.state |= PS_BLOCK_COMMENT;
        return 1;
    }
    line.scratch &= ~kCommentJustOpened;
    return kNoMatch;
}

// Tables first; a word of the first table that begins with defun means the names after it on
// the line are being defined, so "(" before them no longer marks a call.
void ClassifyLispWord(CEngineLine& line, int start, int end)
{
    const char* word = reinterpret_cast<const char*>(line.text) + start;
    const int length = end - start;
    const std::span<const KeywordTable> tables = line.family.tables;
    for (size_t t = 0; t < tables.size(); ++t) {
        if (FindKeyword(tables[t].words, word, length, tables[t].compare)) {
            if (t == 0 && length >= 5 && MatchesFolded(line.text + start, "defun"))
                line.scratch |= kAfterDefun;
            line.Block(start, tables[t].colour);
            return;
        }
    }
    if (ColourNumber(line, start, end))
        return;
    if ((!(line.scratch & kAfterDefun) && PreviousNonBlankIs(line, start, '('))
        || line.At(end) == '(')
        line.Block(start, ColourClass::Function);
}

constexpr KeywordTable kLispTables[] = {
    {kLispKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
};
constexpr KeywordTable kSiodTables[] = {
    {kSiodKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
    {kSiodMathFunctions, ColourClass::User1, KeywordCase::Insensitive},
    {kSiodLibraryFunctions, ColourClass::User2, KeywordCase::Insensitive},
};

} // namespace

// Only a ";|" comment carries over to the next line; "\" continues nothing.
constinit const EngineFamily kLispSyntax{
    .recognise = RecogniseLisp,
    .tables = kLispTables,
    .classify = ClassifyLispWord,
    .dotIsWordChar = true,
    .backslashKeepsState = false,
};
constinit const EngineFamily kSiodSyntax{
    .recognise = RecogniseLisp,
    .tables = kSiodTables,
    .classify = ClassifyLispWord,
    .dotIsWordChar = true,
    .backslashKeepsState = false,
};
