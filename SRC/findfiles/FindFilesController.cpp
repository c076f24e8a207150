// Find and Replace in Files in the main window.
#include "findfiles/FindFilesController.h"

#include "doc/DocHost.h"
#include "doc/DocManager.h"
#include "doc/DocView.h"
#include "doc/TagwrightDoc.h"
#include "findfiles/SearchResultsPane.h"
#include "findfiles/core/OpenDocuments.h"
#include "findfiles/core/ReplaceInFiles.h"
#include "view/KTextView.h"
#include "view/core/FindCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>

// Hands what the search's threads hear to the pane, on the window's thread. The results are
// queued and the pane takes them in slices of a few milliseconds, so that a search finding
// thousands of matches never holds up the keys typed meanwhile.
class CKFindFilesController::Sink : public QObject, public IFindFilesSink {
public:
    explicit Sink(CKSearchResultsPane& pane) : m_pane(&pane) {}

    void OnFile(FileResult file) override
    {
        const std::lock_guard lock(m_mutex);
        m_files.push_back(std::move(file));
        ScheduleLocked();
    }
    void OnProblem(SearchProblem problem) override
    {
        const std::lock_guard lock(m_mutex);
        m_problems.push_back(std::move(problem));
        ScheduleLocked();
    }
    void OnProgress(const FindFilesTotals& totals) override
    {
        const std::lock_guard lock(m_mutex);
        m_totals = totals;
        ScheduleLocked();
    }
    void OnFinished(const FindFilesTotals& totals) override
    {
        const std::lock_guard lock(m_mutex);
        m_totals = totals;
        m_finished = true;
        ScheduleLocked();
    }

    // Hands everything queued to the pane at once.
    void Flush()
    {
        while (Drain(std::chrono::hours(1)))
            ;
    }

private:
    void ScheduleLocked()
    {
        if (m_scheduled)
            return;
        m_scheduled = true;
        QMetaObject::invokeMethod(
            this, [this] { DrainSlice(); }, Qt::QueuedConnection);
    }

    void DrainSlice()
    {
        if (Drain(std::chrono::milliseconds(8)))
            // More is waiting: the window's other events come first.
            QTimer::singleShot(15, this, [this] { DrainSlice(); });
    }

    // Gives the pane what is queued until budget is spent; true when some is left.
    bool Drain(std::chrono::steady_clock::duration budget)
    {
        const auto end = std::chrono::steady_clock::now() + budget;
        std::unique_lock lock(m_mutex);
        if (m_told)
            return false; // the pane has heard the end already
        while (m_pane && !m_files.empty() && std::chrono::steady_clock::now() < end) {
            FileResult file = std::move(m_files.front());
            m_files.pop_front();
            lock.unlock();
            m_pane->AddFile(std::move(file));
            lock.lock();
        }
        std::vector<SearchProblem> problems;
        problems.swap(m_problems);
        const bool left = !m_files.empty();
        const FindFilesTotals totals = m_totals;
        const bool finished = m_finished && !left;
        m_scheduled = left;
        m_told = finished;
        lock.unlock();
        if (!m_pane)
            return false;
        for (const SearchProblem& problem : problems)
            m_pane->AddProblem(problem);
        if (finished)
            m_pane->Finish(totals);
        else
            m_pane->ShowProgress(totals);
        return left;
    }

    QPointer<CKSearchResultsPane> m_pane;
    std::mutex m_mutex;
    std::deque<FileResult> m_files;
    std::vector<SearchProblem> m_problems;
    FindFilesTotals m_totals;
    bool m_finished = false;
    bool m_scheduled = false;
    bool m_told = false;
};

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

CKTextView* TextViewOf(CKDocView* view) { return view ? dynamic_cast<CKTextView*>(view) : nullptr; }

// A point of a result put inside the text as it is now, which may have changed since.
TextPoint Clamped(const CKTextBuffer& buffer, TextPoint p)
{
    const int lines = buffer.LineCount();
    if (lines <= 0)
        return {0, 0};
    p.y = std::clamp(p.y, 0, lines - 1);
    p.x = std::clamp(p.x, 0, static_cast<int>(buffer.Line(p.y).size()));
    return p;
}

} // namespace

CKFindFilesController::CKFindFilesController(QMainWindow& window, FindFilesHost host)
    : QObject(&window), m_window(window), m_host(std::move(host)),
      m_pane(new CKSearchResultsPane(&window))
{
    window.addDockWidget(Qt::BottomDockWidgetArea, m_pane);
    m_pane->hide();
    connect(m_pane, &CKSearchResultsPane::openRequested, this, &CKFindFilesController::OpenResult);
    connect(m_pane, &CKSearchResultsPane::stopRequested, this, &CKFindFilesController::Stop);
    connect(m_pane, &CKSearchResultsPane::replaceRequested, this, &CKFindFilesController::Replace);
}

CKFindFilesController::~CKFindFilesController()
{
    // The search ends before the sink it reports to; a replace stops after its current file.
    m_search.reset();
    m_sink.reset();
    m_replaceRun.Cancel();
    m_replaceRun.Wait();
}

uint64_t CKFindFilesController::TextVersion(const CKTextBuffer& buffer)
{
    uint64_t hash = 1469598103934665603ULL;
    const auto mix = [&hash](unsigned char c) {
        hash ^= c;
        hash *= 1099511628211ULL;
    };
    for (int i = 0; i < buffer.LineCount(); ++i) {
        for (const char c : buffer.Line(i))
            mix(static_cast<unsigned char>(c));
        mix('\n');
    }
    return hash;
}

FindFilesFields CKFindFilesController::InitialFields() const
{
    FindFilesFields fields = ReadFindFilesSettings(m_host.store);
    CKTextView* view = TextViewOf(m_host.activeView ? m_host.activeView() : nullptr);
    if (!view || !view->Buffer())
        return fields;
    fields.findWhat = FindInitialText(
        *view->Buffer(), {view->CursorPos(), view->OrderedSelection()}, fields.findWhat);
    const QString path = view->Document().PathName();
    if (!path.isEmpty())
        fields.folder = QFileInfo(path).absolutePath();
    return fields;
}

QStringList CKFindFilesController::ProjectFiles() const
{
    return m_host.projectFiles ? m_host.projectFiles() : QStringList();
}

void CKFindFilesController::ShowDialog(bool replace)
{
    const QStringList projectFiles = ProjectFiles();
    CKFindFilesDialog dialog(
        InitialFields(), replace,
        [replace, &projectFiles](const FindFilesFields& fields) {
            return QString::fromStdString(
                FindFilesStartProblem(FindFilesOptionsOf(fields, replace, projectFiles)));
        },
        &m_window, static_cast<int>(projectFiles.size()));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    WriteFindFilesSettings(m_host.store, dialog.Fields());
    if (!accepted)
        return;
    QString problem;
    if (!Start(dialog.Fields(), replace, problem)) {
        m_host.messages.ShowError(problem);
        return;
    }
    // The keys go on to the results: Enter opens one, Escape stops the search.
    m_pane->Tree()->setFocus();
}

std::shared_ptr<const IOpenDocuments> CKFindFilesController::OpenDocuments() const
{
    auto list = std::make_shared<COpenDocumentList>();
    for (CTagwrightDoc* doc : m_host.documents.Documents()) {
        if (doc->PathName().isEmpty())
            continue;
        const CKTextBuffer& buffer = doc->Buffer();
        list->Add(LocalPath(doc->PathName()), {CCopiedLines::Of(buffer), buffer.CodePage(),
                                               buffer.LineEnding(), TextVersion(buffer)});
    }
    return list;
}

bool CKFindFilesController::Start(const FindFilesFields& fields, bool replace, QString& problem)
{
    Stop();
    Wait();
    m_search.reset();
    m_sink = std::make_unique<Sink>(*m_pane);
    m_search = std::make_unique<CFindInFiles>();
    FindFilesOptions options = FindFilesOptionsOf(fields, replace, ProjectFiles());
    m_pane->Begin(options.files ? QStringLiteral("Project")
                                : QDir::toNativeSeparators(fields.folder),
                  replace);
    m_pane->show();
    m_pane->raise();
    std::string reason;
    if (!m_search->Start(std::move(options), OpenDocuments(), *m_sink, reason)) {
        m_pane->Finish({});
        problem = QString::fromStdString(reason);
        return false;
    }
    return true;
}

void CKFindFilesController::Stop()
{
    if (m_search)
        m_search->Cancel();
    m_replaceRun.Cancel();
}

bool CKFindFilesController::IsRunning() const { return m_pane->IsRunning(); }

void CKFindFilesController::Wait()
{
    m_replaceRun.Wait();
    // The end of a replace reaches the window as a queued call; it is taken here.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (!m_search)
        return;
    m_search->Wait();
    m_sink->Flush();
}

bool CKFindFilesController::HasResults() const { return m_pane->HasResults(); }

void CKFindFilesController::GoToResult(int step)
{
    m_pane->show();
    m_pane->GoToResult(step);
}

CTagwrightDoc* CKFindFilesController::OpenDocumentOf(const FileResult& file) const
{
    const QString full =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(file.path))).absoluteFilePath();
    for (CTagwrightDoc* doc : m_host.documents.Documents())
        if (!doc->PathName().isEmpty() && QFileInfo(doc->PathName()).absoluteFilePath() == full)
            return doc;
    return nullptr;
}

void CKFindFilesController::OpenResult(int file, int match)
{
    const std::vector<FileResult>& files = m_pane->Files();
    if (file < 0 || file >= static_cast<int>(files.size()))
        return;
    const FileResult& result = files[file];
    if (result.matches.empty())
        return;
    // Copied out: opening may ask the user, and the pane takes more results meanwhile.
    const FoundMatch found = result.matches[std::clamp(match, 0, int(result.matches.size()) - 1)];
    CTagwrightDoc* doc = m_host.documents.OpenDocumentInPage(
        QFile::decodeName(QByteArray::fromStdString(result.path)), result.codePage,
        result.lineEnding);
    if (!doc)
        return;
    CKTextView* view = TextViewOf(m_host.activeView ? m_host.activeView() : nullptr);
    if (!view || &view->Document() != doc)
        view = doc->Views().empty() ? nullptr : TextViewOf(doc->Views().front());
    if (!view || !view->Buffer())
        return;
    const TextPoint start = Clamped(*view->Buffer(), found.start);
    const TextPoint end = Clamped(*view->Buffer(), found.end);
    view->SetSelection(start, end);
    view->SetCursorPos(end);
    view->SetAnchor(start);
    view->RevealPosition(end);
    view->PlaceCaret();
    view->setFocus();
}

void CKFindFilesController::Replace()
{
    if (!m_pane->IsReplace() || m_pane->IsRunning())
        return;
    std::vector<FileResult> files = m_pane->ChosenFiles();
    ReplaceFilesTotals totals;
    std::vector<FileResult> onDisk;
    for (FileResult& file : files) {
        if (std::none_of(file.matches.begin(), file.matches.end(),
                         [](const FoundMatch& m) { return m.chosen; }))
            continue;
        CTagwrightDoc* doc = OpenDocumentOf(file);
        if (!file.openDocument) {
            // Writing the file under a document opened since would leave the two apart.
            if (doc)
                totals.failures.push_back(
                    {file.path, "It was opened in the editor after the search; search again."});
            else
                onDisk.push_back(std::move(file));
            continue;
        }
        if (!doc) {
            totals.failures.push_back({file.path, "It was closed after the search; search again."});
            continue;
        }
        if (TextVersion(doc->Buffer()) != file.documentVersion) {
            totals.failures.push_back(
                {file.path, "It was changed in the editor since it was searched."});
            continue;
        }
        CKTextView* view = doc->Views().empty() ? nullptr : TextViewOf(doc->Views().front());
        const FileReplaceOutcome outcome = ReplaceInBuffer(doc->Buffer(), view, file);
        if (!outcome.reason.empty()) {
            totals.failures.push_back({file.path, outcome.reason});
        } else if (outcome.replaced > 0) {
            totals.replaced += outcome.replaced;
            ++totals.files;
        }
    }
    m_replaced = std::move(totals);
    m_replaceFiles = static_cast<int64_t>(onDisk.size());
    if (onDisk.empty()) {
        FinishReplace({});
        return;
    }
    m_pane->BeginReplacing(m_replaceFiles);
    // The run's calls come from its thread; the pane hears them on the window's, and not at
    // all once the controller is gone.
    m_replaceRun.Start(
        std::move(onDisk), m_host.keepBackups && m_host.keepBackups(),
        [this](const ReplaceFilesTotals& progress) {
            QMetaObject::invokeMethod(
                this,
                [this, done = progress.done] { m_pane->ShowReplaceProgress(done, m_replaceFiles); },
                Qt::QueuedConnection);
        },
        [this](const ReplaceFilesTotals& written) {
            QMetaObject::invokeMethod(
                this, [this, written] { FinishReplace(written); }, Qt::QueuedConnection);
        });
}

void CKFindFilesController::FinishReplace(const ReplaceFilesTotals& written)
{
    ReplaceFilesTotals totals = std::move(m_replaced);
    m_replaced = {};
    totals.replaced += written.replaced;
    totals.files += written.files;
    totals.failures.insert(totals.failures.end(), written.failures.begin(), written.failures.end());

    QString summary = QStringLiteral("Replaced %1 occurrences in %2 files.")
                          .arg(totals.replaced)
                          .arg(totals.files);
    if (written.cancelled)
        summary += QStringLiteral(" Stopped: %1 of %2 files on disk were not looked at.")
                       .arg(m_replaceFiles - written.done)
                       .arg(m_replaceFiles);
    if (totals.failures.empty()) {
        m_pane->ShowReplaced(summary);
        return;
    }
    m_pane->ShowReplaced(
        summary + QStringLiteral(" %1 files were left as they were.").arg(totals.failures.size()));
    summary += QStringLiteral("\n\nThese files were left as they were:");
    for (const SearchProblem& failure : totals.failures)
        summary += QStringLiteral("\n%1: %2")
                       .arg(QFile::decodeName(QByteArray::fromStdString(failure.path)),
                            QString::fromStdString(failure.reason));
    m_host.messages.ShowWarning(summary);
}
