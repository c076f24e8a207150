// Start-up, the document list, the application's commands and exit.
#include "app/Tagwright.h"

#include "app/AppIdentity.h"
#include "app/ShortcutsDialog.h"
#include "controls/QtText.h"
#include "doc/Preview.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "edit/Prop.h"
#include "frame/ChildFrm.h"
#include "frame/MainFrm.h"
#include "instance/CommandLine.h"
#include "instance/ExitSignals.h"
#include "instance/InstanceGuard.h"
#include "recovery/RecoveryDialog.h"
#include "recovery/RecoveryManager.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "res/VersionInfo.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "syntax/HtmlKeywords.h"
#include "text/CodePages.h"
#include "view/KTextView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSessionManager>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long a start waits for the lock of an instance that did not take its file.
constexpr int kTakeOverWaitMs = 2000;

QString SystemErrorQText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The files of a command line, one a line, for a message.
QString FileList(const CommandLine& commandLine)
{
    QStringList names;
    for (const std::string& file : commandLine.files)
        names << ShownPath(file);
    return names.join(QLatin1Char('\n'));
}

// Line n counted from 1, as Go to line does: its start, or the end of the text past its end.
void PlaceCaretOnLine(CKTextView& view, int line)
{
    const int last = view.LineCount() - 1;
    if (last < 0)
        return;
    const TextPoint p =
        line - 1 <= last ? TextPoint{0, line - 1} : TextPoint{view.LineLength(last), last};
    view.SetAnchor(p);
    view.SetCursorPos(p);
    view.SetSelection(p, p);
    view.RevealPosition(p);
}

} // namespace

CTagwrightApp::CTagwrightApp(AppServices services, QObject* parent)
    : QObject(parent), m_services(std::move(services))
{
}

CTagwrightApp::~CTagwrightApp()
{
    // The windows hold views of the documents, so they go first.
    m_mainFrame.reset();
    // Copies still being written read storage the documents hand them when they go.
    m_recovery.reset();
    m_documents.clear();
    // The record of a clean end comes last, after the settings were written.
    if (m_settings)
        m_settings->TraceCleanExit(__LINE__, __FILE__);
}

bool CTagwrightApp::InitInstance(const CommandLine& commandLine)
{
    // Another instance takes the command line and this one ends without touching the
    // settings. One that cannot be reached is exiting or hangs, and this one starts in its
    // place; one that may have the files but did not confirm it may yet open them, and this
    // one must not open them too.
    CKInstanceGuard& guard = *m_services.guard;
    QString startNote;
    if (guard.AnotherInstanceRuns()) {
        const CKInstanceGuard::HandOverResult handOver =
            guard.HandOver(HandOverMessage(commandLine));
        if (handOver == CKInstanceGuard::HandOverResult::Taken)
            return false;
        if (handOver == CKInstanceGuard::HandOverResult::Unconfirmed
            && !commandLine.files.empty()) {
            m_services.host->ShowError(
                ResText(IDS_INSTANCE_UNCONFIRMED).arg(FileList(commandLine)));
            m_startExitCode = 1;
            return false;
        }
        if (!guard.TakeOver(kTakeOverWaitMs))
            startNote = ResText(IDS_INSTANCE_NOT_HANDED_OVER).arg(guard.Trouble());
    } else if (!guard.Trouble().isEmpty()) {
        startNote = ResText(IDS_INSTANCE_UNGUARDED).arg(guard.Trouble());
    }

    // Asked to end by a signal, the program still writes its settings and releases its lock.
    m_exitSignals = std::make_unique<CKExitSignals>();
    connect(m_exitSignals.get(), &CKExitSignals::exitRequested, this, [this](int signal) {
        if (m_settings)
            TW_TRACE(*m_settings, "Exit on signal " + std::to_string(signal));
        // Unlike quit(), this asks no questions about unsaved texts, and it ends the loops of
        // dialogs that are open. A dialog of the start-up leaves the main loop to see the flag.
        // The unsaved texts are kept as recovery copies first.
        if (m_recovery)
            m_recovery->WriteAllNow();
        m_exitRequested = true;
        QCoreApplication::exit(0);
    });
    m_exitSignals->Install();

    std::setlocale(LC_ALL, "");
    SettingsStore& store = *m_services.store;
    store.SetFailureReporter([this] { ReportSettingsNotWritten(); });
    m_settings = std::make_unique<AppSettings>(store);
    if (!m_settings->Start(m_services.askAfterCrash))
        return false;
    m_saveSettingsAtExit = true;
    TW_TRACE(*m_settings, "Settings root " + store.Location());

    m_session = std::make_unique<CSession>(store);
    m_session->Load();
    TW_TRACE(*m_settings, "Recent files loaded");

    FillHtmlKeywords();
    TW_TRACE(*m_settings, "HTML keyword table built");

    const DocViewFactory views = [](CTagwrightDoc& doc, QWidget* parent) -> CKDocView* {
        return CKTextView::Create<CKEditView>(doc, parent);
    };
    m_mainFrame = std::make_unique<CMainFrame>(*this, *m_settings, views, *m_services.host);
    if (!m_mainFrame->Create())
        return false;
    TW_TRACE(*m_settings, "Main frame created");

    connect(&guard, &CKInstanceGuard::handedOver, this, &CTagwrightApp::OnHandOver);
    guard.Listen();
    StartRecovery();
    m_settings->Preferences().Subscribe(this);
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &CTagwrightApp::OnCommitData,
                Qt::DirectConnection);

    QStringList missing;
    const int reopened =
        m_settings->Preferences().IsOn(Switch::ReopenLastSession) ? ReopenLastSession(missing) : 0;
    TW_TRACE(*m_settings, "Last session reopened");
    // Files of the command line open besides those of the session, and the last of them is
    // the active one.
    if (commandLine.files.empty()) {
        if (reopened == 0)
            m_startDocument = NewDocument();
    } else if (OpenCommandLine(commandLine) == 0 && reopened == 0) {
        TW_TRACE(*m_settings, "Command line files not opened");
        return false;
    }
    TW_TRACE(*m_settings, "Command line processed");

    // Activated also without a window manager, so that the keys work before the first click.
    m_mainFrame->show();
    m_mainFrame->activateWindow();
    TW_TRACE(*m_settings, "Main window shown");
    if (!startNote.isEmpty())
        m_services.host->ShowWarning(startNote);
    if (!missing.isEmpty())
        m_services.host->ShowWarning(
            ResText(IDS_SESSION_MISSING).arg(missing.join(QLatin1Char('\n'))));
    if (!m_services.refusedSettingsFile.isEmpty())
        m_services.host->ShowWarning(
            ResText(IDS_SETTINGS_NOT_READ)
                .arg(QDir::toNativeSeparators(m_services.refusedSettingsFile))
                .arg(CKSettingsStore::kMaxFileBytes >> 20));
    OfferRecoveredTexts();
    m_startDocument = nullptr;
    return true;
}

void CTagwrightApp::ExitInstance()
{
    m_exiting = true;
    // A later start must not hand its file to this instance any more.
    m_services.guard->Release();
    m_settings->Preferences().Unsubscribe(this);
    // After a clean end no copy is left; after a signal the copies stay for the next start.
    if (m_recovery)
        m_recovery->Finish();
    if (m_saveSettingsAtExit) {
        TW_TRACE(*m_settings, "Exit");
        DeletePreviewFile(*m_session);
        if (m_mainFrame)
            m_session->SetOpenDocuments(m_mainFrame->OpenDocumentsForSession());
        m_session->Save();
        m_settings->SaveAtExit(m_session->RememberedFormat());
    }
    RemovePreviewFolder();
}

int CTagwrightApp::ReopenLastSession(QStringList& missing)
{
    const SessionDocuments& last = m_session->LastDocuments();
    CTagwrightDoc* active = nullptr;
    int reopened = 0;
    for (size_t i = 0; i < last.documents.size(); ++i) {
        const SessionDocument& entry = last.documents[i];
        struct stat info;
        if (stat(entry.path.c_str(), &info) != 0) {
            missing << ShownPath(entry.path);
            continue;
        }
        CTagwrightDoc* doc =
            OpenDocumentFile(entry.path, entry.format.codePage, entry.format.lineEnding);
        if (!doc)
            continue;
        ++reopened;
        m_mainFrame->RestoreDocumentWindow(*doc, entry);
        if (static_cast<int>(i) == last.active)
            active = doc;
    }
    if (active)
        m_mainFrame->ActivateDocument(*active);
    return reopened;
}

void CTagwrightApp::ReportSettingsNotWritten()
{
    const QString text =
        ResText(IDS_SETTINGS_NOT_WRITTEN).arg(QString::fromStdString(m_services.store->Location()));
    // No dialog holds up an exit, which a signal or the end of the desktop session may ask for.
    if (m_exiting)
        std::fprintf(stderr, "tagwright: %s\n", text.toLocal8Bit().constData());
    else
        m_services.host->ShowWarning(text);
}

std::vector<CTagwrightDoc*> CTagwrightApp::Documents() const
{
    std::vector<CTagwrightDoc*> documents;
    for (const std::unique_ptr<CTagwrightDoc>& doc : m_documents)
        documents.push_back(doc.get());
    return documents;
}

std::unique_ptr<CTagwrightDoc> CTagwrightApp::CreateDocument()
{
    auto doc = std::make_unique<CTagwrightDoc>(*m_settings, *m_session, *m_services.host);
    connect(doc.get(), &CTagwrightDoc::closeRequested, this,
            [this, d = doc.get()] { CloseDocument(*d); });
    m_diskWatch->Watch(*doc);
    if (m_recovery)
        m_recovery->Track(*doc);
    return doc;
}

CTagwrightDoc& CTagwrightApp::AddDocument(std::unique_ptr<CTagwrightDoc> doc)
{
    CTagwrightDoc& added = *doc;
    m_documents.push_back(std::move(doc));
    m_mainFrame->CreateChildFrame(added);
    return added;
}

CTagwrightDoc* CTagwrightApp::NewDocument()
{
    std::unique_ptr<CTagwrightDoc> doc = CreateDocument();
    doc->OnNewDocument();
    doc->SetTitle(NextUntitledTitle());
    return &AddDocument(std::move(doc));
}

bool CTagwrightApp::TitleInUse(const QString& title, const CTagwrightDoc* leaving) const
{
    return std::any_of(m_documents.begin(), m_documents.end(),
                       [&](const std::unique_ptr<CTagwrightDoc>& doc) {
                           return doc.get() != leaving && doc->Title() == title;
                       });
}

QString CTagwrightApp::NextUntitledTitle(const CTagwrightDoc* leaving)
{
    // Restored untitled texts keep their old numbers, so a number may be taken already.
    const QString prefix = FromUtf8(DocDescriptorField(DOC_NEW_FILE_NAME));
    QString title;
    do
        title = prefix + QString::number(++m_untitledCount);
    while (TitleInUse(title, leaving));
    return title;
}

std::string CTagwrightApp::NativePathOrComplain(const QString& path) const
{
    const std::string native = ResolveNativePath(path);
    if (native.empty())
        m_services.host->ShowError(ResText(IDS_NAME_AMBIGUOUS).arg(QDir::toNativeSeparators(path)));
    return native;
}

CTagwrightDoc* CTagwrightApp::OpenDocumentFile(const QString& path)
{
    const std::string native = NativePathOrComplain(path);
    return native.empty() ? nullptr : OpenInItsFormat(native);
}

CTagwrightDoc* CTagwrightApp::OpenDocumentInPage(const QString& path, CodePage codePage,
                                                 LineEnding lineEnding)
{
    const std::string native = NativePathOrComplain(path);
    return native.empty() ? nullptr : OpenDocumentFile(native, codePage, lineEnding);
}

CTagwrightDoc* CTagwrightApp::OpenInItsFormat(const std::string& path)
{
    const FileFormat format = m_session->FormatToOpen(path);
    return OpenDocumentFile(path, format.codePage, format.lineEnding);
}

CTagwrightDoc* CTagwrightApp::FindDocument(const std::string& path) const
{
    for (const std::unique_ptr<CTagwrightDoc>& doc : m_documents)
        if (!doc->NativePathName().empty() && doc->NativePathName() == path)
            return doc.get();
    return nullptr;
}

// Every way of opening a file ends here with the page to read it in (or CodePage::Detect), which
// the document resolves when it reads the file.
CTagwrightDoc* CTagwrightApp::OpenDocumentFile(const std::string& path, CodePage codePage,
                                               LineEnding lineEnding)
{
    if (CTagwrightDoc* open = FindDocument(path)) {
        m_mainFrame->ActivateDocument(*open);
        return open;
    }
    std::unique_ptr<CTagwrightDoc> doc = CreateDocument();
    if (!doc->OnOpenNativeDocument(path, codePage, lineEnding))
        return nullptr;
    CTagwrightDoc& opened = AddDocument(std::move(doc));
    AddRecentFile(path);
    return &opened;
}

int CTagwrightApp::OpenCommandLine(const CommandLine& request)
{
    int opened = 0;
    for (const std::string& path : request.files) {
        // A page named on the command line holds for every file, and a file open in another
        // page reads it again (asking first about unsaved changes); without one each file takes
        // its own page and an open one stays as it is.
        CTagwrightDoc* open = FindDocument(path);
        if (open && request.codePage && IsKnown(*request.codePage)
            && open->Buffer().CodePage() != *request.codePage)
            open->ReopenInCodePage(*request.codePage);
        CTagwrightDoc* doc = request.codePage
                                 ? OpenDocumentFile(path, *request.codePage, LineEnding::Auto)
                                 : OpenInItsFormat(path);
        if (!doc)
            continue;
        ++opened;
        if (request.line > 0)
            for (CKDocView* view : doc->Views())
                if (auto* textView = dynamic_cast<CKTextView*>(view))
                    PlaceCaretOnLine(*textView, request.line);
    }
    return opened;
}

void CTagwrightApp::OnHandOver(const CommandLine& request) { m_mainFrame->OpenRequest(request); }

bool CTagwrightApp::CloseDocument(CTagwrightDoc& doc)
{
    if (!doc.SaveModified())
        return false;
    m_mainFrame->CloseDocumentWindows(doc);
    return true;
}

void CTagwrightApp::OnViewClosed(CTagwrightDoc* doc)
{
    if (!doc->Views().empty())
        return;
    const auto it = std::find_if(
        m_documents.begin(), m_documents.end(),
        [doc](const std::unique_ptr<CTagwrightDoc>& open) { return open.get() == doc; });
    if (it == m_documents.end())
        return;
    // A text still modified when its last window closed is one the user chose not to save:
    // its copy goes with it.
    if (m_recovery && doc->IsModified())
        m_recovery->DiscardedByUser(*doc);
    // The document goes here and nowhere else.
    m_documents.erase(it);
}

bool CTagwrightApp::SaveAllModified()
{
    // The copies of texts the user chose not to save go only once nothing was cancelled: a
    // cancel keeps every document open, and its copy with it.
    std::vector<CTagwrightDoc*> discarded;
    for (CTagwrightDoc* doc : Documents()) {
        // The user sees the text a question is about.
        if (doc->IsModified() && m_mainFrame)
            m_mainFrame->ActivateDocument(*doc);
        if (!doc->SaveModified())
            return false;
        if (doc->IsModified())
            discarded.push_back(doc);
    }
    if (m_recovery)
        for (CTagwrightDoc* doc : discarded)
            m_recovery->DiscardedByUser(*doc);
    return true;
}

void CTagwrightApp::OnCommitData(QSessionManager& session)
{
    if (session.allowsInteraction()) {
        const bool ok = SaveAllModified();
        session.release();
        if (!ok)
            session.cancel();
        return;
    }
    if (m_recovery)
        m_recovery->WriteAllNow();
}

std::string CTagwrightApp::RecoveryRoot() const
{
    return m_services.recoveryRoot.empty() ? DefaultRecoveryRoot() : m_services.recoveryRoot;
}

void CTagwrightApp::StartRecovery()
{
    if (!m_settings->Preferences().IsOn(Switch::RecoveryCopies))
        return;
    const std::string root = RecoveryRoot();
    auto recovery = std::make_unique<CKRecoveryManager>(root);
    int error = 0;
    if (!recovery->Start(error)) {
        m_services.host->ShowWarning(
            ResText(IDS_RECOVERY_CANNOT_START)
                .arg(QString::fromStdString(root), SystemErrorQText(error)));
        return;
    }
    const auto onCopy = [this](const QString& file, bool ok, int error) {
        // Said once a run: a full disk would otherwise ask every few seconds.
        if (ok || m_recoveryWarned)
            return;
        m_recoveryWarned = true;
        m_services.host->ShowWarning(
            ResText(IDS_RECOVERY_CANNOT_WRITE)
                .arg(QDir::toNativeSeparators(file), SystemErrorQText(error)));
    };
    connect(recovery.get(), &CKRecoveryManager::copyWritten, this, onCopy);
    m_recovery = std::move(recovery);
    TW_TRACE(*m_settings, "Recovery folder " + m_recovery->Folder()->Path());
}

void CTagwrightApp::OnSettingsChanged()
{
    if (m_recovery || !m_settings->Preferences().IsOn(Switch::RecoveryCopies))
        return;
    StartRecovery();
    if (m_recovery)
        for (CTagwrightDoc* doc : Documents())
            m_recovery->Track(*doc);
}

void CTagwrightApp::OfferRecoveredTexts()
{
    const std::string root = RecoveryRoot();
    // Held until the choices are made, so another start does not offer the same copies.
    const std::vector<std::unique_ptr<RecoveryFolder>> leftovers = ClaimLeftoverFolders(root);
    std::vector<RecoveryCandidate> candidates = ReadRecoveryCandidates(leftovers);
    if (candidates.empty())
        return;
    CKRecoveryDialog::Actions actions;
    actions.restore = [this](const RecoveryCandidate& c) { return RestoreRecovered(c); };
    actions.showDifferences = [this](const RecoveryCandidate& c) {
        ShowRecoveryDifferences(c, m_mainFrame.get());
    };
    actions.showError = [this](const QString& text) { m_services.host->ShowError(text); };
    actions.confirm = [this](const QString& text) { return m_services.host->AskYesNo(text); };
    CKRecoveryDialog dialog(std::move(candidates), actions, m_mainFrame.get());
    if (m_services.offerRecovery)
        m_services.offerRecovery(dialog);
    else
        dialog.exec();
    for (const auto& folder : leftovers)
        folder->RemoveIfEmpty();
}

bool CTagwrightApp::StartDocumentAlone() const
{
    if (!m_startDocument || m_documents.size() != 1 || m_documents.front().get() != m_startDocument)
        return false;
    CTagwrightDoc& doc = *m_startDocument;
    CKTextBuffer& buffer = doc.Buffer();
    return !doc.IsModified() && doc.PathName().isEmpty() && buffer.LineCount() == 1
           && buffer.LineLength(0) == 0;
}

bool CTagwrightApp::RestoreRecovered(const RecoveryCandidate& candidate)
{
    const RecoveryInfo& info = candidate.read.info;
    if (!info.path.empty()) {
        // The file may be open already, from the command line: an unchanged copy of it gives
        // way to the recovered text.
        if (CTagwrightDoc* open = FindDocument(info.path); open && !open->IsModified())
            m_mainFrame->CloseDocumentWindows(*open);
    }
    // The empty text made at start only stood in for the texts now restored.
    CTagwrightDoc* const emptyStart = StartDocumentAlone() ? m_startDocument.data() : nullptr;
    std::unique_ptr<CTagwrightDoc> doc = CreateDocument();
    RestoreRecoveredText(*doc, candidate.read);
    // An untitled text keeps its old title unless an open text shows it already.
    if (info.path.empty() && (info.title.empty() || TitleInUse(doc->Title(), emptyStart)))
        doc->SetTitle(NextUntitledTitle(emptyStart));
    // Should the copy not move, it stays where it is until the document has one of its own.
    // With recovery switched off nothing follows the text: the copy goes now that the text is
    // open again, or it would be offered at every start.
    if (m_recovery)
        m_recovery->Adopt(*doc, candidate.file);
    else
        unlink(candidate.file.c_str());
    AddDocument(std::move(doc));
    if (emptyStart) {
        m_mainFrame->CloseDocumentWindows(*emptyStart);
        m_startDocument = nullptr;
    }
    if (!info.path.empty())
        AddRecentFile(info.path);
    return true;
}

void CTagwrightApp::AddRecentFile(const std::string& path) { m_session->Recent().Add(path); }

void CTagwrightApp::OnFileOpen()
{
    const bool remember = m_settings->Preferences().IsOn(Switch::RememberLastDirectory);
    FileDialogRequest request;
    if (remember)
        request.initialFolder = QFile::decodeName(m_session->LastOpenFolder().c_str());
    request.codePage = m_session->RememberedFormat().codePage;
    request.lineEnding = LineEnding::Auto;
    if (!m_services.host->ChooseFileToOpen(request))
        return;
    if (remember)
        m_session->SetLastOpenFolder(NativePath(request.folder));
    m_session->SetRememberedFormat({request.codePage, request.lineEnding});
    for (const QString& path : request.paths) {
        // A file already open in another code page than the one chosen: offer to read it again.
        CTagwrightDoc* open = FindDocument(ResolveNativePath(path));
        if (open && IsKnown(request.codePage) && open->Buffer().CodePage() != request.codePage
            && m_services.host->AskYesNo(ResText(IDS_REOPEN_IN_PAGE)
                                             .arg(QDir::toNativeSeparators(open->PathName()),
                                                  FromUtf8(CodePageName(open->Buffer().CodePage())),
                                                  FromUtf8(CodePageName(request.codePage)))))
            open->ReopenInCodePage(request.codePage);
        const std::string native = NativePathOrComplain(path);
        if (!native.empty())
            OpenDocumentFile(native, request.codePage, request.lineEnding);
    }
}

void CTagwrightApp::OpenRecentFile(int index)
{
    RecentFiles& recent = m_session->Recent();
    if (index >= static_cast<int>(recent.Paths().size()))
        return;
    // A copy: the list changes when the file opens.
    const std::string path = recent.Paths()[index];
    // Opening would give an empty text of that name without a word.
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        if (m_services.host->AskYesNo(ResText(IDS_RECENT_MISSING).arg(ShownPath(path))))
            recent.Remove(index);
        return;
    }
    if (!OpenInItsFormat(path))
        recent.Remove(index);
}

void CTagwrightApp::OnFileSaveAll()
{
    for (CTagwrightDoc* doc : Documents())
        if (doc->IsModified())
            doc->DoFileSave();
}

void CTagwrightApp::OnAppAbout()
{
    const QString text =
        VersionText() + QLatin1Char('\n') + ResText(IDS_COMPILED_ON).arg(QStringLiteral(__DATE__));
    QMessageBox::about(m_mainFrame.get(), ResText(IDS_ABOUT_TITLE), text);
}

void CTagwrightApp::OnHelpContents()
{
    // Installed under share/doc beside the program's bin folder; a program run from its build
    // folder finds the manual of its source tree.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList places{
        programFolder.filePath(QStringLiteral("../share/doc/tagwright/README.md")),
        programFolder.filePath(QStringLiteral("../README.md"))};
    for (const QString& place : places) {
        const QString manual = QDir::cleanPath(place);
        if (QFileInfo::exists(manual)) {
            Host().OpenWithDefaultProgram(manual, [this, manual] {
                Host().ShowError(ResText(IDS_NOT_SHOWN).arg(QDir::toNativeSeparators(manual)));
            });
            return;
        }
    }
    Host().ShowError(
        ResText(IDS_NO_MANUAL).arg(QDir::toNativeSeparators(QDir::cleanPath(places.front()))));
}

std::span<const CommandHandler<CTagwrightApp>> CTagwrightApp::CommandHandlers()
{
    using Handler = CommandHandler<CTagwrightApp>;
    static const Handler handlers[] = {
        {ID_FILE_NEW, [](CTagwrightApp& a, int) { a.NewDocument(); }},
        {ID_FILE_OPEN, [](CTagwrightApp& a, int) { a.OnFileOpen(); }},
        {ID_FILE_SAVE_ALL, [](CTagwrightApp& a, int) { a.OnFileSaveAll(); },
         [](CTagwrightApp& a, CmdUI& ui) { ui.Enable(!a.m_documents.empty()); }},
        {ID_APP_EXIT, [](CTagwrightApp& a, int) { a.m_mainFrame->close(); }},
        {ID_APP_ABOUT, [](CTagwrightApp& a, int) { a.OnAppAbout(); }},
        {ID_HELP_CONTENTS, [](CTagwrightApp& a, int) { a.OnHelpContents(); }},
        {ID_HELP_SHORTCUTS,
         [](CTagwrightApp& a, int) { CKShortcutsDialog(a.m_mainFrame.get()).exec(); }},
        {ID_VIEW_OPTIONS,
         [](CTagwrightApp& a, int) { RunOptionsDialog(*a.m_settings, a.m_mainFrame.get()); }},
        // The recent files by their place in the list.
        {ID_FILE_MRU_FIRST, [](CTagwrightApp& a, int index) { a.OpenRecentFile(index); }},
    };
    return handlers;
}

bool CTagwrightApp::OnCommand(int id)
{
    return DispatchCommand<CTagwrightApp>(*this, CommandHandlers(), id);
}

bool CTagwrightApp::OnUpdateCommand(CmdUI& ui)
{
    return DispatchUpdate<CTagwrightApp>(*this, CommandHandlers(), ui);
}
