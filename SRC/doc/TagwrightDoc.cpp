// The document: source type, open, save and save as, the modified mark and its commands.
#include "doc/TagwrightDoc.h"

#include "doc/DocHost.h"
#include "doc/Preview.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "session/core/Session.h"
#include "settings/core/AppSettings.h"
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

QString Res(int id)
{
    const std::string_view text = ResString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PageName(CodePage page)
{
    const std::string_view name = CodePageName(page);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString ErrorText(const CKTextBuffer& buffer)
{
    return QString::fromLocal8Bit(buffer.LastErrorText());
}

using Row = CommandRow<CTagwrightDoc>;

void Disable(CTagwrightDoc&, CmdUI& ui) { ui.Enable(false); }

const Row kRows[] = {
    {{ID_FILE_SAVE, "&Save", "Ctrl+S", "Save the active document", "Save", "save"},
     [](CTagwrightDoc& d, int) { d.DoFileSave(); }},
    {{ID_FILE_SAVE_AS, "Save &As...", {}, "Save the active document with a new name", "Save As"},
     [](CTagwrightDoc& d, int) { d.DoSave(QString(), true); }},
    {{ID_FILE_CLOSE, "&Close", {}, "Close the active document", "Close"},
     [](CTagwrightDoc& d, int) { emit d.closeRequested(); }},
    {{ID_DOC_CLOSE, "Close", {}, "Close the document", "Close", "close"},
     [](CTagwrightDoc& d, int) { emit d.closeRequested(); }},
    {{ID_PREVIEW_DEFAULT_BROWSER, "&Preview in default browser", "F5",
      "Preview the document in the system default browser", "Preview in system default browser",
      "preview"},
     [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::DefaultBrowser); }},
    {{ID_PREVIEW_BROWSER_1, "Preview in browser 1", "F6", "Preview the document in browser 1",
      "Preview in browser 1", "browser1"},
     [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::Browser1); }},
    {{ID_PREVIEW_BROWSER_2, "Preview in browser 2", "F7", "Preview the document in browser 2",
      "Preview in browser 2", "browser2"},
     [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::Browser2); }},
    {{ID_SOURCE, "Source", {}, "Show the source", "Source", "source"}, nullptr, Disable},
    {{ID_PREVIEW, "Preview", {}, "Show the preview", "Preview", "preview"}, nullptr, Disable},
    // The source types by number; their texts are the types' names.
    {{ID_SOURCE_TYPE_FIRST},
     [](CTagwrightDoc& d, int type) { d.SetSourceType(static_cast<SourceType>(type)); },
     [](CTagwrightDoc& d, CmdUI& ui) {
         ui.SetCheck(ui.id - ID_SOURCE_TYPE_FIRST == Number(d.SourceType()));
     },
     0, kSourceTypeCount},
    // Reopen with Encoding, by code page; their texts are the pages' names.
    {{ID_FILE_REOPEN_FIRST},
     [](CTagwrightDoc& d, int page) { d.ReopenInCodePage(static_cast<CodePage>(page)); },
     [](CTagwrightDoc& d, CmdUI& ui) {
         // Only a text that came from a file can be read again.
         ui.Enable(!d.PathName().isEmpty() && QFileInfo::exists(d.PathName()));
         ui.SetCheck(ui.id - ID_FILE_REOPEN_FIRST == Number(d.Buffer().CodePage()));
     },
     0, kCodePageCount},
};

} // namespace

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

void CKDocBuffer::SetModified(bool modified)
{
    CKTextBuffer::SetModified(modified);
    m_doc.SetModifiedFlag(modified);
}

CTagwrightDoc::CTagwrightDoc(AppSettings& settings, CSession& session, CKDocHost& host,
                             QObject* parent)
    : QObject(parent), m_settings(settings), m_session(session), m_host(host)
{
}

CTagwrightDoc::~CTagwrightDoc() { m_buffer.Clear(); }

void CTagwrightDoc::SetSourceType(::SourceType type)
{
    if (!IsKnown(type))
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
    m_sourceType = SourceType::Html;
    m_lossyBytesRead = 0;
    SetEncodingHint(std::nullopt);
    const bool ok = m_buffer.InitEmpty(LineEnding::Dos, CodePage::Windows1251);
    SetModifiedFlag(false);
    return ok;
}

bool CTagwrightDoc::OnOpenDocument(const QString& path)
{
    const FileFormat format = m_session.FormatToOpen(NativePath(QFileInfo(path).absoluteFilePath()));
    return OnOpenDocument(path, format.codePage, format.lineEnding);
}

bool CTagwrightDoc::OnOpenDocument(const QString& path, CodePage codePage, LineEnding lineEnding)
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
        m_host.ShowError(Res(IDS_OPEN_FAILED).arg(QDir::toNativeSeparators(path), ErrorText(m_buffer)));
        return false;
    }
    SetPathName(path);
    AfterLoad(path);
    return true;
}

void CTagwrightDoc::AfterLoad(const QString& path)
{
    m_lossyBytesRead = m_buffer.LossyByteCount();
    SetModifiedFlag(false);
    if (m_lossyBytesRead > 0)
        m_host.ShowWarning(Res(IDS_LOSSY_LOAD).arg(path).arg(m_lossyBytesRead).arg(PageName(m_buffer.CodePage())));
    SetEncodingHint(SuggestedCodePageForFile(NativePath(path).c_str(), m_buffer.CodePage()));
    RememberFileFormat(path);
}

void CTagwrightDoc::RememberFileFormat(const QString& path)
{
    m_session.RememberFileFormat(NativePath(QFileInfo(path).absoluteFilePath()),
                                 {m_buffer.CodePage(), m_buffer.LineEnding()});
}

bool CTagwrightDoc::ReopenInCodePage(CodePage codePage)
{
    if (m_pathName.isEmpty() || !IsKnown(codePage))
        return false;
    if (m_modified
        && !m_host.AskYesNo(Res(IDS_REOPEN_DISCARDS).arg(QDir::toNativeSeparators(m_pathName))))
        return false;
    std::vector<int> caretLines;
    for (CKDocView* view : m_views)
        caretLines.push_back(view->CaretLine());
    m_host.SetWaitCursor(true);
    const bool loaded = m_buffer.Load(NativePath(m_pathName).c_str(), m_buffer.LineEnding(), codePage);
    m_host.SetWaitCursor(false);
    if (!loaded) {
        m_host.ShowError(Res(IDS_OPEN_FAILED).arg(QDir::toNativeSeparators(m_pathName), ErrorText(m_buffer)));
        return false;
    }
    for (size_t i = 0; i < m_views.size() && i < caretLines.size(); ++i)
        m_views[i]->SetCaretLine(std::min(caretLines[i], m_buffer.LineCount() - 1));
    AfterLoad(m_pathName);
    return true;
}

void CTagwrightDoc::SetEncodingHint(std::optional<CodePage> page)
{
    if (m_encodingHint == page)
        return;
    m_encodingHint = page;
    emit encodingHintChanged();
}

void CTagwrightDoc::DismissEncodingHint() { SetEncodingHint(std::nullopt); }

bool CTagwrightDoc::ConfirmLossySave(const QString& target)
{
    const QString name = QDir::toNativeSeparators(target);
    if (m_lossyBytesRead > 0
        && !m_host.AskYesNo(Res(IDS_LOSSY_SAVE).arg(name).arg(m_lossyBytesRead).arg(PageName(m_buffer.CodePage()))))
        return false;
    const int64_t unsaveable = m_buffer.UnsaveableCharCount(m_buffer.CodePage());
    return unsaveable == 0
           || m_host.AskYesNo(Res(IDS_UNSAVEABLE_SAVE).arg(name).arg(unsaveable).arg(PageName(m_buffer.CodePage())));
}

bool CTagwrightDoc::OnSaveDocument(const QString& path)
{
    TW_TRACE(m_settings, "Save document \"" + NativePath(path) + "\"");
    if (!ConfirmLossySave(path))
        return false;
    m_buffer.SetBackupOnSave(m_settings.Preferences().IsOn(Switch::CreateBackups));
    if (!m_buffer.Save(NativePath(path).c_str(), LineEnding::Auto, true)) {
        m_host.ShowError(Res(IDS_SAVE_FAILED).arg(QDir::toNativeSeparators(path), ErrorText(m_buffer)));
        return false;
    }
    m_lossyBytesRead = 0;
    RememberFileFormat(path);
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
    const std::string_view ext = DocDescriptorField(DOC_FILTER_EXTENSION);
    return name + QString::fromUtf8(ext.data(), static_cast<qsizetype>(ext.size()));
}

bool CTagwrightDoc::DoSave(const QString& path, bool replace)
{
    QString target = path;
    const CodePage oldCodePage = m_buffer.CodePage();
    const LineEnding oldLineEnding = m_buffer.LineEnding();
    if (target.isEmpty()) {
        FileDialogRequest request;
        request.fileName = ProposedSaveName(replace);
        const bool remember = m_settings.Preferences().IsOn(Switch::RememberLastDirectory);
        if (remember && !request.fileName.contains(QLatin1Char('/')))
            request.initialFolder = QString::fromStdString(m_session.LastSaveFolder());
        request.codePage = oldCodePage;
        request.lineEnding = oldLineEnding;
        if (!m_host.ChooseFileToSave(request))
            return false;
        if (remember)
            m_session.SetLastSaveFolder(NativePath(request.folder));
        const LineEnding lineEnding
            = request.lineEnding == LineEnding::Auto ? LineEnding::Dos : request.lineEnding;
        m_session.SetRememberedFormat({request.codePage, lineEnding});
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
    switch (m_host.AskYesNoCancel(Res(IDS_ASK_TO_SAVE).arg(name))) {
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

bool CTagwrightDoc::OnCommand(int id) { return RunCommandRow<CTagwrightDoc>(*this, kRows, id); }

bool CTagwrightDoc::OnUpdateCommand(CmdUI& ui)
{
    return UpdateCommandRow<CTagwrightDoc>(*this, kRows, ui);
}

std::span<const CommandRow<CTagwrightDoc>> CTagwrightDoc::CommandRows() { return kRows; }
