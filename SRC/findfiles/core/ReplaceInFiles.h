// Replace in Files: the chosen matches of a search replaced in each file's own bytes, written
// through the editor's safe save in the page and line ending the file was read in, and in an
// open document's buffer as one undo step.
#pragma once

#include "findfiles/core/FindFilesTypes.h"
#include "text/KTextBuffer.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

struct FileReplaceOutcome {
    int replaced = 0;   // occurrences
    std::string reason; // why the file was left as it was; empty when it was not
};

// Replaces the chosen matches of a file that is not open in the editor. Only the bytes of
// those matches change: everything else stays as it is in the file, byte for byte. A file
// that changed since it was searched, or a match whose replacement could not be expanded,
// leaves the file untouched with the reason. backup keeps the old file as "<name>.bak".
FileReplaceOutcome ReplaceInFile(const FileResult& file, bool backup);

// Replaces the chosen matches of an open document in its buffer, as one undo step "Replace".
// The caller makes sure the text is still the one searched (the document's version). Returns
// the occurrences replaced.
FileReplaceOutcome ReplaceInBuffer(CKTextBuffer& buffer, CKBufferView* view,
                                   const FileResult& file);

struct ReplaceFilesTotals {
    int64_t replaced = 0; // occurrences
    int64_t files = 0;    // files changed
    int64_t done = 0;     // files looked at, changed or not
    std::vector<SearchProblem> failures;
    bool cancelled = false;
};

// Replaces in every file of files that is not open in the editor (the open ones are the
// editor's to change), until cancel is set; a file is either written whole or left alone.
// done is told after each file.
ReplaceFilesTotals ReplaceInFiles(const std::vector<FileResult>& files, bool backup,
                                  const std::atomic<bool>& cancel,
                                  const std::function<void(const ReplaceFilesTotals&)>& done = {});

// ReplaceInFiles on a thread of its own, so that the window stays responsive while many files
// are written. Stopping takes effect between files: a file is never left half-written, and
// the files written before stay written and counted.
class CReplaceInFilesRun {
public:
    // Both are called on the run's thread: progress after each file, finished once at the end.
    using Progress = std::function<void(const ReplaceFilesTotals&)>;
    using Finished = std::function<void(const ReplaceFilesTotals&)>;

    CReplaceInFilesRun() = default;
    CReplaceInFilesRun(const CReplaceInFilesRun&) = delete;
    CReplaceInFilesRun& operator=(const CReplaceInFilesRun&) = delete;
    // Stops a run still going and waits for it.
    ~CReplaceInFilesRun();

    // Starts replacing; a run still going is stopped and waited for first.
    void Start(std::vector<FileResult> files, bool backup, Progress progress, Finished finished);
    // Asks the run to stop after the file it is writing. Any thread.
    void Cancel() { m_cancel = true; }
    // Returns once finished has been called.
    void Wait();

private:
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};
