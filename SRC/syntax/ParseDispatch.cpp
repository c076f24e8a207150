// Source type to line parser.
#include "syntax/ParseDispatch.h"

#include "doc/core/SourceTypes.h"
#include "syntax/HtmlParser.h"

LineParser LineParserFor(int sourceType)
{
    switch (sourceType) {
    case SRC_HTML:
        return ParseHtmlLine;
    default:
        return nullptr;
    }
}

uint32_t ParseLine(int sourceType, uint32_t state, const CLineSource& source, int line,
                   ColourBlock* blocks, int& count)
{
    const LineParser parser = LineParserFor(sourceType);
    return parser ? parser(state, source, line, blocks, count) : 0;
}
