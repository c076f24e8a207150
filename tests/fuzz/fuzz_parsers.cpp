// Fuzz target of the line parsers of every source type: the first byte picks the type (modulo
// the number of types), the second is the incoming state, the rest are lines checked against
// the line-parse contract. TW_FUZZ_TYPE=N in the environment holds the type at N, so that a
// run can give one type its whole time (tests/fuzz/run.sh does so for each type in turn).
#include "LineContractCheck.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"

#include <cstdlib>

namespace {

int FixedType()
{
    const char* fixed = std::getenv("TW_FUZZ_TYPE");
    return fixed ? std::atoi(fixed) % kSourceTypeCount : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    static const int fixedType = FixedType();
    const auto type =
        static_cast<SourceType>(fixedType >= 0 ? fixedType : data[0] % kSourceTypeCount);
    const char* text = reinterpret_cast<const char*>(data);
    const auto parse = [type](uint32_t state, const CTextLines& source, int line,
                              ColourBlock* blocks, int& count) {
        return ParseLine(type, state, source, line, blocks, count);
    };
    const auto plainTextHasNothing = [type](uint32_t after, int count, int) -> const char* {
        return type == SourceType::PlainText && (after != 0 || count != 0)
                   ? "plain text got a state or blocks"
                   : nullptr;
    };
    CheckLineContract("fuzz_parsers", data[1], text + 2, text + size, parse, plainTextHasNothing);
    return 0;
}
