// Find and Replace in Files: searches the files of a folder on threads of its own and reports
// each file with matches as soon as it is searched; it can be stopped at any moment, keeping
// what it found.
#pragma once

#include "findfiles/core/FindFilesTypes.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Hears a search. The calls come from the search's threads, one at a time, and OnFinished
// comes last.
class IFindFilesSink {
public:
    virtual ~IFindFilesSink() = default;
    virtual void OnFile(FileResult file) = 0; // a file with matches
    virtual void OnProblem(SearchProblem problem) = 0;
    // Now and then, as files are searched.
    virtual void OnProgress(const FindFilesTotals&) {}
    virtual void OnFinished(const FindFilesTotals& totals) = 0;
};

// Why a search cannot start: its message, or empty when it can.
std::string FindFilesStartProblem(const FindFilesOptions& options);

// The deepest folder that holds all the files (full paths), "/" when only the root does, and
// empty when there are none.
std::string CommonFolder(const std::vector<std::string>& paths);
// A path as the results show it below folder: relative to it, or in full when the folder is
// the root or does not hold the path.
std::string PathBelow(const std::string& path, const std::string& folder);

class CFindInFiles {
public:
    CFindInFiles() = default;
    CFindInFiles(const CFindInFiles&) = delete;
    CFindInFiles& operator=(const CFindInFiles&) = delete;
    // Stops a search still running and waits for it.
    ~CFindInFiles();

    // Starts the search; false with the reason (FindFilesStartProblem) when it cannot start,
    // and then the sink hears nothing. documents may be null; the list must stay unchanged
    // until the search has finished.
    bool Start(FindFilesOptions options, std::shared_ptr<const IOpenDocuments> documents,
               IFindFilesSink& sink, std::string& problem);
    // Asks the search to stop; files searched so far stay reported. Any thread.
    void Cancel();
    // Returns once OnFinished has been heard.
    void Wait();

private:
    struct Run;
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
};
