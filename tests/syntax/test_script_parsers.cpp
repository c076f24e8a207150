// The script-language parsers: TCL, Perl, shell, Python, TeX, Fortran, batch, Visual Basic,
// Pascal, REXX and SQL.
#include "ParserCase.h"

#include "syntax/LineParse.h"
#include "syntax/ScriptParsers.h"
#include "syntax/SourceTypes.h"

#include <string_view>

namespace {

// Classes: 0 normal, 3 keyword, 5 number, 6 string, 7 comment, 8 operator, 9 preprocessor,
// 10 user1, 11 function, 12 user2.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Script, ParserCaseTest,
    testing::Values(ParserCase { "TclHashAfterCode", SourceType::Tcl, 0, "set x 1 # note",
                        "0:0 3:8 4:0 5:8 6:5 7:8 8:7", 0 },
        ParserCase { "TclHashInsideWord", SourceType::Tcl, 0, "puts $#list", "0:0 4:8 5:8 6:7", 0 },
        ParserCase { "TclStringContinued", SourceType::Tcl, 0, "IF {'a'} \"b\\",
            "0:3 2:8 3:8 4:6 7:8 8:8 9:6", PS_STRING },
        ParserCase {
            "TclLineCommentContinued", SourceType::Tcl, 0, "x # y\\", "0:0 1:8 2:7", PS_LINE_COMMENT },
        ParserCase { "PerlTableIgnoresCase", SourceType::Perl, 0, "MY $z = foo(1);",
            "0:3 2:8 3:8 4:0 5:8 6:8 7:8 8:11 11:8 12:5 13:8 14:8", 0 },
        ParserCase { "ShellTables", SourceType::Shell, 0, "LS -l; Echo hi",
            "0:10 2:8 3:8 4:0 5:8 6:8 7:3 11:8 12:0", 0 },
        ParserCase { "PythonTablesAreCaseSensitive", SourceType::Python, 0, "def f(x): Def IOError id",
            "0:3 3:8 4:11 5:8 6:0 7:8 8:8 9:8 10:0 13:8 14:10 21:8 22:12", 0 },
        ParserCase { "TexCommandAndPercentComment", SourceType::Tex, 0, "\\section{Intro} % c",
            "0:8 1:3 8:8 9:0 14:8 15:8 16:7", 0 },
        ParserCase {
            "TexWordBeforeDollarIsFunction", SourceType::Tex, 0, "x $y(", "0:11 1:8 2:8 3:0 4:8", 0 },
        ParserCase { "TexBackslashContinuesNothing", SourceType::Tex, 0, "\"ab\\", "0:6", 0 },
        ParserCase { "FortranColumnOneC", SourceType::Fortran, 0, "CALL F", "0:7", 0 },
        ParserCase { "FortranBangCommentAndNoFunction", SourceType::Fortran, 0, " call f(1) ! c",
            "0:8 1:3 5:8 6:0 7:8 8:5 9:8 10:8 11:7", 0 },
        ParserCase { "BatchProgramsWithAndWithoutSuffix", SourceType::Batch, 0,
            "FORMAT.COM a: format xcopy.exe", "0:10 10:8 11:0 12:8 13:8 14:10 20:8 21:10", 0 },
        ParserCase { "BatchRemAfterBlanks", SourceType::Batch, 0, "  REM note", "0:8 1:8 2:7", 0 },
        ParserCase { "BatchRemAtLineEnd", SourceType::Batch, 0, "rem", "0:7", 0 },
        ParserCase { "BatchRemarkIsNoComment", SourceType::Batch, 0, "REMARK x", "0:0 6:8 7:0", 0 },
        ParserCase {
            "BatchLabelKeepsClassifyingWords", SourceType::Batch, 0, ":loop echo", "0:9 5:9 6:3", 0 },
        ParserCase {
            "BatchBackslashContinuesNothing", SourceType::Batch, 0, "echo \"a\\", "0:3 4:8 5:6", 0 },
        ParserCase { "VisualBasicRemAfterCode", SourceType::VisualBasic, 0, "x = 1 REM note",
            "0:0 1:8 2:8 3:8 4:5 5:8 6:7", 0 },
        // Rem is also a keyword; the comment must not turn into one when the line ends.
        ParserCase {
            "VisualBasicRemKeywordStaysComment", SourceType::VisualBasic, 0, "Rem note", "0:7", 0 },
        ParserCase { "VisualBasicRemarkIsNoComment", SourceType::VisualBasic, 0, "REMARK = 1",
            "0:0 6:8 7:8 8:8 9:5", 0 },
        ParserCase { "VisualBasicCaseSensitive", SourceType::VisualBasic, 0, "If x then",
            "0:3 2:8 3:0 4:8 5:0", 0 },
        ParserCase { "PascalComment", SourceType::Pascal, 0, "(* a *) x", "0:7 1:7 7:8 8:0", 0 },
        ParserCase {
            "PascalCommentOpenAtLineEnd", SourceType::Pascal, 0, "(* open", "0:7 1:7", PS_BLOCK_COMMENT },
        ParserCase {
            "PascalCommentCloses", SourceType::Pascal, PS_BLOCK_COMMENT, "c *) d", "0:7 4:8 5:0", 0 },
        ParserCase {
            "PascalOpenerDoesNotClose", SourceType::Pascal, 0, "(*) x", "0:7 1:7", PS_BLOCK_COMMENT },
        ParserCase { "RexxCommentsAndTables", SourceType::Rexx, 0, "/* c */ say 'x' // y",
            "0:7 1:7 7:8 8:3 11:8 12:6 15:8 16:7", 0 },
        ParserCase { "RexxHasNoPreprocessor", SourceType::Rexx, 0, "#a NULL", "0:8 1:0 2:8 3:10", 0 },
        ParserCase { "SqlTables", SourceType::Sql, 0, "SELECT a FROM varchar",
            "0:3 6:8 7:0 8:8 9:3 13:8 14:10", 0 }),
    ParserCaseName);
// clang-format on

TEST(BatchProgramTest, NamesWithAndWithoutSuffix)
{
    const std::pair<std::string_view, bool> cases[] = {
        {"FORMAT", true},      {"format.com", true}, {"Xcopy.Exe", true}, {"EMM386.EXE", true},
        {"FORMAT.BAT", false}, {"FORMATX", false},   {"FORMAT.", false},  {"FORMAT.COMX", false},
        {"", false},           {".EXE", false},
    };
    for (const auto& [word, expected] : cases)
        EXPECT_EQ(FindBatchProgram(word.data(), static_cast<int>(word.size())), expected) << word;
}

} // namespace
