// tw-genhtml: writes a generated HTML page for the benchmarks, in Windows-1251 or another
// Cyrillic code page, with CR LF or LF line ends.
#include "text/CodePages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const kWords[] = {
    "\xCF\xF0\xE8\xE2\xE5\xF2",
    "\xEC\xE8\xF0",
    "\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0",
    "\xE4\xEE\xEA\xF3\xEC\xE5\xED\xF2",
    "\xD2\xE5\xEA\xF1\xF2",
    "\xF0\xE5\xE4\xE0\xEA\xF2\xEE\xF0",
    "page",
    "table",
    "value",
    "content",
    "2026",
    "12345",
    "\xEF\xF0\xE8\xEC\xE5\xF0",
    "\xD1\xEF\xE8\xF1\xEE\xEA",
    "index",
    "style",
    "\xE7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA",
};
const char* const kTags[] = {"p", "div", "span", "td", "li", "b", "i", "h2", "a", "em"};
const char* const kAttributes[] = {"class", "id", "align", "width", "title", "style"};

struct Generator {
    std::mt19937 rng;
    std::string Pick(const char* const* list, size_t n) { return list[rng() % n]; }
    std::string Word() { return Pick(kWords, std::size(kWords)); }
    std::string Tag() { return Pick(kTags, std::size(kTags)); }

    std::string Text(int words)
    {
        std::string s;
        for (int i = 0; i < words; ++i) {
            if (i)
                s += ' ';
            s += Word();
        }
        return s;
    }

    std::string Line(long index)
    {
        const std::string tag = Tag();
        switch (rng() % 8) {
        case 0:
            return "<" + tag + " " + Pick(kAttributes, std::size(kAttributes)) + "=\"" + Word()
                   + "\">" + Text(3) + "</" + tag + ">";
        case 1:
            return "  <a href=\"page" + std::to_string(index % 997) + ".html\">" + Text(3)
                   + "</a>&nbsp;&copy;";
        case 2:
            return "<!-- " + Text(5) + " -->";
        case 3:
            return "    <td width=" + std::to_string(rng() % 640) + " bgcolor=\"#"
                   + std::to_string(100000 + rng() % 800000) + "\">" + Text(2) + "</td>";
        case 4:
            return "    " + Text(8) + ",";
        case 5:
            return "<script>var x" + std::to_string(index % 100) + " = \"" + Word()
                   + "\";</script>";
        case 6:
            return "<" + tag + ">" + Text(5) + " &lt;" + Word() + "&gt;</" + tag + ">";
        default:
            return index % 3 ? "<br>" + Text(5) : "";
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    long lines = 2000000;
    int page = 0;
    bool lf = false;
    const char* out = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--lines") && i + 1 < argc)
            lines = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--page") && i + 1 < argc)
            page = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--lf"))
            lf = true;
        else
            out = argv[i];
    }
    if (!out) {
        std::fprintf(stderr, "usage: tw-genhtml [--lines N] [--page P] [--lf] OUT\n");
        return 2;
    }
    FILE* f = std::fopen(out, "wb");
    if (!f) {
        std::perror(out);
        return 1;
    }
    const ByteTable* table = SaveTable(static_cast<CodePage>(page));
    Generator gen{std::mt19937(1251)};
    std::string line;
    for (long i = 0; i < lines; ++i) {
        line = i == 0 ? "<html><head><title>Generated page</title></head><body>" : gen.Line(i);
        if (table)
            for (char& c : line)
                c = static_cast<char>((*table)[static_cast<uint8_t>(c)]);
        line += lf ? "\n" : "\r\n";
        std::fwrite(line.data(), 1, line.size(), f);
    }
    return std::fclose(f) == 0 ? 0 : 1;
}
