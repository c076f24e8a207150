// tw-find: loads a file and runs one search over it as Find does; the search driver.
#include "DriverArgs.h"
#include "text/KTextBuffer.h"
#include "view/core/TextSearch.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tw-find [--page P] [--case] [--word] [--regex] [--up] [--wrap]"
                         " [--from L:C] [--bench] PATTERN FILE\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    int page = 0;
    uint32_t flags = 0;
    bool wrap = false, bench = false;
    TextPoint from;
    const char* args[2] = {};
    int argCount = 0;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--page")) {
            if (++i >= argc || !ParseInt(argv[i], page))
                return Usage();
        } else if (!std::strcmp(a, "--from")) {
            if (++i >= argc || !ParsePoint(argv[i], from))
                return Usage();
        } else if (ParseSearchOption(a, flags)) {
            // --case, --word or --regex, taken
        } else if (!std::strcmp(a, "--up")) {
            flags |= FIND_UP;
        } else if (!std::strcmp(a, "--wrap")) {
            wrap = true;
        } else if (!std::strcmp(a, "--bench")) {
            bench = true;
        } else if (argCount < 2) {
            args[argCount++] = a;
        } else {
            return Usage();
        }
    }
    if (argCount != 2)
        return Usage();

    CKTextBuffer buffer;
    if (!buffer.Load(args[1], LineEnding::Auto, static_cast<CodePage>(page))) {
        std::fprintf(stderr, "tw-find: %s: %s\n", args[1], buffer.LastErrorText().c_str());
        return 1;
    }
    CTextSearch search;
    TextPoint found;
    const auto started = std::chrono::steady_clock::now();
    const bool hit = search.SearchText(buffer, args[0], from, flags, wrap, found);
    const auto elapsed = std::chrono::steady_clock::now() - started;
    if (search.Status() == SearchStatus::InvalidPattern) {
        std::fprintf(stderr, "tw-find: invalid regular expression: %s\n", args[0]);
        return 1;
    }
    if (search.Status() == SearchStatus::TooCostly) {
        std::fprintf(stderr, "tw-find: the regular expression is too costly to search: %s\n",
                     args[0]);
        return 1;
    }
    if (hit)
        std::printf("found %d:%d len=%d\n", found.y, found.x, search.LastMatchLength());
    else
        std::printf("not found\n");
    if (bench)
        std::printf("search_ms=%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
    return 0;
}
