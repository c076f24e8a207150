// The markup parsers with embedded script: ASP, PHP and SGML.
#include "ParserCase.h"

#include "syntax/MarkupParsers.h"
#include "syntax/SourceTypes.h"

namespace {

// Classes: 0 normal, 3 keyword, 5 number, 6 string, 7 comment, 8 operator, 9 inside a tag,
// 10 attribute or variable, 11 function, 12 entity.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Markup, ParserCaseTest,
    testing::Values(
        ParserCase { "AspTagAttributeAndString", SourceType::Asp, 0, "<A HREF=\"x.htm\">link</A>",
            "0:8 1:3 2:9 3:10 7:9 8:6 15:8 16:0 21:9 22:3 23:8", 0 },
        ParserCase { "AspTagNameOnlyAfterLessThan", SourceType::Asp, 0, "<A LINK B>",
            "0:8 1:3 2:9 3:10 7:9 9:8", 0 },
        ParserCase { "AspScriptWordsThenHtml", SourceType::Asp, 0, "<% If x Then %> y",
            "0:0 3:3 5:0 7:0 8:3 12:0 15:8 16:0", 0 },
        ParserCase { "AspScriptFunction", SourceType::Asp, MS_ASP_SCRIPT, "x = foo (1)",
            "0:0 1:0 4:11 7:0 9:5 10:0", MS_ASP_SCRIPT },
        ParserCase {
            "AspQuoteCommentsOutScript", SourceType::Asp, 0, "<% x ' note", "0:0 4:0 5:7", MS_ASP_SCRIPT },
        ParserCase {
            "AspEntities", SourceType::Asp, 0, "&nbsp; &foo;", "0:8 1:12 5:8 6:8 7:8 8:0 11:8", 0 },
        ParserCase { "AspTagContinues", SourceType::Asp, 0, "x <B", "0:0 1:8 3:3", MS_TAG },
        ParserCase { "AspContinuedTag", SourceType::Asp, MS_TAG, "HREF=1 A>", "0:10 4:9 5:5 6:9 8:8", 0 },
        ParserCase { "AspCommentOpens", SourceType::Asp, MS_TAG, "<!-- c", "0:7", MS_COMMENT },
        ParserCase { "AspCommentCloses", SourceType::Asp, MS_COMMENT, "d --> e", "0:7 5:8 6:0", 0 },
        ParserCase { "AspNoNumbersInText", SourceType::Asp, 0, "x.y 12", "0:0 3:8 4:0", 0 },
        ParserCase { "AspShortLineKeepsScriptAndComment", SourceType::Asp, 0xFF, "x", "", 0x44 },
        ParserCase {
            "AspSingleQuotedStringEndsWithLine", SourceType::Asp, MS_TAG, "a='b", "0:9 1:9 2:6", MS_TAG },
        ParserCase { "PhpVariableNamedLikeKeyword", SourceType::Php, 0, "<?php $echo = foo(1); # c ?>",
            "0:0 5:0 7:10 11:0 14:11 17:0 18:5 19:0 22:7", MS_PHP_SCRIPT },
        ParserCase { "PhpHashOutsideScript", SourceType::Php, 0, "# x", "0:8 1:8 2:0", 0 },
        ParserCase { "PhpCommentOpensInScript", SourceType::Php, 0, "<? /* a", "0:0 3:7",
            MS_PHP_SCRIPT | MS_COMMENT },
        ParserCase { "PhpCommentClosesThenScript", SourceType::Php, MS_PHP_SCRIPT | MS_COMMENT,
            "b */ echo $x; ?>", "0:7 4:0 5:3 9:0 11:10 12:0 16:8", 0 },
        ParserCase { "PhpSingleQuoteIsStringInScript", SourceType::Php, 0, "<? x = 'a' // c",
            "0:0 4:0 7:6 10:0 11:7", MS_PHP_SCRIPT },
        ParserCase {
            "PhpWordOperators", SourceType::Php, MS_PHP_SCRIPT, "a OR b", "0:0 1:0 2:8 4:0", MS_PHP_SCRIPT },
        ParserCase { "SgmlBracesDelimitTags", SourceType::Sgml, 0, "{tag x}", "0:8 1:3 4:9 6:8", 0 },
        ParserCase { "SgmlTagAttributeAndEntity", SourceType::Sgml, 0, "<sect id=1>&amp; x",
            "0:8 1:3 5:9 6:10 8:9 9:5 10:8 11:8 12:12 15:8 16:8 17:0", 0 },
        ParserCase { "SgmlStringsAndNumbersInText", SourceType::Sgml, 0, "a 'b' c 12",
            "0:0 1:8 2:6 5:8 6:0 7:8 8:5", 0 },
        ParserCase { "SgmlComment", SourceType::Sgml, 0, "<!-- x -->", "0:7 3:7 10:8", 0 }),
    ParserCaseName);
// clang-format on

} // namespace
