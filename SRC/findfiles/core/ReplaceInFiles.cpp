// Replacing the chosen matches in files and in open documents.
#include "findfiles/core/ReplaceInFiles.h"

#include "text/CodePages.h"
#include "text/EditActions.h"
#include "text/SafeFileWriter.h"
#include "text/UndoGroup.h"
#include "text/Utf8Page.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kChanged = "The file has changed since it was searched.";

std::string LineNumbered(const char* text, int line)
{
    return std::string(text) + " (line " + std::to_string(line + 1) + ").";
}

// Why the chosen matches cannot be replaced as they stand, or empty.
std::string ChosenProblem(const FileResult& file, bool needOffsets)
{
    int64_t end = 0;
    for (const FoundMatch& match : file.matches) {
        if (!match.chosen)
            continue;
        if (!match.expanded)
            return LineNumbered("The replacement cannot be made for a match", match.start.y);
        if (needOffsets && (match.fileStart < end || match.fileEnd < match.fileStart))
            return LineNumbered("The place of a match in the file is not known", match.start.y);
        end = match.fileEnd;
    }
    return {};
}

// The whole file, from an open descriptor, which held size bytes when it was looked at; false
// with errno set, or with changed set when the file holds fewer or more bytes by now.
bool ReadAll(int fd, std::string& bytes, size_t size, bool& changed)
{
    bytes.resize(size);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, bytes.data() + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            changed = n == 0;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    char more;
    const ssize_t n = read(fd, &more, 1);
    changed = n > 0;
    return n == 0;
}

// A replacement in the file's page, its line feeds the file's line breaks.
std::string InFilePage(std::string_view replacement, CodePage codePage, LineEnding lineEnding)
{
    std::string text;
    for (const char c : replacement) {
        if (c == '\n' && lineEnding == LineEnding::Dos)
            text += '\r';
        text += c;
    }
    if (codePage == CodePage::Utf8) {
        std::string encoded(text.size() * 3 + 1, '\0');
        encoded.resize(Utf8Encoder::EncodeUtf8(text.data(), text.size(), encoded.data()));
        return encoded;
    }
    if (const ByteTable* table = SaveTable(codePage))
        TranslateBytes(text.data(), text.data(), text.size(), *table);
    return text;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FileReplaceOutcome ReplaceInFile(const FileResult& file, bool backup)
{
    FileReplaceOutcome outcome;
    outcome.reason = ChosenProblem(file, true);
    const auto chosen = [](const FoundMatch& match) { return match.chosen; };
    if (!outcome.reason.empty() || std::none_of(file.matches.begin(), file.matches.end(), chosen))
        return outcome; // nothing chosen: the file is not even read

    const Descriptor fd(open(file.path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st;
    if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0) {
        outcome.reason = SystemErrorText(errno);
        return outcome;
    }
    if (!S_ISREG(st.st_mode) || IdentityOf(st) != file.identity) {
        outcome.reason = kChanged;
        return outcome;
    }
    std::string bytes;
    bool changed = false;
    if (!ReadAll(fd.Get(), bytes, static_cast<size_t>(st.st_size), changed)) {
        outcome.reason = changed ? kChanged : SystemErrorText(errno);
        return outcome;
    }

    SafeFileWriter writer;
    bool ok = writer.Open(file.path.c_str());
    int replaced = 0;
    size_t copied = 0;
    for (const FoundMatch& match : file.matches) {
        if (!ok || !match.chosen)
            continue;
        const std::string text = InFilePage(match.replacement, file.codePage, file.lineEnding);
        ok = writer.Write(bytes.data() + copied, static_cast<size_t>(match.fileStart) - copied)
             && writer.Write(text.data(), text.size());
        copied = static_cast<size_t>(match.fileEnd);
        ++replaced;
    }
    ok = ok && writer.Write(bytes.data() + copied, bytes.size() - copied);
    if (!ok || !writer.Commit(backup)) {
        outcome.reason = writer.ErrorText();
        return outcome;
    }
    outcome.replaced = replaced;
    return outcome;
}

FileReplaceOutcome ReplaceInBuffer(CKTextBuffer& buffer, CKBufferView* view, const FileResult& file)
{
    FileReplaceOutcome outcome;
    outcome.reason = ChosenProblem(file, false);
    if (!outcome.reason.empty())
        return outcome;
    const CUndoGroup group(buffer, view);
    // From the last match back, so that the places of the others stay as they were searched.
    for (auto match = file.matches.rbegin(); match != file.matches.rend(); ++match) {
        if (!match->chosen)
            continue;
        std::string text;
        for (const char c : match->replacement) {
            if (c == '\n')
                text += '\r';
            text += c;
        }
        int endLine = 0, endChar = 0;
        const bool empty = match->start == match->end;
        if ((!empty
             && !buffer.DeleteText(view, match->start.y, match->start.x, match->end.y, match->end.x,
                                   ACTION_REPLACE))
            || (!text.empty()
                && !buffer.InsertText(view, match->start.y, match->start.x, text, endLine, endChar,
                                      ACTION_REPLACE))) {
            outcome.reason = buffer.IsReadOnly() ? "The document is read-only."
                                                 : "The document could not be changed.";
            return outcome;
        }
        ++outcome.replaced;
    }
    return outcome;
}

ReplaceFilesTotals ReplaceInFiles(const std::vector<FileResult>& files, bool backup,
                                  const std::atomic<bool>& cancel,
                                  const std::function<void(const ReplaceFilesTotals&)>& done)
{
    ReplaceFilesTotals totals;
    for (const FileResult& file : files) {
        if (cancel.load()) {
            totals.cancelled = true;
            break;
        }
        if (file.openDocument)
            continue;
        const FileReplaceOutcome outcome = ReplaceInFile(file, backup);
        if (!outcome.reason.empty()) {
            totals.failures.push_back({file.path, outcome.reason});
        } else if (outcome.replaced > 0) {
            totals.replaced += outcome.replaced;
            ++totals.files;
        }
        ++totals.done;
        if (done)
            done(totals);
    }
    return totals;
}

CReplaceInFilesRun::~CReplaceInFilesRun()
{
    Cancel();
    Wait();
}

void CReplaceInFilesRun::Start(std::vector<FileResult> files, bool backup, Progress progress,
                               Finished finished)
{
    Cancel();
    Wait();
    m_cancel = false;
    m_thread = std::thread([this, files = std::move(files), backup, progress = std::move(progress),
                            finished = std::move(finished)] {
        finished(ReplaceInFiles(files, backup, m_cancel, progress));
    });
}

void CReplaceInFilesRun::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
