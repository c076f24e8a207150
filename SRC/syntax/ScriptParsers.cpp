// The script-language recognisers and the parsers built from them and their keyword tables.
#include "syntax/ScriptParsers.h"

#include "syntax/CLikeParsers.h"
#include "syntax/CommonRecognisers.h"
#include "syntax/keywords/ScriptKeywords.h"
#include "syntax/keywords/TexKeywords.h"

#include <string_view>

namespace {

// What every script parser looks at first: a comment carried over by a "\" at the end of the
// last line fills this one, and inside a string only its closing quote counts.
int ContinueCommentOrString(CEngineLine& line)
{
    if (line.state & PS_LINE_COMMENT) {
        line.Block(line.i, ColourClass::Comment);
        return kEndLine;
    }
    if (ContinueString(line, '\'', PS_CHAR) || ContinueString(line, '"', PS_STRING))
        return 1;
    return kNoMatch;
}

// TCL, Perl, shell scripts and Python ("#"), and TeX ("%"): one character starts a comment
// anywhere, even inside a word.
template <uint8_t kCommentChar>
int RecogniseLineCommentScript(CEngineLine& line)
{
    if (const int r = ContinueCommentOrString(line); r != kNoMatch)
        return r;
    if (line.At(line.i) == kCommentChar)
        return CommentToLineEnd(line, line.i);
    return OpenString(line) ? 1 : kNoMatch;
}

// Fortran: "!" anywhere, or "C" or "c" in the first column, comments out the rest of the line.
int RecogniseFortran(CEngineLine& line)
{
    if (const int r = ContinueCommentOrString(line); r != kNoMatch)
        return r;
    const uint8_t c = line.At(line.i);
    if (c == '!' || (line.i == 0 && (c == 'C' || c == 'c')))
        return CommentToLineEnd(line, line.i);
    return OpenString(line) ? 1 : kNoMatch;
}

// Batch files: at the first non-blank byte a ":" starts a label and "REM" a comment line.
int RecogniseBatch(CEngineLine& line)
{
    if (const int r = ContinueCommentOrString(line); r != kNoMatch)
        return r;
    const int i = line.i;
    const uint8_t c = line.At(i);
    if (line.atLineStart && !IsBlank(c)) {
        line.atLineStart = false;
        if (c == ':') {
            line.Block(i, ColourClass::Preprocessor);
            line.state |= PS_PREPROCESSOR;
            return 1;
        }
        if (i + 3 <= line.length && MatchesFolded(line.text + i, "REM")
            && (i + 3 == line.length || IsBlank(line.text[i + 3])))
            return CommentToLineEnd(line, i);
    }
    return OpenString(line) ? 1 : kNoMatch;
}

// Visual Basic: REM (any case) followed by a non-word byte comments out the rest of the line.
int RecogniseVisualBasic(CEngineLine& line)
{
    if (const int r = ContinueCommentOrString(line); r != kNoMatch)
        return r;
    const int i = line.i;
    if (i > 2 && !IsWordChar(line.At(i)) && MatchesFolded(line.text + i - 3, "REM")) {
        // The open word ends in REM and is now part of the comment: it must not be coloured
        // as a word over the comment when the line ends.
        line.wordStart = -1;
        return CommentToLineEnd(line, i - 3);
    }
    return OpenString(line) ? 1 : kNoMatch;
}

// Pascal: "(*" ... "*)" comments, which may span lines; "(*)" does not close the one it opens.
int RecognisePascal(CEngineLine& line)
{
    if (const int r = ContinueCommentOrString(line); r != kNoMatch)
        return r;
    const int i = line.i;
    const uint8_t c = line.At(i);
    const uint8_t before = i > 0 ? line.text[i - 1] : 0;
    if (line.state & PS_BLOCK_COMMENT) {
        if (c == ')' && before == '*' && (i == 1 || line.text[i - 2] != '(')) {
            line.state &= ~PS_BLOCK_COMMENT;
            line.redefine = true;
        }
        return 1;
    }
    if (OpenString(line))
        return 1;
    if (c == '*' && before == '(') {
        line.Block(i - 1, ColourClass::Comment);
        line.state |= PS_BLOCK_COMMENT;
        return 1;
    }
    return kNoMatch;
}

void ClassifyBatchWord(CEngineLine& line, int start, int end)
{
    if (ColourFromTables(line, line.family.tables, start, end))
        return;
    if (FindBatchProgram(reinterpret_cast<const char*>(line.text) + start, end - start))
        line.Block(start, ColourClass::User1);
    else
        ColourNumber(line, start, end);
}

constexpr KeywordTable kPerlTables[] = {
    {kPerlKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kTclTables[] = {
    {kTclKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kShellTables[] = {
    {kShellKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
    {kShellCommands, ColourClass::User1, KeywordCase::Insensitive},
};
constexpr KeywordTable kPythonTables[] = {
    {kPythonKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
    {kPythonSysNames, ColourClass::User1, KeywordCase::Sensitive},
    {kPythonSpecialNames, ColourClass::User2, KeywordCase::Sensitive},
};
constexpr KeywordTable kTexTables[] = {
    {kTexCommands, ColourClass::Keyword, KeywordCase::Insensitive},
    {kTexPackageCommands, ColourClass::User1, KeywordCase::Insensitive},
};
constexpr KeywordTable kFortranTables[] = {
    {kFortranKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kBatchTables[] = {
    {kBatchCommands, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kVisualBasicTables[] = {
    {kVisualBasicKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
};
constexpr KeywordTable kPascalTables[] = {
    {kPascalKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
};
constexpr KeywordTable kRexxTables[] = {
    {kRexxKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
    {kRexxObjectKeywords, ColourClass::User1, KeywordCase::Insensitive},
};
constexpr KeywordTable kSqlTables[] = {
    {kSqlKeywords, ColourClass::Keyword, KeywordCase::Insensitive},
    {kSqlTypes, ColourClass::User1, KeywordCase::Insensitive},
};

} // namespace

bool FindBatchProgram(const char* word, int length)
{
    const auto* w = reinterpret_cast<const uint8_t*>(word);
    for (const std::string_view entry : kBatchPrograms) {
        const int n = static_cast<int>(entry.size());
        if (length != n && length != n + 4)
            continue;
        if (MatchesFolded(w, entry)
            && (length == n || MatchesFolded(w + n, ".COM") || MatchesFolded(w + n, ".EXE")))
            return true;
    }
    return false;
}

// TCL and Perl run the same code; only their tables differ.
constinit const EngineFamily kTclSyntax{
    .recognise = RecogniseLineCommentScript<'#'>,
    .tables = kTclTables,
};
constinit const EngineFamily kPerlSyntax{
    .recognise = RecogniseLineCommentScript<'#'>,
    .tables = kPerlTables,
};
constinit const EngineFamily kShellSyntax{
    .recognise = RecogniseLineCommentScript<'#'>,
    .tables = kShellTables,
};
constinit const EngineFamily kPythonSyntax{
    .recognise = RecogniseLineCommentScript<'#'>,
    .tables = kPythonTables,
};
// In TeX a word before "$" (math) is what stands out, and "\" at the line end is a command,
// not a continuation.
constinit const EngineFamily kTexSyntax{
    .recognise = RecogniseLineCommentScript<'%'>,
    .tables = kTexTables,
    .functionMarker = '$',
    .dotIsWordChar = true,
    .backslashKeepsState = false,
};
constinit const EngineFamily kFortranSyntax{
    .recognise = RecogniseFortran,
    .tables = kFortranTables,
    .functionMarker = 0,
};
constinit const EngineFamily kBatchSyntax{
    .recognise = RecogniseBatch,
    .tables = kBatchTables,
    .classify = ClassifyBatchWord,
    .functionMarker = 0,
    .dotIsWordChar = true,
    .preprocessorMask = PS_PREPROCESSOR,
    .backslashKeepsState = false,
};
constinit const EngineFamily kVisualBasicSyntax{
    .recognise = RecogniseVisualBasic,
    .tables = kVisualBasicTables,
};
constinit const EngineFamily kPascalSyntax{
    .recognise = RecognisePascal,
    .tables = kPascalTables,
};
// REXX and SQL run the same code (C's comments and strings); only their tables differ.
constinit const EngineFamily kRexxSyntax{
    .recognise = RecogniseCComments,
    .tables = kRexxTables,
};
constinit const EngineFamily kSqlSyntax{
    .recognise = RecogniseCComments,
    .tables = kSqlTables,
};
