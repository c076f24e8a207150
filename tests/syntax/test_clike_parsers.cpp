// The C-like parsers: C/C++, InstallShield, Java, resource scripts and DCL.
#include "ParserCase.h"

#include "syntax/LineParse.h"
#include "syntax/SourceTypes.h"

namespace {

// Classes: 0 normal, 3 keyword, 5 number, 6 string, 7 comment, 8 operator, 9 preprocessor,
// 10 user1, 11 function, 12 user2.
// clang-format off
INSTANTIATE_TEST_SUITE_P(CLike, ParserCaseTest,
    testing::Values(ParserCase { "IncludeLineIsPreprocessorStringIncluded", SourceType::Cpp, 0,
                        "#include \"a.h\"", "0:9", 0 },
        ParserCase {
            "HashAfterBlanksStartsDirective", SourceType::Cpp, 0, "  # define X", "0:8 1:8 2:9", 0 },
        ParserCase { "HashAfterTextIsOperator", SourceType::Cpp, 0, "x # y", "0:0 1:8 2:8 3:8 4:0", 0 },
        ParserCase {
            "CommentInsideDirective", SourceType::Cpp, 0, "#define X /* c */ 1", "0:9 10:7 17:9", 0 },
        ParserCase {
            "DirectiveContinuedByBackslash", SourceType::Cpp, 0, "#define X \\", "0:9", PS_PREPROCESSOR },
        ParserCase { "ContinuedDirectiveStaysPreprocessor", SourceType::Cpp, PS_PREPROCESSOR, "  (a) + 1",
            "0:9", 0 },
        ParserCase { "WordAfterBlockComment", SourceType::Cpp, 0, "x = 1; /* a */ y",
            "0:0 1:8 2:8 3:8 4:5 5:8 6:8 7:7 8:7 14:8 15:0", 0 },
        ParserCase { "SlashStarSlashOnlyOpens", SourceType::Cpp, 0, "/*/ x", "0:7 1:7", PS_BLOCK_COMMENT },
        ParserCase {
            "BlockCommentClosesAtLineStart", SourceType::Cpp, PS_BLOCK_COMMENT, "*/ x", "0:7 2:8 3:0", 0 },
        ParserCase { "StringContinuedByBackslash", SourceType::Cpp, 0, "s = \"ab\\", "0:0 1:8 2:8 3:8 4:6",
            PS_STRING },
        ParserCase {
            "LineCommentContinuedByBackslash", SourceType::Cpp, 0, "// c \\", "0:7", PS_LINE_COMMENT },
        ParserCase { "ContinuedLineComment", SourceType::Cpp, PS_LINE_COMMENT, "more", "0:7", 0 },
        ParserCase { "KeywordCaseAndFunction", SourceType::Cpp, 0, "int INT f (1)",
            "0:3 3:8 4:10 7:8 8:11 9:8 10:8 11:5 12:8", 0 },
        ParserCase { "ApostropheInWordIsOperator", SourceType::Cpp, 0, "it's 'a' x",
            "0:0 2:8 3:0 4:8 5:6 8:8 9:0", 0 },
        ParserCase {
            "EscapedBackslashEndsCharLiteral", SourceType::Cpp, 0, "x '\\\\' y", "0:0 1:8 2:6 6:8 7:0", 0 },
        ParserCase { "ShortLineKeepsOnlyBlockComment", SourceType::Cpp, 0x1F, "}", "", PS_BLOCK_COMMENT },
        ParserCase { "InstallShieldTables", SourceType::InstallShield, 0, "TARGETDIR TRUE begin",
            "0:12 9:8 10:10 14:8 15:3", 0 },
        ParserCase { "JavaKeywordsAndHashDirective", SourceType::Java, 0, "#x synchronized", "0:9", 0 },
        ParserCase { "JavaTable", SourceType::Java, 0, "synchronized INT", "0:3 12:8 13:0", 0 },
        ParserCase { "ResourceKeywordsIgnoreCase", SourceType::Resources, 0, "menu MENU Menu",
            "0:3 4:8 5:3 9:8 10:3", 0 },
        ParserCase { "ResourceCharLiteralEndsOnlyAtUnescapedQuote", SourceType::Resources, 0, "x '\\\\' y",
            "0:0 1:8 2:6", 0 },
        ParserCase { "DclTileDefinition", SourceType::Dcl, 0, "mydlg : dialog {",
            "0:11 5:8 6:8 7:8 8:3 14:8 15:8", 0 },
        ParserCase {
            "DclNamesAroundColonAreFunctions", SourceType::Dcl, 0, "a.b : c", "0:11 3:8 4:8 5:8 6:11", 0 },
        ParserCase { "DclHasNoPreprocessor", SourceType::Dcl, 0, "#x", "0:8 1:0", 0 },
        ParserCase {
            "DclBackslashContinuesNothing", SourceType::Dcl, 0, "x = \"a\\", "0:0 1:8 2:8 3:8 4:6", 0 }),
    ParserCaseName);
// clang-format on

} // namespace
