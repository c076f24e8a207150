// tw-detect: names the code page of each file, judged from its first 64 KB.
#include "text/CodePageDetector.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tw-detect [--odds] FILE...\n"
                         "--odds adds the natural logarithm of the odds of the leading page over\n"
                         "the next, and when unsure the leading page\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    bool showOdds = false;
    int first = 1;
    if (first < argc && std::strcmp(argv[first], "--odds") == 0) {
        showOdds = true;
        ++first;
    }
    if (first < argc && std::strcmp(argv[first], "--") == 0)
        ++first;
    if (first >= argc)
        return Usage();

    // One byte more than is looked at tells whether the file goes on.
    const auto head = std::make_unique<char[]>(kCodePageDetectBytes + 1);
    int status = 0;
    for (int i = first; i < argc; ++i) {
        std::FILE* file = std::fopen(argv[i], "rb");
        const size_t size = file ? std::fread(head.get(), 1, kCodePageDetectBytes + 1, file) : 0;
        if (!file || std::ferror(file)) {
            std::fprintf(stderr, "tw-detect: %s: %s\n", argv[i], std::strerror(errno));
            if (file)
                std::fclose(file);
            status = 1;
            continue;
        }
        std::fclose(file);
        const CodePageGuess guess = DetectCodePage({head.get(), size}, size > kCodePageDetectBytes);
        const bool page = guess.kind == CodePageGuess::Kind::Page;
        const std::string_view name = page ? CodePageKeyword(*guess.page) : "unsure";
        if (showOdds) {
            const std::string_view candidate =
                page || !guess.candidate ? "" : CodePageKeyword(*guess.candidate);
            std::printf("%s: %.*s %.1f %.*s\n", argv[i], static_cast<int>(name.size()), name.data(),
                        guess.confidence, static_cast<int>(candidate.size()), candidate.data());
        } else
            std::printf("%s: %.*s\n", argv[i], static_cast<int>(name.size()), name.data());
    }
    return status;
}
