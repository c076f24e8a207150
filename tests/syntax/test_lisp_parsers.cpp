// The Lisp parsers: AutoLISP and SIOD.
#include "ParserCase.h"

#include "syntax/LineParse.h"
#include "syntax/SourceTypes.h"

namespace {

// Classes: 0 normal, 3 keyword, 5 number, 6 string, 7 comment, 8 operator, 10 user1,
// 11 function, 12 user2.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Lisp, ParserCaseTest,
    testing::Values(ParserCase { "KeywordWordAndNumber", SourceType::Lisp, 0, "(setq x 1)",
                        "0:8 1:3 5:8 6:0 7:8 8:5 9:8", 0 },
        ParserCase { "CallAfterOrBeforeParenthesis", SourceType::Lisp, 0, "(foo 1) foo(1)",
            "0:8 1:11 4:8 5:5 6:8 7:8 8:11 11:8 12:5 13:8", 0 },
        ParserCase { "AfterDefunOnlyDirectParenthesis", SourceType::Lisp, 0,
            "(defun foo (x) (bar y) baz(1))",
            "0:8 1:3 6:8 7:0 10:8 11:8 12:0 13:8 14:8 15:8 16:0 19:8 20:0 21:8 22:8 23:11 "
            "26:8 27:5 28:8 29:8",
            0 },
        ParserCase {
            "KeywordsAreCaseSensitive", SourceType::Lisp, 0, "(SETQ a.b)", "0:8 1:11 5:8 6:0 9:8", 0 },
        ParserCase {
            "BlockCommentOpens", SourceType::Lisp, 0, ";| comment over", "0:7 1:7", PS_BLOCK_COMMENT },
        // The ";" that closes a block comment starts no line comment.
        ParserCase { "BlockCommentClosesThenNormal", SourceType::Lisp, PS_BLOCK_COMMENT, "two lines |; x",
            "0:7 12:8 13:0", 0 },
        ParserCase { "LineComment", SourceType::Lisp, 0, "a ; comment", "0:0 1:8 2:7", 0 },
        ParserCase { "SemicolonAtLineEndStartsNothing", SourceType::Lisp, 0, "a ;", "0:0 1:8 2:8", 0 },
        ParserCase { "BackslashContinuesNothing", SourceType::Lisp, 0, "(a \"s\\", "0:8 1:11 2:8 3:6", 0 },
        ParserCase { "SiodTablesIgnoreCase", SourceType::Siod, 0, "(DEFINE x (SQRT (getenv y)))",
            "0:8 1:3 7:8 8:0 9:8 10:8 11:10 15:8 16:8 17:12 23:8 24:0 25:8 26:8 27:8", 0 }),
    ParserCaseName);
// clang-format on

} // namespace
