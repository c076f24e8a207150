// The C-like recognisers and the parsers built from them and their keyword tables.
#include "syntax/CLikeParsers.h"

#include "syntax/CommonRecognisers.h"
#include "syntax/keywords/CLikeKeywords.h"

namespace {

// Scratch flag: "/*" was recognised in the previous pass, so its "*" cannot end the comment.
constexpr uint32_t kCommentJustOpened = 0x1;

struct CLikeRules {
    bool preprocessor; // "#" as the first non-blank byte opens a preprocessor line
    bool looseCharEnd; // a character literal ends at any quote not directly after "\"
};

bool EndsCharLiteral(const CEngineLine& line, bool loose)
{
    const int i = line.i;
    if (line.At(i) != '\'')
        return false;
    if (loose)
        return i == 0 || line.text[i - 1] != '\\';
    return !IsEscapedQuote(reinterpret_cast<const char*>(line.text), i);
}

template <CLikeRules kRules>
int RecogniseCLike(CEngineLine& line)
{
    const int i = line.i;
    const uint8_t c = line.At(i);
    const uint8_t before = i > 0 ? line.text[i - 1] : 0;

    if (line.state & PS_LINE_COMMENT) { // carried over by a "\" at the end of the last line
        line.Block(i, ColourClass::Comment);
        return kEndLine;
    }
    if (ContinueString(line, '"', PS_STRING))
        return 1;
    if (line.state & PS_CHAR) {
        if (EndsCharLiteral(line, kRules.looseCharEnd)) {
            line.state &= ~PS_CHAR;
            line.redefine = true;
        }
        return 1;
    }
    if (line.state & PS_BLOCK_COMMENT) {
        // At i = 1 the comment cannot have opened on this line, so "*/" there always ends it.
        if (c == '/' && before == '*' && !(line.scratch & kCommentJustOpened)) {
            line.state &= ~PS_BLOCK_COMMENT;
            line.redefine = true;
        }
        line.scratch &= ~kCommentJustOpened;
        return 1;
    }
    if (c == '/' && before == '/')
        return CommentToLineEnd(line, i - 1);
    if (kRules.preprocessor && (line.state & PS_PREPROCESSOR)) {
        // The directive stays one block; only a comment can interrupt it.
        if (c == '*' && before == '/') {
            line.Block(i - 1, ColourClass::Comment);
            line.state |= PS_BLOCK_COMMENT;
        }
        return 1;
    }
    if (OpenString(line))
        return 1;
    if (c == '*' && before == '/') {
        line.Block(i - 1, ColourClass::Comment);
        line.scratch |= kCommentJustOpened;
        line.state |= PS_BLOCK_COMMENT;
        return 1;
    }
    line.scratch &= ~kCommentJustOpened;
    if (kRules.preprocessor && line.atLineStart) {
        if (c == '#') {
            line.Block(i, ColourClass::Preprocessor);
            line.state |= PS_PREPROCESSOR;
            return 1;
        }
        if (!IsBlank(c))
            line.atLineStart = false;
    }
    return kNoMatch;
}

// A DCL name is a Function where it defines a tile (name : base { or name { ) or names the
// base of one (after ":"), unless a table knows it.
void ClassifyDclWord(CEngineLine& line, int start, int end)
{
    if (ColourFromTables(line, line.family.tables, start, end) || ColourNumber(line, start, end))
        return;
    if (NextNonBlankIs(line, end, '{') || NextNonBlankIs(line, end, ':')
        || PreviousNonBlankIs(line, start, ':'))
        line.Block(start, ColourClass::Function);
}

constexpr CLikeRules kWithPreprocessor{.preprocessor = true, .looseCharEnd = false};
constexpr CLikeRules kResourceRules{.preprocessor = true, .looseCharEnd = true};
constexpr CLikeRules kWithoutPreprocessor{.preprocessor = false, .looseCharEnd = false};

constexpr KeywordTable kCppTables[] = {
    {kCppKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
    {kCppTypeNames, ColourClass::User1, KeywordCase::Sensitive},
};
constexpr KeywordTable kInstallShieldTables[] = {
    {kInstallShieldKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
    {kInstallShieldConstants, ColourClass::User1, KeywordCase::Sensitive},
    {kInstallShieldVariables, ColourClass::User2, KeywordCase::Sensitive},
};
constexpr KeywordTable kJavaTables[] = {
    {kJavaKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
};
constexpr KeywordTable kResourceTables[] = {
    {kResourceKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
    {kResourceKeys, ColourClass::User1, KeywordCase::Insensitive},
};
constexpr KeywordTable kDclTables[] = {
    {kDclTiles, ColourClass::Keyword, KeywordCase::Sensitive},
    {kDclPredefinedTiles, ColourClass::User1, KeywordCase::Sensitive},
    {kDclAttributes, ColourClass::User2, KeywordCase::Sensitive},
};

} // namespace

int RecogniseCComments(CEngineLine& line) { return RecogniseCLike<kWithoutPreprocessor>(line); }

constinit const EngineFamily kCppSyntax{
    .recognise = RecogniseCLike<kWithPreprocessor>,
    .tables = kCppTables,
    .preprocessorMask = PS_PREPROCESSOR,
};
constinit const EngineFamily kInstallShieldSyntax{
    .recognise = RecogniseCLike<kWithPreprocessor>,
    .tables = kInstallShieldTables,
    .preprocessorMask = PS_PREPROCESSOR,
};
constinit const EngineFamily kJavaSyntax{
    .recognise = RecogniseCLike<kWithPreprocessor>,
    .tables = kJavaTables,
    .preprocessorMask = PS_PREPROCESSOR,
};
constinit const EngineFamily kResourcesSyntax{
    .recognise = RecogniseCLike<kResourceRules>,
    .tables = kResourceTables,
    .preprocessorMask = PS_PREPROCESSOR,
};
// DCL has no preprocessor, dotted names, its own Function rule, and no "\" continuation.
constinit const EngineFamily kDclSyntax{
    .recognise = RecogniseCLike<kWithoutPreprocessor>,
    .tables = kDclTables,
    .classify = ClassifyDclWord,
    .dotIsWordChar = true,
    .backslashKeepsState = false,
};
