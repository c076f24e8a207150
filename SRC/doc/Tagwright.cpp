// Start-up, the document list, the application's commands and exit.
#include "doc/Tagwright.h"

#include "doc/DebugReportDialog.h"
#include "doc/DesktopHost.h"
#include "doc/ExitSignals.h"
#include "doc/InstanceGuard.h"
#include "doc/KSettingsStore.h"
#include "doc/Preview.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "doc/core/VersionInfo.h"
#include "frame/ChildFrm.h"
#include "frame/MainFrm.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "syntax/HtmlKeywords.h"
#include "text/CodePages.h"
#include "view/KTextView.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <algorithm>
#include <clocale>

namespace {

// How long a start waits for the lock of an instance that did not take its file.
constexpr int kTakeOverWaitMs = 2000;

QString Res(int id)
{
    const std::string_view text = ResString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PageName(int page)
{
    const std::string_view name = CodePageName(page);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

CTagwrightApp::CTagwrightApp(QObject* parent) : QObject(parent) {}

CTagwrightApp::~CTagwrightApp()
{
    // The windows hold views of the documents, so they go first.
    m_mainFrame.reset();
    // Documents whose last window closed wait for deletion; the rest are still listed.
    qDeleteAll(findChildren<CTagwrightDoc*>(QString(), Qt::FindDirectChildrenOnly));
    m_documents.clear();
    // The record of a clean end comes last, after the settings were written.
    if (m_settings)
        m_settings->TraceCleanExit(__LINE__, __FILE__);
}

bool CTagwrightApp::InitInstance(const QStringList& arguments)
{
    const QString file = arguments.size() > 1 ? arguments.at(1) : QString();

    // Another instance takes the file and this one ends without touching the settings. One
    // that does not take it is exiting or hangs, and this one starts in its place.
    m_guard = std::make_unique<CKInstanceGuard>(CKInstanceGuard::DefaultFolders());
    if (m_guard->AnotherInstanceRuns()) {
        if (m_guard->HandOver(file.isEmpty() ? QString() : QFileInfo(file).absoluteFilePath()))
            return false;
        m_guard->TakeOver(kTakeOverWaitMs);
    }

    // Asked to end by a signal, the program still writes its settings and releases its lock.
    m_exitSignals = std::make_unique<CKExitSignals>();
    connect(m_exitSignals.get(), &CKExitSignals::exitRequested, this, [this](int signal) {
        if (m_settings)
            TW_TRACE(*m_settings, "Exit on signal " + std::to_string(signal));
        // Unlike quit(), this asks no questions about unsaved texts, and it ends the loops of
        // dialogs that are open. A dialog of the start-up leaves the main loop to see the flag.
        m_exitRequested = true;
        QCoreApplication::exit(0);
    });
    m_exitSignals->Install();

    std::setlocale(LC_ALL, "");
    m_store = std::make_unique<CKSettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    if (!m_settings->Start(&CKDebugReportDialog::Ask))
        return false;
    m_saveSettingsAtExit = true;
    TW_TRACE(*m_settings, "Settings root " + NativePath(m_store->Path()));

    m_recent.Load(*m_store);
    TW_TRACE(*m_settings, "Recent files loaded");

    FillHtmlKeywords();
    TW_TRACE(*m_settings, "HTML keyword table built");

    m_host = std::make_unique<CKDesktopHost>([this]() -> QWidget* {
        QWidget* active = QApplication::activeWindow();
        return active ? active : m_mainFrame.get();
    });
    const DocViewFactory views = [](CTagwrightDoc& doc, QWidget* parent) -> CKDocView* {
        return new CKTextView(doc, parent);
    };
    m_mainFrame = std::make_unique<CMainFrame>(*this, *m_settings, views);
    if (!m_mainFrame->Create())
        return false;
    TW_TRACE(*m_settings, "Main frame created");

    connect(m_guard.get(), &CKInstanceGuard::fileRequested, m_mainFrame.get(), &CMainFrame::OpenRequest);
    m_guard->Listen();

    if (file.isEmpty()) {
        NewDocument();
    } else if (!OpenCommandLineFile(file)) {
        TW_TRACE(*m_settings, "Command line file not opened");
        return false;
    }
    TW_TRACE(*m_settings, "Command line processed");

    // Activated also without a window manager, so that the keys work before the first click.
    m_mainFrame->show();
    m_mainFrame->activateWindow();
    TW_TRACE(*m_settings, "Main window shown");
    return true;
}

void CTagwrightApp::ExitInstance()
{
    // A later start must not hand its file to this instance any more.
    m_guard->Release();
    if (m_saveSettingsAtExit) {
        TW_TRACE(*m_settings, "Exit");
        DeletePreviewFile(*m_settings);
        m_recent.Save(*m_store);
        m_settings->SaveAtExit();
    }
    RemovePreviewFolder();
}

CTagwrightDoc* CTagwrightApp::CreateDocument()
{
    auto* doc = new CTagwrightDoc(*m_settings, *m_host, this);
    connect(doc, &CTagwrightDoc::closeRequested, this, [this, doc] { CloseDocument(*doc); });
    return doc;
}

CTagwrightDoc* CTagwrightApp::NewDocument()
{
    CTagwrightDoc* doc = CreateDocument();
    doc->OnNewDocument();
    const std::string_view name = DocDescriptorField(DOC_NEW_FILE_NAME);
    doc->SetTitle(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                  + QString::number(++m_untitledCount));
    m_documents.push_back(doc);
    m_mainFrame->CreateChildFrame(*doc);
    return doc;
}

CTagwrightDoc* CTagwrightApp::OpenDocumentFile(const QString& path)
{
    const GlobalSettings& global = m_settings->Global();
    return OpenDocumentFile(path, global.codePage, global.lineEnding);
}

CTagwrightDoc* CTagwrightApp::OpenCommandLineFile(const QString& path)
{
    return path.isEmpty() ? nullptr : OpenDocumentFile(path, 0, -1);
}

CTagwrightDoc* CTagwrightApp::FindDocument(const QString& path) const
{
    const QString full = QFileInfo(path).absoluteFilePath();
    for (CTagwrightDoc* doc : m_documents)
        if (!doc->PathName().isEmpty() && QFileInfo(doc->PathName()).absoluteFilePath() == full)
            return doc;
    return nullptr;
}

CTagwrightDoc* CTagwrightApp::OpenDocumentFile(const QString& path, int codePage, int lineEnding)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    if (CTagwrightDoc* open = FindDocument(full)) {
        m_mainFrame->ActivateDocument(*open);
        return open;
    }
    CTagwrightDoc* doc = CreateDocument();
    if (!doc->OnOpenDocument(full, codePage, lineEnding)) {
        delete doc;
        return nullptr;
    }
    m_documents.push_back(doc);
    m_mainFrame->CreateChildFrame(*doc);
    AddRecentFile(full);
    return doc;
}

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
    const auto it = std::find(m_documents.begin(), m_documents.end(), doc);
    if (it == m_documents.end())
        return;
    m_documents.erase(it);
    doc->deleteLater();
}

bool CTagwrightApp::SaveAllModified()
{
    return std::all_of(m_documents.begin(), m_documents.end(),
                       [](CTagwrightDoc* doc) { return doc->SaveModified(); });
}

void CTagwrightApp::AddRecentFile(const QString& path)
{
    m_recent.Add(NativePath(path));
}

void CTagwrightApp::OnFileOpen()
{
    GlobalSettings& global = m_settings->Global();
    FileDialogRequest request;
    if (global.rememberLastDirectory)
        request.initialFolder = QFile::decodeName(m_settings->LastFile(settings_values::kLastOpenPath).c_str());
    request.codePage = global.codePage;
    request.lineEnding = -1;
    if (!m_host->ChooseFileToOpen(request))
        return;
    if (global.rememberLastDirectory)
        m_settings->SetLastFile(settings_values::kLastOpenPath, NativePath(request.folder));
    global.codePage = request.codePage;
    global.lineEnding = request.lineEnding;
    // A file already open in another code page than the one chosen: offer to read it again.
    CTagwrightDoc* open = FindDocument(request.path);
    if (open && open->Buffer().CodePage() != request.codePage
        && m_host->AskYesNo(Res(IDS_REOPEN_IN_PAGE)
                                .arg(QDir::toNativeSeparators(open->PathName()),
                                     PageName(open->Buffer().CodePage()), PageName(request.codePage))))
        open->ReopenInCodePage(request.codePage);
    OpenDocumentFile(request.path);
}

void CTagwrightApp::OpenRecentFile(int index)
{
    if (index >= static_cast<int>(m_recent.Paths().size()))
        return;
    const QString path = QFile::decodeName(m_recent.Paths()[index].c_str());
    // Opening would give an empty text of that name without a word.
    if (!QFileInfo::exists(path)) {
        if (m_host->AskYesNo(Res(IDS_RECENT_MISSING).arg(QDir::toNativeSeparators(path))))
            m_recent.Remove(index);
        return;
    }
    if (!OpenDocumentFile(path))
        m_recent.Remove(index);
}

void CTagwrightApp::OnFileSaveAll()
{
    for (CTagwrightDoc* doc : std::vector<CTagwrightDoc*>(m_documents))
        if (doc->IsModified())
            doc->DoFileSave();
}

void CTagwrightApp::OnAppAbout()
{
    const QString text = Res(IDS_VERSION_LINE)
                             .arg(kVersionMajor)
                             .arg(kVersionMinor, 2, 10, QLatin1Char('0'))
                             .arg(kVersionBuild)
                         + QLatin1Char('\n') + Res(IDS_COMPILED_ON).arg(QStringLiteral(__DATE__));
    QMessageBox::about(m_mainFrame.get(), QStringLiteral("About Tagwright"), text);
}

bool CTagwrightApp::OnCommand(int id)
{
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        OpenRecentFile(id - ID_FILE_MRU_FIRST);
        return true;
    }
    switch (id) {
    case ID_FILE_NEW:
        NewDocument();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_SAVE_ALL:
        OnFileSaveAll();
        return true;
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case ID_APP_EXIT:
        m_mainFrame->close();
        return true;
    default:
        return false;
    }
}

bool CTagwrightApp::OnUpdateCommand(CmdUI& ui)
{
    if (ui.id >= ID_FILE_MRU_FIRST && ui.id <= ID_FILE_MRU_LAST)
        return true;
    switch (ui.id) {
    case ID_FILE_SAVE_ALL:
        ui.Enable(!m_documents.empty());
        return true;
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_APP_ABOUT:
    case ID_APP_EXIT:
        return true;
    default:
        return false;
    }
}
