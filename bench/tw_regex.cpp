// tw-regex [-c] PATTERN [TEMPLATE]: runs the regular-expression engine over the lines of
// standard input (LF-separated, bytes as they are) and prints, per line, "no match" or the set
// slots as "k:start-end", then " => " and the expansion of TEMPLATE when one is given
// ("=> error" when it fails). -c makes the search match case. A pattern that does not compile
// prints "compile error" and exits 1.
#include "view/core/Regex.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string ReadAll(std::FILE* in)
{
    std::string data;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0)
        data.append(chunk, got);
    return data;
}

void Report(const RxNode* program, const std::string& line, int caseFlag, const char* replacement)
{
    RxMatch match;
    RxBudget budget;
    const int length = static_cast<int>(line.size());
    if (!RxExec(program, line.data(), length, 0, match, caseFlag, &budget)) {
        std::fputs("no match\n", stdout);
        if (budget.exhausted)
            std::fputs("tw-regex: the pattern was too costly for this line\n", stderr);
        return;
    }
    std::string out;
    for (int k = 0; k < kRxSlots; ++k) {
        if (match.start[k] < 0)
            continue;
        if (!out.empty())
            out += ' ';
        out += std::to_string(k) + ':' + std::to_string(match.start[k]) + '-'
               + std::to_string(match.end[k]);
    }
    if (replacement) {
        std::string text;
        if (RxExpandReplacement(replacement, line.data(), length, match, text) == 0)
            out += " => " + text;
        else
            out += " => error";
    }
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    int arg = 1;
    int caseFlag = 0;
    if (argc > 2 && std::strcmp(argv[1], "-c") == 0) {
        caseFlag = 1;
        ++arg;
    }
    if (argc - arg < 1 || argc - arg > 2) {
        std::fprintf(stderr, "usage: %s [-c] PATTERN [TEMPLATE] < LINES\n", argv[0]);
        return 2;
    }
    const RxProgram program(RxCompile(argv[arg]));
    if (!program) {
        std::fputs("compile error\n", stdout);
        return 1;
    }
    const char* replacement = argc - arg == 2 ? argv[arg + 1] : nullptr;

    const std::string input = ReadAll(stdin);
    size_t begin = 0;
    while (begin < input.size()) {
        size_t end = input.find('\n', begin);
        if (end == std::string::npos)
            end = input.size();
        Report(program.get(), input.substr(begin, end - begin), caseFlag, replacement);
        begin = end + 1;
    }
    return 0;
}
