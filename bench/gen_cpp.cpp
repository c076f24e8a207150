// tw-gencpp: writes a generated C++ source for the benchmarks (Windows-1251, CR LF line ends
// unless --lf): functions, classes, directives, comments over lines and string literals.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

const char* const kWords[] = {
    "\xF1\xF3\xEC\xEC\xE0",
    "\xF1\xF2\xF0\xEE\xEA\xE0",
    "\xEE\xF8\xE8\xE1\xEA\xE0",
    "value",
    "buffer",
    "\xF4\xE0\xE9\xEB",
    "index",
    "count",
    "\xE4\xE0\xED\xED\xFB\xE5",
    "node",
};
const char* const kTypes[] = {"int", "unsigned", "double", "char*", "DWORD", "BOOL", "size_t"};

struct Generator {
    std::mt19937 rng;
    const char* Word() { return kWords[rng() % std::size(kWords)]; }
    const char* Type() { return kTypes[rng() % std::size(kTypes)]; }
    std::string Name() { return std::string("v") + std::to_string(rng() % 500); }
    std::string Number() { return rng() % 4 ? std::to_string(rng() % 10000) : "0x1F"; }

    // One line of a file that repeats a function of a dozen lines with some variation.
    std::string Line(long index)
    {
        switch (index % 14) {
        case 0:
            return "#include \"module" + std::to_string(rng() % 50) + ".h\"";
        case 1:
            return "/* " + std::string(Word()) + " " + Word() + " " + Word();
        case 2:
            return "   " + std::string(Word()) + " */";
        case 3:
            return "static " + std::string(Type()) + " Compute" + std::to_string(index % 997) + "("
                   + Type() + " " + Name() + ", const char* text)";
        case 4:
            return "{";
        case 5:
            return "    " + std::string(Type()) + " " + Name() + " = " + Number() + "; // "
                   + Word();
        case 6:
            return "    for (int i = 0; i < " + Number() + "; ++i) {";
        case 7:
            return "        if (text[i] == '\\'' || text[i] == '\"')";
        case 8:
            return "            " + Name() + " += Lookup(" + Name() + ", \"" + Word()
                   + " \\\"x\\\"\");";
        case 9:
            return "    }";
        case 10:
            return "#define LIMIT_" + std::to_string(index % 997) + " (" + Number() + " * 2)";
        case 11:
            return "    return sizeof(" + std::string(Type()) + ") > 4 ? " + Name() + " : 0;";
        case 12:
            return "}";
        default:
            return "";
        }
    }
};

} // namespace

int main(int argc, char* argv[])
{
    long lines = 200000;
    bool lf = false;
    const char* out = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--lines") && i + 1 < argc)
            lines = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--lf"))
            lf = true;
        else
            out = argv[i];
    }
    if (!out) {
        std::fprintf(stderr, "usage: tw-gencpp [--lines N] [--lf] OUT\n");
        return 2;
    }
    FILE* f = std::fopen(out, "wb");
    if (!f) {
        std::perror(out);
        return 1;
    }
    Generator gen{std::mt19937(1251)};
    std::string line;
    for (long i = 0; i < lines; ++i) {
        line = gen.Line(i);
        line += lf ? "\n" : "\r\n";
        std::fwrite(line.data(), 1, line.size(), f);
    }
    return std::fclose(f) == 0 ? 0 : 1;
}
