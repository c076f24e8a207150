// Fuzz target of the HTML line parser: the first byte is the incoming state (every HS_ bit
// combination), the rest are lines checked against the line-parse contract.
#include "LineContractCheck.h"
#include "syntax/HtmlParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char* text = reinterpret_cast<const char*>(data);
    CheckLineContract("fuzz_html", data[0], text + 1, text + size, ParseHtmlLine,
                      [](uint32_t, int, int) -> const char* { return nullptr; });
    return 0;
}
