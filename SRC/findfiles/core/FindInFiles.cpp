// The threads of Find and Replace in Files: one walks the folder and hands the files on to the
// others, which search them.
#include "findfiles/core/FindInFiles.h"

#include "findfiles/core/FileSearch.h"
#include "findfiles/core/FolderWalk.h"
#include "text/SafeFileWriter.h"
#include "view/core/Regex.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <iterator>
#include <set>
#include <sys/stat.h>

namespace {

// Files waiting for a searcher: enough to keep them busy, few enough to hold no tree.
constexpr size_t kQueueLimit = 1024;
// Files handed to the searchers at once.
constexpr size_t kBatch = 32;
// Files between two progress reports.
constexpr int64_t kProgressStep = 64;

// The folder a path lies in: "/" for a file at the root, empty for a bare name.
std::string ParentFolder(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Whether path lies somewhere below folder.
bool IsBelow(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
           && (folder.back() == '/' || path[folder.size()] == '/');
}

} // namespace

std::string CommonFolder(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return {};
    std::string common = ParentFolder(paths.front());
    for (const std::string& path : paths)
        while (!common.empty() && !IsBelow(path, common))
            common = common == "/" ? std::string() : ParentFolder(common);
    return common;
}

std::string PathBelow(const std::string& path, const std::string& folder)
{
    if (folder.empty() || folder == "/" || !IsBelow(path, folder))
        return path;
    return path.substr(folder.back() == '/' ? folder.size() : folder.size() + 1);
}

std::string FindFilesStartProblem(const FindFilesOptions& options)
{
    if (options.pattern.empty())
        return "There is no text to find.";
    if (options.flags & FIND_REGEXP) {
        if (!RxProgram(RxCompile(options.pattern)))
            return "The regular expression is not valid.";
    }
    if (options.files)
        return options.files->empty() ? "There are no files to search." : "";
    struct stat st;
    if (stat(options.folder.c_str(), &st) != 0)
        return SystemErrorText(errno);
    if (!S_ISDIR(st.st_mode))
        return SystemErrorText(ENOTDIR);
    return {};
}

struct CFindInFiles::Run {
    FindFilesOptions options;
    std::shared_ptr<const IOpenDocuments> documents;
    IFindFilesSink& sink;
    std::atomic<bool> stop{false};

    // The files walked and not yet searched.
    std::mutex queueLock;
    std::condition_variable queueChanged;
    std::deque<std::pair<std::string, std::string>> queue;
    bool walked = false;
    std::vector<std::pair<std::string, std::string>> batch; // the walker's, not yet queued

    // The sink hears one call at a time.
    std::mutex sinkLock;
    FindFilesTotals totals;
    int64_t lastProgress = 0;

    Run(FindFilesOptions o, std::shared_ptr<const IOpenDocuments> d, IFindFilesSink& s)
        : options(std::move(o)), documents(std::move(d)), sink(s)
    {
    }

    void Problem(std::string path, std::string reason)
    {
        const std::lock_guard lock(sinkLock);
        ++totals.problems;
        sink.OnProblem({std::move(path), std::move(reason)});
    }

    // Files go to the searchers a batch at a time, so that handing them over costs the
    // threads no wake-up per file.
    void Enqueue(const std::string& path, const std::string& relative)
    {
        batch.emplace_back(path, relative);
        if (batch.size() >= kBatch)
            Flush();
    }

    void Flush()
    {
        std::unique_lock lock(queueLock);
        queueChanged.wait(lock, [&] { return queue.size() < kQueueLimit || stop; });
        const bool wasEmpty = queue.empty();
        std::move(batch.begin(), batch.end(), std::back_inserter(queue));
        batch.clear();
        // Only searchers waiting on an empty queue need waking.
        if (wasEmpty)
            queueChanged.notify_all();
    }

    bool Dequeue(std::pair<std::string, std::string>& file)
    {
        std::unique_lock lock(queueLock);
        queueChanged.wait(lock, [&] { return !queue.empty() || walked || stop; });
        if (queue.empty() || stop)
            return false;
        file = std::move(queue.front());
        queue.pop_front();
        // Only the walker waits on a full queue.
        if (queue.size() + 1 == kQueueLimit)
            queueChanged.notify_all();
        return true;
    }

    void Search()
    {
        CFileSearcher searcher(options);
        std::pair<std::string, std::string> file;
        std::vector<SearchProblem> problems;
        while (Dequeue(file)) {
            FileResult result;
            problems.clear();
            const CFileSearcher::Outcome outcome = searcher.SearchFile(
                file.first, file.second, documents.get(), stop, result, problems);
            const std::lock_guard lock(sinkLock);
            ++totals.filesSearched;
            if (outcome == CFileSearcher::Outcome::Binary)
                ++totals.binarySkipped;
            for (SearchProblem& problem : problems) {
                ++totals.problems;
                sink.OnProblem(std::move(problem));
            }
            if (!result.matches.empty()) {
                ++totals.filesMatched;
                totals.matches += static_cast<int64_t>(result.matches.size());
                sink.OnFile(std::move(result));
            }
            if (totals.filesSearched - lastProgress >= kProgressStep) {
                lastProgress = totals.filesSearched;
                sink.OnProgress(totals);
            }
        }
    }

    // The files of a list, each once however often or under whatever names it is listed;
    // like the folder walk, nothing but regular files is opened.
    void ListFiles()
    {
        std::set<std::pair<dev_t, ino_t>> listed;
        for (const std::string& path : *options.files) {
            if (stop.load(std::memory_order_relaxed))
                return;
            const size_t slash = path.find_last_of('/');
            if (!MatchesFileMasks(slash == std::string::npos ? path : path.substr(slash + 1),
                                  options.masks))
                continue;
            struct stat st;
            if (stat(path.c_str(), &st) != 0) {
                Problem(path, SystemErrorText(errno));
                continue;
            }
            if (!S_ISREG(st.st_mode)) {
                Problem(path, S_ISDIR(st.st_mode) ? SystemErrorText(EISDIR)
                                                  : "It is not a regular file.");
                continue;
            }
            if (listed.insert({st.st_dev, st.st_ino}).second)
                Enqueue(path, PathBelow(path, options.folder));
        }
    }

    void Main()
    {
        const int count = std::max(1, options.threads);
        std::vector<std::thread> searchers;
        searchers.reserve(count);
        for (int i = 0; i < count; ++i)
            searchers.emplace_back([this] { Search(); });
        if (options.files) {
            ListFiles();
        } else {
            CFolderWalk walk(
                {options.masks, options.subfolders, options.skipHiddenFolders},
                [this](const std::string& path, const std::string& relative) {
                    Enqueue(path, relative);
                },
                [this](const std::string& path, const std::string& reason) {
                    Problem(path, reason);
                });
            walk.Walk(options.folder, stop);
        }
        Flush();
        {
            const std::lock_guard lock(queueLock);
            walked = true;
        }
        queueChanged.notify_all();
        for (std::thread& searcher : searchers)
            searcher.join();
        const std::lock_guard lock(sinkLock);
        totals.cancelled = stop;
        sink.OnFinished(totals);
    }
};

CFindInFiles::~CFindInFiles()
{
    Cancel();
    Wait();
}

bool CFindInFiles::Start(FindFilesOptions options, std::shared_ptr<const IOpenDocuments> documents,
                         IFindFilesSink& sink, std::string& problem)
{
    Cancel();
    Wait();
    problem = FindFilesStartProblem(options);
    if (!problem.empty())
        return false;
    m_run = std::make_shared<Run>(std::move(options), std::move(documents), sink);
    m_thread = std::thread([run = m_run] { run->Main(); });
    return true;
}

void CFindInFiles::Cancel()
{
    if (!m_run)
        return;
    {
        const std::lock_guard lock(m_run->queueLock);
        m_run->stop = true;
    }
    m_run->queueChanged.notify_all();
}

void CFindInFiles::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
