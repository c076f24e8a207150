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

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QTreeWidget>

#include <algorithm>
#include <atomic>

// Hands what the search's threads hear to the pane, on the window's thread.
class CKFindFilesController::Sink : public QObject, public IFindFilesSink {
public:
    explicit Sink(CKSearchResultsPane& pane) : m_pane(&pane) {}

    void OnFile(FileResult file) override
    {
        auto shared = std::make_shared<FileResult>(std::move(file));
        Post([shared](CKSearchResultsPane& pane) { pane.AddFile(std::move(*shared)); });
    }
    void OnProblem(SearchProblem problem) override
    {
        Post([problem](CKSearchResultsPane& pane) { pane.AddProblem(problem); });
    }
    void OnProgress(const FindFilesTotals& totals) override
    {
        Post([totals](CKSearchResultsPane& pane) { pane.ShowProgress(totals); });
    }
    void OnFinished(const FindFilesTotals& totals) override
    {
        Post([totals](CKSearchResultsPane& pane) { pane.Finish(totals); });
    }

private:
    template <typename F>
    void Post(F&& call)
    {
        // Posted to this object, so that what is still queued when the sink goes goes too.
        QMetaObject::invokeMethod(
            this, [pane = m_pane, call = std::forward<F>(call)] {
                if (pane)
                    call(*pane);
            },
            Qt::QueuedConnection);
    }

    QPointer<CKSearchResultsPane> m_pane;
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
    : QObject(&window), m_window(window), m_host(std::move(host)), m_pane(new CKSearchResultsPane(&window))
{
    window.addDockWidget(Qt::BottomDockWidgetArea, m_pane);
    m_pane->hide();
    connect(m_pane, &CKSearchResultsPane::openRequested, this, &CKFindFilesController::OpenResult);
    connect(m_pane, &CKSearchResultsPane::stopRequested, this, &CKFindFilesController::Stop);
    connect(m_pane, &CKSearchResultsPane::replaceRequested, this, &CKFindFilesController::Replace);
}

CKFindFilesController::~CKFindFilesController()
{
    // The search ends before the sink it reports to.
    m_search.reset();
    m_sink.reset();
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
    fields.findWhat = FindInitialText(*view->Buffer(), {view->CursorPos(), view->OrderedSelection()},
                                      fields.findWhat);
    const QString path = view->Document().PathName();
    if (!path.isEmpty())
        fields.folder = QFileInfo(path).absolutePath();
    return fields;
}

void CKFindFilesController::ShowDialog(bool replace)
{
    CKFindFilesDialog dialog(InitialFields(), replace,
                             [this, replace](const FindFilesFields& fields) {
                                 return QString::fromStdString(
                                     FindFilesStartProblem(FindFilesOptionsOf(fields, replace)));
                             },
                             &m_window);
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
        list->Add(LocalPath(doc->PathName()),
                  {CCopiedLines::Of(buffer), buffer.CodePage(), buffer.LineEnding(), TextVersion(buffer)});
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
    m_pane->Begin(QDir::toNativeSeparators(fields.folder), replace);
    m_pane->show();
    m_pane->raise();
    std::string reason;
    if (!m_search->Start(FindFilesOptionsOf(fields, replace), OpenDocuments(), *m_sink, reason)) {
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
}

bool CKFindFilesController::IsRunning() const { return m_pane->IsRunning(); }

void CKFindFilesController::Wait()
{
    if (!m_search)
        return;
    m_search->Wait();
    QCoreApplication::sendPostedEvents(m_sink.get());
}

bool CKFindFilesController::HasResults() const { return m_pane->HasResults(); }

void CKFindFilesController::GoToResult(int step)
{
    m_pane->show();
    m_pane->GoToResult(step);
}

CTagwrightDoc* CKFindFilesController::OpenDocumentOf(const FileResult& file) const
{
    const QString full = QFileInfo(QFile::decodeName(QByteArray::fromStdString(file.path))).absoluteFilePath();
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
    CTagwrightDoc* doc = m_host.documents.OpenDocumentInPage(
        QFile::decodeName(QByteArray::fromStdString(result.path)), result.codePage, result.lineEnding);
    if (!doc || result.matches.empty())
        return;
    CKTextView* view = TextViewOf(m_host.activeView ? m_host.activeView() : nullptr);
    if (!view || &view->Document() != doc)
        view = doc->Views().empty() ? nullptr : TextViewOf(doc->Views().front());
    if (!view || !view->Buffer())
        return;
    const FoundMatch& found = result.matches[std::clamp(match, 0, int(result.matches.size()) - 1)];
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
        if (std::none_of(file.matches.begin(), file.matches.end(), [](const FoundMatch& m) { return m.chosen; }))
            continue;
        CTagwrightDoc* doc = OpenDocumentOf(file);
        if (!file.openDocument) {
            // Writing the file under a document opened since would leave the two apart.
            if (doc)
                totals.failures.push_back({file.path, "It was opened in the editor after the search; search again."});
            else
                onDisk.push_back(std::move(file));
            continue;
        }
        if (!doc) {
            totals.failures.push_back({file.path, "It was closed after the search; search again."});
            continue;
        }
        if (TextVersion(doc->Buffer()) != file.documentVersion) {
            totals.failures.push_back({file.path, "It was changed in the editor since it was searched."});
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
    const std::atomic<bool> cancel{false};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ReplaceFilesTotals written = ReplaceInFiles(onDisk, m_host.keepBackups && m_host.keepBackups(), cancel);
    QApplication::restoreOverrideCursor();
    totals.replaced += written.replaced;
    totals.files += written.files;
    totals.failures.insert(totals.failures.end(), written.failures.begin(), written.failures.end());

    QString summary = QStringLiteral("Replaced %1 occurrences in %2 files.").arg(totals.replaced).arg(totals.files);
    if (totals.failures.empty()) {
        m_pane->ShowReplaced(summary);
        return;
    }
    m_pane->ShowReplaced(summary + QStringLiteral(" %1 files were left as they were.").arg(totals.failures.size()));
    summary += QStringLiteral("\n\nThese files were left as they were:");
    for (const SearchProblem& failure : totals.failures)
        summary += QStringLiteral("\n%1: %2").arg(QFile::decodeName(QByteArray::fromStdString(failure.path)),
                                               QString::fromStdString(failure.reason));
    m_host.messages.ShowWarning(summary);
}
