// tw-colours: prints the parse states and colour blocks of every line of a file, and checks
// that the state-only parse of each line returns the same state.
#include "DriverArgs.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tw-colours [--type T] FILE   (T = source type 0-22)\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    std::optional<SourceType> type;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--type")) {
            if (++i >= argc || !ParseSourceType(argv[i], type))
                return Usage();
        } else if (!path) {
            path = argv[i];
        } else {
            return Usage();
        }
    }
    if (!path)
        return Usage();
    type = SourceTypeOf(type, path);
    CKTextBuffer buffer;
    if (!LoadOrSay("tw-colours", path, buffer))
        return 1;
    const CTextLines& source = buffer;
    std::vector<ColourBlock> blocks;
    std::string out;
    uint32_t state = 0;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        blocks.resize(static_cast<size_t>(buffer.LineLength(line)) + 1);
        int count = 0;
        const uint32_t after = ParseLine(*type, state, source, line, blocks.data(), count);
        int none = 0;
        const uint32_t stateOnly = ParseLine(*type, state, source, line, nullptr, none);
        if (stateOnly != after) {
            std::fflush(stdout);
            std::fprintf(stderr, "tw-colours: line %d: state %x with blocks but %x without them\n",
                         line, after, stateOnly);
            return 2;
        }
        char head[64];
        std::snprintf(head, sizeof head, "%d in=%x out=%x", line, state, after);
        out = head;
        for (int b = 0; b < count; ++b) {
            std::snprintf(head, sizeof head, " %d:%d", blocks[b].start,
                          static_cast<int>(blocks[b].colour));
            out += head;
        }
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
        state = after;
    }
    return 0;
}
