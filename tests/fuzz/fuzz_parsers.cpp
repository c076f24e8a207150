// Fuzz target of the line parsers of every source type: the first byte picks the type (modulo
// the number of types), the second is the incoming state, the rest are lines checked against
// the line-parse contract.
#include "LineContractCheck.h"
#include "syntax/SourceTypes.h"
#include "syntax/ParseDispatch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int type = data[0] % kSourceTypeCount;
    const char* text = reinterpret_cast<const char*>(data);
    const auto parse = [type](uint32_t state, const CLineSource& source, int line,
                              ColourBlock* blocks, int& count) {
        return ParseLine(type, state, source, line, blocks, count);
    };
    const auto plainTextHasNothing = [type](uint32_t after, int count, int) -> const char* {
        return type == SRC_PLAIN_TEXT && (after != 0 || count != 0) ? "plain text got a state or blocks"
                                                                     : nullptr;
    };
    CheckLineContract("fuzz_parsers", data[1], text + 2, text + size, parse, plainTextHasNothing);
    return 0;
}
