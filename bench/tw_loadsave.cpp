// tw-loadsave: loads a file into a text buffer and saves it again; the load-and-save driver.
#include "text/KTextBuffer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: tw-loadsave [--page P] [--mode M] [--save-mode S] [--backup] IN OUT\n");
    return 2;
}

bool ParseInt(const char* text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // A file-size limit must fail the save, not kill the process.
    std::signal(SIGXFSZ, SIG_IGN);

    int page = 0, mode = -1, saveMode = -1;
    bool backup = false;
    const char* paths[2] = {};
    int pathCount = 0;
    for (int i = 1; i < argc; ++i) {
        int* option = nullptr;
        if (!std::strcmp(argv[i], "--page"))
            option = &page;
        else if (!std::strcmp(argv[i], "--mode"))
            option = &mode;
        else if (!std::strcmp(argv[i], "--save-mode"))
            option = &saveMode;
        if (!std::strcmp(argv[i], "--backup")) {
            backup = true;
            continue;
        }
        if (option) {
            if (++i >= argc || !ParseInt(argv[i], *option))
                return Usage();
        } else if (pathCount < 2) {
            paths[pathCount++] = argv[i];
        } else {
            return Usage();
        }
    }
    if (pathCount != 2)
        return Usage();

    CKTextBuffer buffer;
    buffer.SetBackupOnSave(backup);
    if (!buffer.Load(paths[0], static_cast<LineEnding>(mode), static_cast<CodePage>(page))) {
        std::fprintf(stderr, "tw-loadsave: cannot load %s: %s\n", paths[0],
                     buffer.LastErrorText().c_str());
        return 1;
    }
    if (!buffer.Save(paths[1], static_cast<LineEnding>(saveMode))) {
        std::fprintf(stderr, "tw-loadsave: cannot save %s: %s\n", paths[1],
                     buffer.LastErrorText().c_str());
        return 1;
    }
    std::printf("lines=%d mode=%d lossy=%lld unsaveable=%lld\n", buffer.LineCount(),
                Number(buffer.LineEnding()), static_cast<long long>(buffer.LossyByteCount()),
                static_cast<long long>(buffer.UnsaveableCharCount(static_cast<CodePage>(page))));
    return 0;
}
