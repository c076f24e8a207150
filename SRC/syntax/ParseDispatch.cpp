// Source type to line parser.
#include "syntax/ParseDispatch.h"

#include "syntax/CLikeParsers.h"
#include "syntax/HtmlParser.h"
#include "syntax/LispParsers.h"
#include "syntax/MarkupParsers.h"
#include "syntax/ScriptParsers.h"

namespace {

// Indexed by source type; plain text has no parser.
constexpr LineParser kParsers[kSourceTypeCount] = {
    nullptr,                               // PlainText
    ParseWithEngine<kAspSyntax>,           // Asp
    ParseWithEngine<kVisualBasicSyntax>,   // VisualBasic
    ParseWithEngine<kBatchSyntax>,         // Batch
    ParseWithEngine<kCppSyntax>,           // Cpp
    ParseWithEngine<kDclSyntax>,           // Dcl
    ParseWithEngine<kFortranSyntax>,       // Fortran
    ParseHtmlLine,                         // Html
    ParseWithEngine<kInstallShieldSyntax>, // InstallShield
    ParseWithEngine<kJavaSyntax>,          // Java
    ParseWithEngine<kLispSyntax>,          // Lisp
    ParseWithEngine<kPascalSyntax>,        // Pascal
    ParseWithEngine<kPerlSyntax>,          // Perl
    ParseWithEngine<kPhpSyntax>,           // Php
    ParseWithEngine<kPythonSyntax>,        // Python
    ParseWithEngine<kRexxSyntax>,          // Rexx
    ParseWithEngine<kResourcesSyntax>,     // Resources
    ParseWithEngine<kSgmlSyntax>,          // Sgml
    ParseWithEngine<kShellSyntax>,         // Shell
    ParseWithEngine<kSiodSyntax>,          // Siod
    ParseWithEngine<kSqlSyntax>,           // Sql
    ParseWithEngine<kTclSyntax>,           // Tcl
    ParseWithEngine<kTexSyntax>,           // Tex
};
static_assert(Number(SourceType::Tex) == kSourceTypeCount - 1);

} // namespace

LineParser LineParserFor(SourceType sourceType)
{
    return IsKnown(sourceType) ? kParsers[Number(sourceType)] : nullptr;
}

uint32_t ParseLine(SourceType sourceType, uint32_t state, const CTextLines& source, int line,
                   ColourBlock* blocks, int& count)
{
    const LineParser parser = LineParserFor(sourceType);
    return parser ? parser(state, source, line, blocks, count) : 0;
}
