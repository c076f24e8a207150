// The document: source type, open, save and save as, the modified mark and its commands.
#include "doc/TagwrightDoc.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/Preview.h"
#include "doc/core/AppSettings.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "syntax/SourceTypes.h"
#include "text/CodePages.h"
#include "text/EncodingHint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

QString ErrorText(const CKTextBuffer& buffer)
{
    return QString::fromLocal8Bit(buffer.LastErrorText());
}

using Handler = CommandHandler<CTagwrightDoc>;

// The runs of the command table hold one command per source type and per code page.
static_assert(ID_SOURCE_TYPE_LAST - ID_SOURCE_TYPE_FIRST + 1 == kSourceTypeCount);
static_assert(ID_FILE_REOPEN_LAST - ID_FILE_REOPEN_FIRST + 1 == kCodePageCount);

const Handler kHandlers[] = {
    {ID_FILE_SAVE, [](CTagwrightDoc& d, int) { d.DoFileSave(); }},
    {ID_FILE_SAVE_AS, [](CTagwrightDoc& d, int) { d.DoSave(QString(), true); }},
    {ID_FILE_CLOSE, [](CTagwrightDoc& d, int) { emit d.closeRequested(); }},
    {ID_DOC_CLOSE, [](CTagwrightDoc& d, int) { emit d.closeRequested(); }},
    {ID_PREVIEW_DEFAULT_BROWSER, [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::DefaultBrowser); }},
    {ID_PREVIEW_BROWSER_1, [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::Browser1); }},
    {ID_PREVIEW_BROWSER_2, [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::Browser2); }},
    // The two views of the child window's top bar that this editor does not have.
    {ID_SOURCE},
    {ID_PREVIEW},
    // The source types by number.
    {ID_SOURCE_TYPE_FIRST, [](CTagwrightDoc& d, int type) { d.SetSourceType(type); },
     [](CTagwrightDoc& d, CmdUI& ui) { ui.SetCheck(ui.index == d.SourceType()); }},
    // Reopen with Encoding, by code page.
    {ID_FILE_REOPEN_FIRST, [](CTagwrightDoc& d, int page) { d.ReopenInCodePage(page); },
     [](CTagwrightDoc& d, CmdUI& ui) {
         // Only a text that came from a file can be read again.
         ui.Enable(!d.PathName().isEmpty() && QFileInfo::exists(d.PathName()));
         ui.SetCheck(ui.index == d.Buffer().CodePage());
     }},
};

} // namespace

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

void CKDocBuffer::SetModified(bool modified)
{
    CKTextBuffer::SetModified(modified);
    m_doc.SetModifiedFlag(modified);
}

CTagwrightDoc::CTagwrightDoc(AppSettings& settings, CKDocHost& host, QObject* parent)
    : QObject(parent), m_settings(settings), m_host(host)
{
}

CTagwrightDoc::~CTagwrightDoc() { m_buffer.Clear(); }

void CTagwrightDoc::SetSourceType(int type)
{
    if (type < 0 || type >= kSourceTypeCount)
        return;
    m_sourceType = type;
    for (CKDocView* view : m_views)
        view->OnSourceTypeChanged();
}

void CTagwrightDoc::SetPathName(const QString& path)
{
    m_pathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void CTagwrightDoc::SetTitle(const QString& title)
{
    m_title = title;
    emit titleChanged();
}

QString CTagwrightDoc::DisplayTitle() const
{
    return m_modified ? m_title + QStringLiteral(" *") : m_title;
}

void CTagwrightDoc::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit titleChanged();
}

bool CTagwrightDoc::OnNewDocument()
{
    m_buffer.Clear();
    m_sourceType = SRC_HTML;
    m_lossyBytesRead = 0;
    SetEncodingHint(-1);
    const bool ok = m_buffer.InitEmpty(0, 0);
    SetModifiedFlag(false);
    return ok;
}

bool CTagwrightDoc::OnOpenDocument(const QString& path)
{
    const GlobalSettings& global = m_settings.Global();
    return OnOpenDocument(path, global.codePage, global.lineEnding);
}

bool CTagwrightDoc::OnOpenDocument(const QString& path, int codePage, int lineEnding)
{
    TW_TRACE(m_settings, "Open document \"" + NativePath(path) + "\"");
    m_sourceType = SourceTypeForPath(NativePath(path));
    if (!QFileInfo::exists(path)) {
        // A new file: the text is saved there, in the page asked for, on the first Save.
        OnNewDocument();
        m_buffer.SetCodePage(codePage);
        SetPathName(path);
        return true;
    }
    if (!m_buffer.Load(NativePath(path).c_str(), lineEnding, codePage)) {
        m_host.ShowError(ResText(IDS_OPEN_FAILED).arg(QDir::toNativeSeparators(path), ErrorText(m_buffer)));
        return false;
    }
    m_settings.Global().lineEnding = m_buffer.LineEnding();
    SetPathName(path);
    AfterLoad(path);
    return true;
}

void CTagwrightDoc::AfterLoad(const QString& path)
{
    m_lossyBytesRead = m_buffer.LossyByteCount();
    SetModifiedFlag(false);
    if (m_lossyBytesRead > 0)
        m_host.ShowWarning(ResText(IDS_LOSSY_LOAD).arg(path).arg(m_lossyBytesRead).arg(FromUtf8(CodePageName(m_buffer.CodePage()))));
    SetEncodingHint(SuggestedCodePageForFile(NativePath(path).c_str(), m_buffer.CodePage()));
}

bool CTagwrightDoc::ReopenInCodePage(int codePage)
{
    if (m_pathName.isEmpty() || codePage < 0 || codePage >= kCodePageCount)
        return false;
    if (m_modified
        && !m_host.AskYesNo(ResText(IDS_REOPEN_DISCARDS).arg(QDir::toNativeSeparators(m_pathName))))
        return false;
    std::vector<int> caretLines;
    for (CKDocView* view : m_views)
        caretLines.push_back(view->CaretLine());
    m_host.SetWaitCursor(true);
    const bool loaded = m_buffer.Load(NativePath(m_pathName).c_str(), m_buffer.LineEnding(), codePage);
    m_host.SetWaitCursor(false);
    if (!loaded) {
        m_host.ShowError(ResText(IDS_OPEN_FAILED).arg(QDir::toNativeSeparators(m_pathName), ErrorText(m_buffer)));
        return false;
    }
    for (size_t i = 0; i < m_views.size() && i < caretLines.size(); ++i)
        m_views[i]->SetCaretLine(std::min(caretLines[i], m_buffer.LineCount() - 1));
    AfterLoad(m_pathName);
    return true;
}

void CTagwrightDoc::SetEncodingHint(int page)
{
    if (m_encodingHint == page)
        return;
    m_encodingHint = page;
    emit encodingHintChanged();
}

void CTagwrightDoc::DismissEncodingHint() { SetEncodingHint(-1); }

bool CTagwrightDoc::ConfirmLossySave(const QString& target)
{
    const QString name = QDir::toNativeSeparators(target);
    if (m_lossyBytesRead > 0
        && !m_host.AskYesNo(ResText(IDS_LOSSY_SAVE).arg(name).arg(m_lossyBytesRead).arg(FromUtf8(CodePageName(m_buffer.CodePage())))))
        return false;
    const int64_t unsaveable = m_buffer.UnsaveableCharCount(m_buffer.CodePage());
    return unsaveable == 0
           || m_host.AskYesNo(ResText(IDS_UNSAVEABLE_SAVE).arg(name).arg(unsaveable).arg(FromUtf8(CodePageName(m_buffer.CodePage()))));
}

bool CTagwrightDoc::OnSaveDocument(const QString& path)
{
    TW_TRACE(m_settings, "Save document \"" + NativePath(path) + "\"");
    if (!ConfirmLossySave(path))
        return false;
    m_buffer.SetBackupOnSave(m_settings.Global().createBackups != 0);
    if (!m_buffer.Save(NativePath(path).c_str(), -1, true)) {
        m_host.ShowError(ResText(IDS_SAVE_FAILED).arg(QDir::toNativeSeparators(path), ErrorText(m_buffer)));
        return false;
    }
    m_lossyBytesRead = 0;
    return true;
}

QString CTagwrightDoc::ProposedSaveName(bool replace) const
{
    if (!m_pathName.isEmpty() || !replace)
        return m_pathName;
    QString name = m_title;
    const auto cut = std::find_if(name.begin(), name.end(), [](QChar c) {
        return QStringLiteral(" #%;/\\").contains(c);
    });
    name.truncate(cut - name.begin());
    return name + FromUtf8(DocDescriptorField(DOC_FILTER_EXTENSION));
}

bool CTagwrightDoc::DoSave(const QString& path, bool replace)
{
    QString target = path;
    GlobalSettings& global = m_settings.Global();
    const int oldCodePage = m_buffer.CodePage();
    const int oldLineEnding = m_buffer.LineEnding();
    if (target.isEmpty()) {
        FileDialogRequest request;
        request.fileName = ProposedSaveName(replace);
        const bool remember = global.rememberLastDirectory != 0;
        if (remember && !request.fileName.contains(QLatin1Char('/')))
            request.initialFolder = QString::fromStdString(m_settings.LastFile(settings_values::kLastSavePath));
        request.codePage = oldCodePage;
        request.lineEnding = oldLineEnding;
        if (!m_host.ChooseFileToSave(request))
            return false;
        if (remember)
            m_settings.SetLastFile(settings_values::kLastSavePath, NativePath(request.folder));
        const int lineEnding = request.lineEnding < 0 ? 0 : request.lineEnding;
        global.codePage = request.codePage;
        global.lineEnding = lineEnding;
        m_buffer.SetCodePage(request.codePage);
        m_buffer.SetLineEnding(lineEnding);
        target = request.path;
    }

    m_host.SetWaitCursor(true);
    const bool saved = OnSaveDocument(target);
    m_host.SetWaitCursor(false);
    if (!saved) {
        // The file on disk keeps its old format, so the text does too.
        m_buffer.SetCodePage(oldCodePage);
        m_buffer.SetLineEnding(oldLineEnding);
        return false;
    }
    if (replace)
        SetPathName(target);
    return true;
}

bool CTagwrightDoc::DoFileSave()
{
    const bool readOnly = !m_pathName.isEmpty() && QFileInfo::exists(m_pathName)
                          && access(NativePath(m_pathName).c_str(), W_OK) != 0;
    return DoSave(m_pathName.isEmpty() || readOnly ? QString() : m_pathName, true);
}

bool CTagwrightDoc::SaveModified()
{
    if (!m_modified)
        return true;
    const QString name = m_pathName.isEmpty() ? m_title : QDir::toNativeSeparators(m_pathName);
    switch (m_host.AskYesNoCancel(ResText(IDS_ASK_TO_SAVE).arg(name))) {
    case Answer::Yes:
        return DoFileSave();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void CTagwrightDoc::AddView(CKDocView* view) { m_views.push_back(view); }

void CTagwrightDoc::RemoveView(CKDocView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

bool CTagwrightDoc::OnCommand(int id) { return DispatchCommand<CTagwrightDoc>(*this, kHandlers, id); }

bool CTagwrightDoc::OnUpdateCommand(CmdUI& ui)
{
    return DispatchUpdate<CTagwrightDoc>(*this, kHandlers, ui);
}

std::span<const CommandHandler<CTagwrightDoc>> CTagwrightDoc::CommandHandlers() { return kHandlers; }
