// The markup recognisers and word classifications, and the ASP, PHP and SGML parsers.
#include "syntax/MarkupParsers.h"

#include "syntax/CommonRecognisers.h"
#include "syntax/keywords/MarkupKeywords.h"
#include "syntax/keywords/ScriptKeywords.h"

namespace {

// Scratch flag: "/*" was recognised in the previous pass, so its "*" cannot end the comment.
constexpr uint32_t kCommentJustOpened = 0x1;

// How one markup language differs from the others.
struct MarkupDialect {
    uint32_t scriptBit = 0;         // the state bit of server script; 0: no script
    bool quoteComments = false;     // in script a single quote comments out the rest of the line
    bool cComments = false;         // in script "//", "#" and "/*" ... "*/" are comments
    bool variables = false;         // in script "$" starts a variable name
    bool stringsEverywhere = false; // strings open outside tags and script too
    bool braceTags = false;         // "{" and "}" delimit a tag like "<" and ">"
};

bool EndsHtmlComment(const CEngineLine& line)
{
    const int i = line.i;
    return i > 1 && line.text[i] == '>' && line.text[i - 1] == '-' && line.text[i - 2] == '-';
}

// "*/" ends a "/*" comment unless its "*" is the one that opened it.
bool EndsScriptComment(const CEngineLine& line)
{
    const int i = line.i;
    return i > 0 && line.text[i] == '/' && line.text[i - 1] == '*'
           && !(line.scratch & kCommentJustOpened);
}

bool StartsHtmlComment(const CEngineLine& line)
{
    const int i = line.i;
    return i + 4 <= line.length && line.text[i] == '<' && line.text[i + 1] == '!'
           && line.text[i + 2] == '-' && line.text[i + 3] == '-';
}

// The structural recognisers run with and without a block list, so that both kinds of call
// return the same state; only HandleWord (colouring the word that a byte ends) needs blocks.
template <MarkupDialect kDialect>
int RecogniseMarkup(CEngineLine& line)
{
    const int i = line.i;
    const uint8_t c = line.At(i);
    const uint8_t before = i > 0 ? line.text[i - 1] : 0;
    const bool inScript = line.state & kDialect.scriptBit;

    if (line.state & PS_LINE_COMMENT) {
        line.Block(i, ColourClass::Comment);
        return kEndLine;
    }
    if (ContinueString(line, '"', PS_STRING) || ContinueString(line, '\'', PS_CHAR))
        return 1;
    if (line.state & MS_COMMENT) {
        if (inScript ? kDialect.cComments && EndsScriptComment(line) : EndsHtmlComment(line)) {
            line.state &= ~MS_COMMENT;
            line.redefine = true;
        }
        line.scratch &= ~kCommentJustOpened;
        return 1;
    }
    if (inScript) {
        if (kDialect.quoteComments && c == '\'')
            return CommentToLineEnd(line, i);
        if (kDialect.cComments) {
            if (c == '/' && before == '/')
                return CommentToLineEnd(line, i - 1);
            if (c == '#')
                return CommentToLineEnd(line, i);
            if (c == '*' && before == '/') {
                line.Block(i - 1, ColourClass::Comment);
                line.scratch |= kCommentJustOpened;
                line.state |= MS_COMMENT;
                return 1;
            }
        }
        if (c == '>' && (before == '%' || before == '?')) {
            line.state &= ~kDialect.scriptBit;
            line.redefine = true;
            return 1;
        }
    }
    if ((kDialect.stringsEverywhere || (line.state & (MS_TAG | kDialect.scriptBit)))
        && OpenString(line))
        return 1;
    if (!inScript && StartsHtmlComment(line)) {
        line.Block(i, ColourClass::Comment);
        line.state = (line.state & ~MS_TAG) | MS_COMMENT;
        return 4;
    }

    if (line.IsWordAt(i))
        return kNoMatch;
    line.HandleWord();
    if (kDialect.variables && (line.state & MS_PHP_VARIABLE)) {
        line.state &= ~MS_PHP_VARIABLE;
        return 1;
    }
    const uint8_t next = line.At(i + 1);
    if (kDialect.scriptBit && c == '<' && (next == '%' || next == '?')) {
        line.Block(i, ColourClass::NormalText);
        line.state |= kDialect.scriptBit;
    } else if (!inScript && (c == '<' || (kDialect.braceTags && c == '{'))) {
        line.Block(i + 1, ColourClass::Preprocessor); // the "<" keeps the colour before it
        line.state |= MS_TAG;
    } else if ((line.state & MS_TAG) && (c == '>' || (kDialect.braceTags && c == '}'))) {
        line.state &= ~MS_TAG;
        line.redefine = true;
        line.stepBack = true;
    } else if (!inScript && c == '&') {
        line.state |= MS_ENTITY;
    } else if ((line.state & MS_ENTITY) && c == ';') {
        line.state &= ~MS_ENTITY;
    } else if (kDialect.variables && inScript && c == '$') {
        line.state |= MS_PHP_VARIABLE;
    }
    return 1;
}

constexpr KeywordTable kTagTables[] = {
    {kMarkupTagNames, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kAttributeTables[] = {
    {kMarkupAttributeNames, ColourClass::User1, KeywordCase::Insensitive},
};
constexpr KeywordTable kEntityTables[] = {
    {kMarkupEntityNames, ColourClass::User2, KeywordCase::Insensitive},
};
constexpr KeywordTable kAspScriptTables[] = {
    {kVisualBasicKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kPhpScriptTables[] = {
    {kPhpKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
    {kPhpWordOperators, ColourClass::Operator, KeywordCase::Insensitive},
    {kPhpConstants, ColourClass::User2, KeywordCase::Insensitive},
};
constexpr KeywordTable kSgmlTagTables[] = {
    {kSgmlTagNames, ColourClass::Keyword, KeywordCase::Insensitive},
    {kSgmlAttributeNames, ColourClass::User1, KeywordCase::Insensitive},
};

// In an HTML tag a tag name counts only right after "<" or "</"; elsewhere it may still be an
// attribute name.
void ClassifyHtmlTagWord(CEngineLine& line, int start, int end)
{
    const uint8_t before = start > 0 ? line.text[start - 1] : 0;
    if ((before == '<' || before == '/') && ColourFromTables(line, kTagTables, start, end))
        return;
    if (!ColourFromTables(line, kAttributeTables, start, end))
        ColourNumber(line, start, end);
}

void ClassifyScriptWord(CEngineLine& line, std::span<const KeywordTable> tables, int start, int end)
{
    if (ColourFromTables(line, tables, start, end) || ColourNumber(line, start, end))
        return;
    if (NextNonBlankIs(line, end, '('))
        line.Block(start, ColourClass::Function);
}

void ClassifyAspWord(CEngineLine& line, int start, int end)
{
    if (line.state & MS_TAG)
        ClassifyHtmlTagWord(line, start, end);
    else if (line.state & MS_ASP_SCRIPT)
        ClassifyScriptWord(line, line.family.tables, start, end);
    else if (line.state & MS_ENTITY)
        ColourFromTables(line, kEntityTables, start, end);
}

// A variable keeps the variable colour even when its name is also a keyword ($echo).
void ClassifyPhpWord(CEngineLine& line, int start, int end)
{
    if (line.state & MS_TAG)
        ClassifyHtmlTagWord(line, start, end);
    else if (!(line.state & MS_PHP_SCRIPT)) {
        if (line.state & MS_ENTITY)
            ColourFromTables(line, kEntityTables, start, end);
    } else if (line.state & MS_PHP_VARIABLE)
        line.Block(start, ColourClass::User1);
    else
        ClassifyScriptWord(line, line.family.tables, start, end);
}

void ClassifySgmlWord(CEngineLine& line, int start, int end)
{
    if (line.state & MS_TAG) {
        if (!ColourFromTables(line, line.family.tables, start, end))
            ColourNumber(line, start, end);
    } else if (!((line.state & MS_ENTITY) && ColourFromTables(line, kEntityTables, start, end))) {
        ColourNumber(line, start, end);
    }
}

constexpr MarkupDialect kAsp{.scriptBit = MS_ASP_SCRIPT, .quoteComments = true};
constexpr MarkupDialect kPhp{.scriptBit = MS_PHP_SCRIPT, .cComments = true, .variables = true};
constexpr MarkupDialect kSgml{.stringsEverywhere = true, .braceTags = true};

} // namespace

// Tags, comments, strings and script continue on the next line whatever the last byte.
constinit const EngineFamily kAspSyntax{
    .recognise = RecogniseMarkup<kAsp>,
    .tables = kAspScriptTables,
    .classify = ClassifyAspWord,
    .dotIsWordChar = true,
    .preprocessorMask = MS_TAG,
    .plainTextMask = MS_ASP_SCRIPT,
    .shortLineMask = MS_COMMENT | MS_ASP_SCRIPT,
    .endOfLineMask = MS_TAG | MS_COMMENT | PS_STRING | MS_ASP_SCRIPT,
    .backslashKeepsState = false,
};
constinit const EngineFamily kPhpSyntax{
    .recognise = RecogniseMarkup<kPhp>,
    .tables = kPhpScriptTables,
    .classify = ClassifyPhpWord,
    .dotIsWordChar = true,
    .preprocessorMask = MS_TAG,
    .plainTextMask = MS_PHP_SCRIPT,
    .shortLineMask = MS_COMMENT | MS_PHP_SCRIPT,
    .endOfLineMask = MS_TAG | MS_COMMENT | PS_STRING | MS_PHP_SCRIPT,
    .backslashKeepsState = false,
};
constinit const EngineFamily kSgmlSyntax{
    .recognise = RecogniseMarkup<kSgml>,
    .tables = kSgmlTagTables,
    .classify = ClassifySgmlWord,
    .dotIsWordChar = true,
    .preprocessorMask = MS_TAG,
    .shortLineMask = MS_COMMENT,
    .endOfLineMask = MS_TAG | MS_COMMENT | PS_STRING,
    .backslashKeepsState = false,
};
