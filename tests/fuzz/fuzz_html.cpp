// Fuzz target of the HTML line parser: the first byte is the incoming state (every HS_ bit
// combination), the rest are lines checked against the line-parse contract. The same lines
// parsed for their reader-visible text must colour exactly alike, whatever the bits above the
// colouring state that this parse carries from line to line.
#include "LineContractCheck.h"
#include "syntax/HtmlParser.h"

namespace {

[[noreturn]] void Fail(const char* what, int line)
{
    std::fprintf(stderr, "fuzz_html: line %d: %s\n", line, what);
    std::abort();
}

void CheckTextParse(uint32_t state, const char* rest, const char* end)
{
    std::vector<ColourBlock> colours, blocks;
    for (int line = 0; rest <= end; ++line) {
        const char* stop = static_cast<const char*>(std::memchr(rest, '\n', end - rest));
        if (!stop)
            stop = end;
        const int length = static_cast<int>(stop - rest);
        const CSingleLineSource source({rest, static_cast<size_t>(length)});
        colours.assign(static_cast<size_t>(length) + 1, ColourBlock{-1, ColourClass::NormalText});
        blocks = colours;
        const std::unique_ptr<bool[]> readerText(new bool[static_cast<size_t>(length) + 1]);
        int colourCount = 0, count = 0, none = 0;
        const uint32_t colourAfter =
            ParseHtmlLine(state & kHtmlColourState, source, line, colours.data(), colourCount);
        const uint32_t after =
            ParseHtmlText(state, source, line, blocks.data(), count, readerText.get());
        if (ParseHtmlText(state, source, line, nullptr, none, nullptr) != after)
            Fail("the state-only text parse differs", line);
        if ((after & kHtmlColourState) != colourAfter || count != colourCount)
            Fail("the text parse colours otherwise", line);
        for (int b = 0; b < count; ++b)
            if (blocks[b].start != colours[b].start || blocks[b].colour != colours[b].colour)
                Fail("the text parse colours otherwise", line);
        state = after;
        rest = stop + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char* text = reinterpret_cast<const char*>(data);
    CheckLineContract("fuzz_html", data[0], text + 1, text + size, ParseHtmlLine,
                      [](uint32_t, int, int) -> const char* { return nullptr; });
    CheckTextParse(data[0], text + 1, text + size);
    return 0;
}
