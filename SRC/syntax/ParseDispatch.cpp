// Source type to line parser.
#include "syntax/ParseDispatch.h"

#include "syntax/SourceTypes.h"
#include "syntax/CLikeParsers.h"
#include "syntax/HtmlParser.h"
#include "syntax/LispParsers.h"
#include "syntax/MarkupParsers.h"
#include "syntax/ScriptParsers.h"

namespace {

// Indexed by source type; plain text has no parser.
constexpr LineParser kParsers[kSourceTypeCount] = {
    nullptr, // SRC_PLAIN_TEXT
    ParseWithEngine<kAspSyntax>, // SRC_ASP
    ParseWithEngine<kVisualBasicSyntax>, // SRC_VISUAL_BASIC
    ParseWithEngine<kBatchSyntax>, // SRC_BATCH
    ParseWithEngine<kCppSyntax>, // SRC_CPP
    ParseWithEngine<kDclSyntax>, // SRC_DCL
    ParseWithEngine<kFortranSyntax>, // SRC_FORTRAN
    ParseHtmlLine, // SRC_HTML
    ParseWithEngine<kInstallShieldSyntax>, // SRC_INSTALLSHIELD
    ParseWithEngine<kJavaSyntax>, // SRC_JAVA
    ParseWithEngine<kLispSyntax>, // SRC_LISP
    ParseWithEngine<kPascalSyntax>, // SRC_PASCAL
    ParseWithEngine<kPerlSyntax>, // SRC_PERL
    ParseWithEngine<kPhpSyntax>, // SRC_PHP
    ParseWithEngine<kPythonSyntax>, // SRC_PYTHON
    ParseWithEngine<kRexxSyntax>, // SRC_REXX
    ParseWithEngine<kResourcesSyntax>, // SRC_RESOURCES
    ParseWithEngine<kSgmlSyntax>, // SRC_SGML
    ParseWithEngine<kShellSyntax>, // SRC_SHELL
    ParseWithEngine<kSiodSyntax>, // SRC_SIOD
    ParseWithEngine<kSqlSyntax>, // SRC_SQL
    ParseWithEngine<kTclSyntax>, // SRC_TCL
    ParseWithEngine<kTexSyntax>, // SRC_TEX
};
static_assert(SRC_TEX == kSourceTypeCount - 1);

} // namespace

LineParser LineParserFor(int sourceType)
{
    return sourceType >= 0 && sourceType < kSourceTypeCount ? kParsers[sourceType] : nullptr;
}

uint32_t ParseLine(int sourceType, uint32_t state, const CTextLines& source, int line,
    ColourBlock* blocks, int& count)
{
    const LineParser parser = LineParserFor(sourceType);
    return parser ? parser(state, source, line, blocks, count) : 0;
}
