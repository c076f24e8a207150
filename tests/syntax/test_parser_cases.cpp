// Runs the table rows of every parser family through the dispatch, checking the contract too.
#include "ParseCheck.h"
#include "ParserCase.h"

#include "syntax/ParseDispatch.h"

namespace {

TEST_P(ParserCaseTest, BlocksAndState)
{
    const ParserCase& c = GetParam();
    const LineParser parser = LineParserFor(c.type);
    ASSERT_NE(parser, nullptr);
    const ParsedLine parsed = ParseChecked(parser, c.stateIn, c.text);
    EXPECT_EQ(parsed.blocks, c.blocks) << c.text;
    EXPECT_EQ(parsed.state, c.stateOut) << c.text;
}

} // namespace
