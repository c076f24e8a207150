// tw-findfiles: Find and Replace in Files over a folder from the command line; the driver of
// the search core and of its speed comparison.
#include "DriverArgs.h"
#include "findfiles/core/FindInFiles.h"
#include "findfiles/core/ReplaceInFiles.h"
#include "text/CodePageDetector.h"
#include "text/CodePages.h"
#include "text/Utf8Text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: tw-findfiles [--regex] [--case] [--word] [--page auto|cp1251|cp866|koi8r|"
                 "iso8859-5|mac|utf8] [--include GLOB]... [--hidden] [--threads N]"
                 " [--replace TEXT [--backup]] PATTERN DIR\n");
    return 2;
}

bool ParsePage(const char* name, std::optional<CodePage>& page)
{
    if (!std::strcmp(name, "auto")) {
        page.reset();
        return true;
    }
    for (int number = 0; number < kCodePageCount; ++number) {
        const auto p = static_cast<CodePage>(number);
        if (CodePageKeyword(p) == name) {
            page = p;
            return true;
        }
    }
    return false;
}

// Gathers what the search reports; the search makes one call at a time.
class Collector : public IFindFilesSink {
public:
    void OnFile(FileResult file) override { files.push_back(std::move(file)); }
    void OnProblem(SearchProblem problem) override
    {
        std::fprintf(stderr, "tw-findfiles: %s: %s\n", problem.path.c_str(),
                     problem.reason.c_str());
    }
    void OnFinished(const FindFilesTotals& done) override { totals = done; }

    std::vector<FileResult> files;
    FindFilesTotals totals;
};

} // namespace

int main(int argc, char* argv[])
{
    FindFilesOptions options;
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    bool backup = false;
    const char* args[2] = {};
    int argCount = 0;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (ParseSearchOption(a, options.flags)) {
            // --case, --word or --regex, taken
        } else if (!std::strcmp(a, "--page")) {
            if (++i >= argc || !ParsePage(argv[i], options.codePage))
                return Usage();
        } else if (!std::strcmp(a, "--include")) {
            if (++i >= argc)
                return Usage();
            options.masks.emplace_back(argv[i]);
        } else if (!std::strcmp(a, "--replace")) {
            if (++i >= argc)
                return Usage();
            options.replacement = Utf8ToCp1251(argv[i]);
        } else if (!std::strcmp(a, "--threads")) {
            if (++i >= argc || !ParseInt(argv[i], options.threads) || options.threads < 1)
                return Usage();
        } else if (!std::strcmp(a, "--hidden")) {
            options.skipHiddenFolders = false;
        } else if (!std::strcmp(a, "--backup")) {
            backup = true;
        } else if (argCount < 2 && (a[0] != '-' || !a[1])) {
            args[argCount++] = a;
        } else {
            return Usage();
        }
    }
    if (argCount != 2 || (backup && !options.replacement))
        return Usage();
    options.pattern = Utf8ToCp1251(args[0]);
    options.folder = args[1];

    Collector collector;
    CFindInFiles search;
    std::string problem;
    if (!search.Start(options, nullptr, collector, problem)) {
        std::fprintf(stderr, "tw-findfiles: %s\n", problem.c_str());
        return 1;
    }
    search.Wait();
    std::sort(
        collector.files.begin(), collector.files.end(),
        [](const FileResult& a, const FileResult& b) { return a.relativePath < b.relativePath; });

    if (options.replacement) {
        const ReplaceFilesTotals done = ReplaceInFiles(collector.files, backup, false);
        for (const SearchProblem& failure : done.failures)
            std::fprintf(stderr, "tw-findfiles: %s: %s\n", failure.path.c_str(),
                         failure.reason.c_str());
        std::printf("replaced=%lld files=%lld\n", static_cast<long long>(done.replaced),
                    static_cast<long long>(done.files));
        return done.failures.empty() ? 0 : 1;
    }

    std::string out;
    for (const FileResult& file : collector.files) {
        for (const FoundMatch& match : file.matches) {
            out += file.relativePath;
            out += ':' + std::to_string(match.start.y + 1) + ':' + std::to_string(match.start.x + 1)
                   + ": ";
            out += Cp1251ToUtf8(file.lines[match.lineIndex].text);
            out += '\n';
        }
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::printf("files=%lld matches=%lld\n", static_cast<long long>(collector.totals.filesMatched),
                static_cast<long long>(collector.totals.matches));
    return 0;
}
