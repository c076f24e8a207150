// The document: source type, open, save and save as, the modified mark and its commands.
#include "doc/TagwrightDoc.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/Preview.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "session/core/Session.h"
#include "settings/core/AppSettings.h"
#include "syntax/SourceTypes.h"
#include "text/CharsetDeclaration.h"
#include "text/CodePageDetector.h"
#include "text/CodePages.h"
#include "text/EditActions.h"
#include "text/EncodingHint.h"
#include "text/OldTextCopy.h"
#include "text/SafeFileWriter.h"
#include "text/UnifiedDiff.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString PageName(CodePage page) { return FromUtf8(CodePageName(page)); }

// A charset declaration in the buffer: the line and the bytes of its name.
struct DeclarationInText {
    int line = -1;
    int x = 0;
    int length = 0;
    std::optional<CodePage> page;
};

// Only the start of a text is looked at, as in a file's hint.
DeclarationInText FindDeclaration(const CKTextBuffer& buffer)
{
    std::string head;
    std::vector<size_t> lineStarts;
    for (int i = 0; i < buffer.LineCount() && head.size() < kEncodingHintBytes; ++i) {
        lineStarts.push_back(head.size());
        head.append(buffer.LineText(i), static_cast<size_t>(buffer.LineLength(i)));
        head += '\n';
    }
    const CharsetDeclaration found = FindCharsetDeclaration(head);
    if (!found.Found())
        return {};
    const auto next = std::upper_bound(lineStarts.begin(), lineStarts.end(), found.offset);
    const int line = static_cast<int>(next - lineStarts.begin()) - 1;
    return {line, static_cast<int>(found.offset - lineStarts[line]), static_cast<int>(found.length),
            found.page};
}

// A UTF-8 file loses whole characters (one "?" for each sequence), a table page single bytes.
int LossyText(int byteText, CodePage page)
{
    if (page != CodePage::Utf8)
        return byteText;
    return byteText == IDS_LOSSY_LOAD ? IDS_LOSSY_LOAD_UTF8 : IDS_LOSSY_SAVE_UTF8;
}

QString ErrorText(const CKTextBuffer& buffer)
{
    return QString::fromLocal8Bit(buffer.LastErrorText());
}

// A file that nobody may write is read-only by its owner's intent, also for root, whom the
// system lets write it anyway.
bool IsReadOnlyFile(const std::string& native)
{
    struct stat st;
    return access(native.c_str(), W_OK) != 0
           || (stat(native.c_str(), &st) == 0 && (st.st_mode & 0222) == 0);
}

bool Exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

using Handler = CommandHandler<CTagwrightDoc>;

// The runs of the command table hold one command per source type and per code page.
static_assert(ID_SOURCE_TYPE_LAST - ID_SOURCE_TYPE_FIRST + 1 == kSourceTypeCount);
static_assert(ID_FILE_REOPEN_LAST - ID_FILE_REOPEN_FIRST + 1 == kCodePageCount);

// The language items of View > Spelling: a radio mark on the document's language.
template <SpellLanguage language>
void ChooseLanguage(CTagwrightDoc& d, int)
{
    d.SetCyrillicLanguage(language);
}
template <SpellLanguage language>
void ShowLanguage(CTagwrightDoc& d, CmdUI& ui)
{
    ui.SetCheck(d.CyrillicLanguage() == language);
}

const Handler kHandlers[] = {
    {ID_VIEW_SPELLING, [](CTagwrightDoc& d, int) { d.SetSpellingOn(!d.SpellingOn()); },
     [](CTagwrightDoc& d, CmdUI& ui) { ui.SetCheck(d.SpellingOn()); }},
    {ID_SPELL_RUSSIAN, ChooseLanguage<SpellLanguage::Russian>,
     ShowLanguage<SpellLanguage::Russian>},
    {ID_SPELL_UKRAINIAN, ChooseLanguage<SpellLanguage::Ukrainian>,
     ShowLanguage<SpellLanguage::Ukrainian>},
    {ID_FILE_SAVE, [](CTagwrightDoc& d, int) { d.DoFileSave(); }},
    {ID_FILE_SAVE_AS, [](CTagwrightDoc& d, int) { d.DoSave({}, true); }},
    {ID_FILE_CLOSE, [](CTagwrightDoc& d, int) { emit d.closeRequested(); }},
    {ID_DOC_CLOSE, [](CTagwrightDoc& d, int) { emit d.closeRequested(); }},
    {ID_PREVIEW_DEFAULT_BROWSER,
     [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::DefaultBrowser); }},
    {ID_PREVIEW_BROWSER_1,
     [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::Browser1); }},
    {ID_PREVIEW_BROWSER_2,
     [](CTagwrightDoc& d, int) { ExternalPreview(d, PreviewTarget::Browser2); }},
    // The two views of the child window's top bar that this editor does not have.
    {ID_SOURCE},
    {ID_PREVIEW},
    // The source types by number.
    {ID_SOURCE_TYPE_FIRST,
     [](CTagwrightDoc& d, int type) { d.SetSourceType(static_cast<SourceType>(type)); },
     [](CTagwrightDoc& d, CmdUI& ui) { ui.SetCheck(ui.index == Number(d.SourceType())); }},
    // Reopen with Encoding, by code page.
    {ID_FILE_REOPEN_FIRST,
     [](CTagwrightDoc& d, int page) { d.ReopenInCodePage(static_cast<CodePage>(page)); },
     [](CTagwrightDoc& d, CmdUI& ui) {
         // Only a text that came from a file can be read again.
         ui.Enable(!d.NativePathName().empty() && Exists(d.NativePathName()));
         ui.SetCheck(ui.index == Number(d.Buffer().CodePage()));
     }},
};

} // namespace

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString ShownPath(const std::string& path)
{
    return QDir::toNativeSeparators(QFile::decodeName(path.c_str()));
}

std::string ResolveNativePath(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    std::string resolved = NativePath(absolute);
    if (!absolute.contains(QChar::ReplacementCharacter) || Exists(resolved))
        return resolved;
    resolved.clear();
    for (const QString& part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const std::string folder = resolved.empty() ? "/" : resolved;
        std::string entry = NativePath(part);
        if (part.contains(QChar::ReplacementCharacter) && !Exists(resolved + "/" + entry)) {
            int matches = 0;
            if (DIR* dir = opendir(folder.c_str())) {
                while (const dirent* found = readdir(dir))
                    if (QFile::decodeName(found->d_name) == part && ++matches == 1)
                        entry = found->d_name;
                closedir(dir);
            }
            if (matches > 1)
                return {};
        }
        resolved += "/" + entry;
    }
    return resolved;
}

void CKDocBuffer::SetModified(bool modified)
{
    CKTextBuffer::SetModified(modified);
    m_doc.SetModifiedFlag(modified);
}

bool CKDocBuffer::DescribeAction(int action, std::string& out) const
{
    if (action != kReloadAction)
        return CKTextBuffer::DescribeAction(action, out);
    out.assign(ResString(IDS_DISK_RELOAD_ACTION));
    return true;
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
    m_spellingSwitched.reset();
    for (CKDocView* view : m_views)
        view->OnSourceTypeChanged();
}

bool CTagwrightDoc::SpellingOn() const
{
    return m_spellingSwitched.value_or(m_settings.Preferences().SpellingOnFor(m_sourceType));
}

void CTagwrightDoc::SetSpellingOn(bool on)
{
    if (on == SpellingOn())
        return;
    m_spellingSwitched = on;
    emit spellingChanged();
}

void CTagwrightDoc::SetCyrillicLanguage(SpellLanguage language)
{
    if (language == m_cyrillicLanguage)
        return;
    m_cyrillicLanguage = language;
    emit spellingChanged();
}

void CTagwrightDoc::SetPathName(const QString& path)
{
    m_pathName = path;
    m_nativePathName = NativePath(path);
    SetTitle(QFileInfo(path).fileName());
    emit diskFileSet();
}

void CTagwrightDoc::SetNativePathName(const std::string& path)
{
    m_nativePathName = path;
    m_pathName = ShownPath(path);
    SetTitle(QFileInfo(m_pathName).fileName());
    emit diskFileSet();
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
    SetEncodingHint({});
    m_codePageNote.clear();
    const bool ok = m_buffer.InitEmpty(LineEnding::Dos, CodePage::Windows1251);
    SetModifiedFlag(false);
    NoteDiskState({});
    return ok;
}

bool CTagwrightDoc::OnOpenDocument(const QString& path)
{
    const FileFormat format =
        m_session.FormatToOpen(NativePath(QFileInfo(path).absoluteFilePath()));
    return OnOpenDocument(path, format.codePage, format.lineEnding);
}

bool CTagwrightDoc::OnOpenDocument(const QString& path, CodePage codePage, LineEnding lineEnding)
{
    return OnOpenNativeDocument(NativePath(path), codePage, lineEnding);
}

bool CTagwrightDoc::OnOpenNativeDocument(const std::string& path, CodePage codePage,
                                         LineEnding lineEnding)
{
    TW_TRACE(m_settings, "Open document \"" + path + "\"");
    m_sourceType = SourceTypeForPath(path);
    m_codePageNote.clear();
    if (!Exists(path)) {
        if (codePage == CodePage::Detect)
            codePage = CodePage::Windows1251;
        // A new file: the text is saved there, in the page asked for, on the first Save.
        OnNewDocument();
        m_buffer.SetCodePage(codePage);
        SetNativePathName(path);
        return true;
    }
    OfferOldTextCopies(path);
    if (codePage == CodePage::Detect)
        codePage = DetectedCodePage(path);
    if (!m_buffer.Load(path.c_str(), lineEnding, codePage)) {
        m_host.ShowError(ResText(IDS_OPEN_FAILED).arg(ShownPath(path), ErrorText(m_buffer)));
        return false;
    }
    SetNativePathName(path);
    NoteDiskState(m_buffer.FileState());
    AfterLoad();
    return true;
}

CodePage CTagwrightDoc::DetectedCodePage(const std::string& path)
{
    std::string head;
    bool cut = false;
    const CodePageGuess guess =
        ReadFileHead(path.c_str(), head, cut) ? DetectCodePage(head, cut) : CodePageGuess{};
    const bool sure = guess.kind == CodePageGuess::Kind::Page;
    const CodePage page = sure ? *guess.page : CodePage::Windows1251;
    const QString name = FromUtf8(CodePageShortName(page));
    if (sure)
        m_codePageNote = ResText(IDS_PAGE_DETECTED).arg(name);
    else if (guess.kind == CodePageGuess::Kind::Ascii)
        m_codePageNote = ResText(IDS_PAGE_ASCII).arg(name);
    else
        m_codePageNote = ResText(IDS_PAGE_NOT_DETECTED).arg(name);
    return page;
}

void CTagwrightDoc::OfferOldTextCopies(const std::string& file)
{
    for (const OldTextCopy& copy : FindOldTextCopies(file)) {
        const QString copyName = QDir::toNativeSeparators(QFile::decodeName(copy.path.c_str()));
        const QString made =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.madeAt), QLocale::ShortFormat);
        enum { kRestore, kKeep, kDelete };
        const int choice = m_host.AskChoice(
            ResText(IDS_OLD_TEXT_FOUND).arg(ShownPath(file), copyName).arg(copy.size).arg(made),
            {ResText(IDS_OLD_TEXT_RESTORE), ResText(IDS_OLD_TEXT_KEEP),
             ResText(IDS_OLD_TEXT_DELETE)},
            kKeep);
        if (choice == kRestore) {
            std::string reason;
            if (!RestoreOldTextCopy(copy.path, file, reason))
                m_host.ShowError(ResText(IDS_OLD_TEXT_NOT_RESTORED)
                                     .arg(copyName, QString::fromLocal8Bit(reason)));
            return; // older copies hold older texts: they are offered at the next open
        }
        if (choice == kDelete && unlink(copy.path.c_str()) != 0)
            m_host.ShowError(ResText(IDS_OLD_TEXT_NOT_DELETED)
                                 .arg(copyName, QString::fromLocal8Bit(SystemErrorText(errno))));
    }
}

void CTagwrightDoc::AfterLoad()
{
    m_lossyBytesRead = m_buffer.LossyByteCount();
    SetModifiedFlag(false);
    if (m_lossyBytesRead > 0)
        m_host.ShowWarning(ResText(LossyText(IDS_LOSSY_LOAD, m_buffer.CodePage()))
                               .arg(m_pathName)
                               .arg(m_lossyBytesRead)
                               .arg(PageName(m_buffer.CodePage())));
    SetEncodingHint(SuggestedCodePageForFile(m_nativePathName.c_str(), m_buffer.CodePage()));
    RememberFileFormat(m_nativePathName);
}

void CTagwrightDoc::RememberFileFormat(const std::string& path)
{
    m_session.RememberFileFormat(path, {m_buffer.CodePage(), m_buffer.LineEnding()});
}

bool CTagwrightDoc::ReopenInCodePage(CodePage codePage)
{
    if (m_nativePathName.empty() || !IsKnown(codePage))
        return false;
    if (m_modified
        && !m_host.AskYesNo(ResText(IDS_REOPEN_DISCARDS).arg(QDir::toNativeSeparators(m_pathName))))
        return false;
    std::vector<int> caretLines;
    for (CKDocView* view : m_views)
        caretLines.push_back(view->CaretLine());
    m_host.SetWaitCursor(true);
    const bool loaded = m_buffer.Load(m_nativePathName.c_str(), m_buffer.LineEnding(), codePage);
    if (loaded)
        m_codePageNote.clear(); // the page is the user's choice now
    m_host.SetWaitCursor(false);
    if (!loaded) {
        m_host.ShowError(ResText(IDS_OPEN_FAILED)
                             .arg(QDir::toNativeSeparators(m_pathName), ErrorText(m_buffer)));
        return false;
    }
    for (size_t i = 0; i < m_views.size() && i < caretLines.size(); ++i)
        m_views[i]->SetCaretLine(std::min(caretLines[i], m_buffer.LineCount() - 1));
    NoteDiskState(m_buffer.FileState());
    AfterLoad();
    return true;
}

void CTagwrightDoc::NoteDiskState(const FileIdentity& state)
{
    m_diskState = state;
    SetDiskChange(DiskChange::None);
    emit diskFileSet();
}

void CTagwrightDoc::SetDiskChange(DiskChange change)
{
    if (m_diskChange == change)
        return;
    m_diskChange = change;
    emit diskChangeChanged();
}

void CTagwrightDoc::CheckDiskFile()
{
    // A question on the screen lets activation events through; one check at a time.
    if (m_pathName.isEmpty() || m_checkingDisk)
        return;
    m_checkingDisk = true;
    FileIdentity now;
    const DiskChange change = ::CheckDiskFile(m_diskState, m_nativePathName, &now);
    // A touched file was read for its hash once; its new time saves reading it again.
    if (change == DiskChange::None && now.exists && now.mtimeNs != m_diskState.mtimeNs)
        m_diskState = now;
    const bool reloaded = change == DiskChange::Changed && !m_modified
                          && m_settings.Preferences().IsOn(Switch::ReloadChangedFiles)
                          && ReloadFromDisk();
    if (!reloaded)
        SetDiskChange(change);
    m_checkingDisk = false;
}

bool CTagwrightDoc::ReloadFromDisk()
{
    if (m_pathName.isEmpty())
        return false;
    CKTextBuffer disk;
    m_host.SetWaitCursor(true);
    const bool loaded =
        disk.Load(m_nativePathName.c_str(), m_buffer.LineEnding(), m_buffer.CodePage());
    m_host.SetWaitCursor(false);
    if (!loaded) {
        m_host.ShowError(
            ResText(IDS_OPEN_FAILED).arg(QDir::toNativeSeparators(m_pathName), ErrorText(disk)));
        return false;
    }
    std::vector<std::pair<int, int>> places; // each view's caret line and top line
    for (CKDocView* view : m_views)
        places.emplace_back(view->CaretLine(), view->FirstVisibleLine());
    if (!ReplaceChangedLines(disk)) {
        // Only a whole new load can hold such lines; it cannot be undone, so it asks first.
        if (m_modified
            && !m_host.AskYesNo(
                ResText(IDS_REOPEN_DISCARDS).arg(QDir::toNativeSeparators(m_pathName))))
            return false;
        if (!m_buffer.Load(m_nativePathName.c_str(), m_buffer.LineEnding(), m_buffer.CodePage())) {
            m_host.ShowError(ResText(IDS_OPEN_FAILED)
                                 .arg(QDir::toNativeSeparators(m_pathName), ErrorText(m_buffer)));
            return false;
        }
    }
    m_buffer.SetReadOnly(disk.IsReadOnly());
    m_buffer.SetByteOrderMark(disk.HasByteOrderMark());
    m_buffer.MarkSaved();
    m_lossyBytesRead = disk.LossyByteCount();
    const int last = m_buffer.LineCount() - 1;
    for (size_t i = 0; i < m_views.size() && i < places.size(); ++i) {
        m_views[i]->SetCaretLine(std::min(places[i].first, last));
        m_views[i]->ShowFromLine(std::min(places[i].second, last));
    }
    NoteDiskState(disk.FileState());
    return true;
}

bool CTagwrightDoc::ReplaceChangedLines(const CKTextBuffer& disk)
{
    // Only the lines between the common start and the common end change, so bookmarks and
    // carets outside them stay on their lines.
    const int oldCount = m_buffer.LineCount();
    const int newCount = disk.LineCount();
    const int shorter = std::min(oldCount, newCount);
    int head = 0;
    while (head < shorter - 1 && m_buffer.Line(head) == disk.Line(head))
        ++head;
    int tail = 0;
    while (tail < shorter - head
           && m_buffer.Line(oldCount - 1 - tail) == disk.Line(newCount - 1 - tail))
        ++tail;
    // Without a common end the last lines are replaced up to their ends, with no break after.
    std::string text;
    for (int i = head; i < newCount - tail; ++i) {
        if (disk.Line(i).find('\r') != std::string_view::npos)
            return false;
        text.append(disk.Line(i));
        if (tail > 0 || i + 1 < newCount)
            text.append("\r\n");
    }
    // A line split by the insertion keeps its flags on its first part, so the bookmarks of the
    // common end are put back on their own lines afterwards.
    std::vector<uint32_t> tailFlags;
    for (int i = oldCount - tail; i < oldCount; ++i)
        tailFlags.push_back(m_buffer.LineFlags(i));
    const bool readOnly = m_buffer.IsReadOnly();
    m_buffer.SetReadOnly(false);
    m_buffer.OpenUndoGroup();
    if (tail > 0 && head < oldCount - tail)
        m_buffer.DeleteText(nullptr, head, 0, oldCount - tail, 0, CKDocBuffer::kReloadAction);
    else if (tail == 0)
        m_buffer.DeleteText(nullptr, head, 0, oldCount - 1, m_buffer.LineLength(oldCount - 1),
                            CKDocBuffer::kReloadAction);
    int endLine = 0, endChar = 0;
    if (!text.empty())
        m_buffer.InsertText(nullptr, head, 0, text, endLine, endChar, CKDocBuffer::kReloadAction);
    m_buffer.CloseUndoGroup(nullptr);
    const auto setFlags = [this](int line, uint32_t flags) {
        for (uint32_t differ = m_buffer.LineFlags(line) ^ flags; differ != 0;
             differ &= differ - 1) {
            const uint32_t bit = differ & (~differ + 1);
            m_buffer.ChangeLineFlag(line, bit, (flags & bit) != 0, false);
        }
    };
    for (int i = head; i < newCount - tail; ++i)
        setFlags(i, 0);
    for (int i = 0; i < tail; ++i)
        setFlags(newCount - tail + i, tailFlags[i]);
    m_buffer.SetReadOnly(readOnly);
    return true;
}

void CTagwrightDoc::KeepMyText()
{
    FileIdentity now;
    if (ReadIdentity(m_nativePathName, now) || !Exists(m_nativePathName))
        NoteDiskState(now);
    SetDiskChange(DiskChange::None);
}

void CTagwrightDoc::ShowDiskDifferences()
{
    std::string onDisk, mine;
    CKTextBuffer disk;
    if (disk.Load(m_nativePathName.c_str(), m_buffer.LineEnding(), m_buffer.CodePage()))
        disk.CopyText(0, 0, disk.LineCount() - 1, disk.LineLength(disk.LineCount() - 1), onDisk);
    const int last = m_buffer.LineCount() - 1;
    m_buffer.CopyText(0, 0, last, m_buffer.LineLength(last), mine);
    const std::string name = ToWindows1251(QDir::toNativeSeparators(m_pathName));
    const std::string diff =
        UnifiedDiff(SplitRecoveryLines(onDisk), SplitRecoveryLines(mine), name,
                    name + " (" + std::string(ResString(IDS_DISK_YOUR_TEXT)) + ")");
    m_host.ShowText(
        ResText(IDS_RECOVERY_DIFFERENCES_TITLE).arg(QDir::toNativeSeparators(m_pathName)),
        diff.empty() ? ResText(IDS_DISK_NO_DIFFERENCES) : FromWindows1251(diff));
}

void CTagwrightDoc::SetEncodingHint(CodePageHint hint)
{
    if (m_encodingHint.page == hint.page && m_encodingHint.reason == hint.reason)
        return;
    m_encodingHint = hint;
    emit encodingHintChanged();
}

void CTagwrightDoc::DismissEncodingHint() { SetEncodingHint({}); }

bool CTagwrightDoc::OfferDeclarationUpdate(const QString& target, CodePage page)
{
    const DeclarationInText declared = FindDeclaration(m_buffer);
    if (declared.line < 0 || declared.page == page || m_buffer.IsReadOnly())
        return false;
    const std::string_view newName = CharsetNameOfPage(page);
    const QString oldName =
        QString::fromLatin1(m_buffer.LineText(declared.line) + declared.x, declared.length);
    if (newName.empty()
        || !m_host.AskYesNo(
            ResText(IDS_UPDATE_DECLARATION)
                .arg(QDir::toNativeSeparators(target), oldName, PageName(page), FromUtf8(newName))))
        return false;
    int endLine, endChar;
    m_buffer.OpenUndoGroup();
    const bool changed = m_buffer.DeleteText(nullptr, declared.line, declared.x, declared.line,
                                             declared.x + declared.length, ACTION_REPLACE)
                         && m_buffer.InsertText(nullptr, declared.line, declared.x, newName,
                                                endLine, endChar, ACTION_REPLACE);
    m_buffer.CloseUndoGroup(nullptr);
    return changed;
}

bool CTagwrightDoc::ConfirmLossySave(const QString& target)
{
    const QString name = QDir::toNativeSeparators(target);
    if (m_lossyBytesRead > 0
        && !m_host.AskYesNo(ResText(LossyText(IDS_LOSSY_SAVE, m_buffer.CodePage()))
                                .arg(name)
                                .arg(m_lossyBytesRead)
                                .arg(PageName(m_buffer.CodePage()))))
        return false;
    const int64_t unsaveable = m_buffer.UnsaveableCharCount(m_buffer.CodePage());
    return unsaveable == 0
           || m_host.AskYesNo(ResText(IDS_UNSAVEABLE_SAVE)
                                  .arg(name)
                                  .arg(unsaveable)
                                  .arg(FromUtf8(CodePageName(m_buffer.CodePage()))));
}

bool CTagwrightDoc::ConfirmOverwriteChanged(const std::string& target)
{
    if (m_nativePathName.empty() || target != m_nativePathName)
        return true;
    enum { kOverwrite, kShowDifferences, kCancel };
    for (;;) {
        if (::CheckDiskFile(m_diskState, target) != DiskChange::Changed)
            return true;
        const int choice =
            m_host.AskChoice(ResText(IDS_DISK_ASK_OVERWRITE).arg(ShownPath(target)),
                             {ResText(IDS_DISK_OVERWRITE), ResText(IDS_DISK_SHOW_DIFFERENCES),
                              ResText(IDS_DISK_CANCEL)},
                             kCancel);
        if (choice != kShowDifferences)
            return choice == kOverwrite;
        ShowDiskDifferences();
    }
}

bool CTagwrightDoc::OnSaveDocument(const std::string& path)
{
    TW_TRACE(m_settings, "Save document \"" + path + "\"");
    if (!ConfirmOverwriteChanged(path) || !ConfirmLossySave(ShownPath(path)))
        return false;
    m_buffer.SetBackupOnSave(m_settings.Preferences().IsOn(Switch::CreateBackups));
    if (!m_buffer.Save(path.c_str(), LineEnding::Auto, true)) {
        m_host.ShowError(ResText(IDS_SAVE_FAILED).arg(ShownPath(path), ErrorText(m_buffer)));
        return false;
    }
    m_lossyBytesRead = 0;
    if (path == m_nativePathName)
        NoteDiskState(m_buffer.FileState());
    RememberFileFormat(path);
    return true;
}

QString CTagwrightDoc::ProposedSaveName(bool replace) const
{
    if (!m_pathName.isEmpty() || !replace)
        return m_pathName;
    QString name = m_title;
    const auto cut = std::find_if(name.begin(), name.end(),
                                  [](QChar c) { return QStringLiteral(" #%;/\\").contains(c); });
    name.truncate(cut - name.begin());
    return name + FromUtf8(DocDescriptorField(DOC_FILTER_EXTENSION));
}

bool CTagwrightDoc::DoSave(const std::string& path, bool replace)
{
    std::string target = path;
    const CodePage oldCodePage = m_buffer.CodePage();
    const LineEnding oldLineEnding = m_buffer.LineEnding();
    bool declarationChanged = false;
    if (target.empty()) {
        FileDialogRequest request;
        request.fileName = ProposedSaveName(replace);
        const bool remember = m_settings.Preferences().IsOn(Switch::RememberLastDirectory);
        if (remember && !request.fileName.contains(QLatin1Char('/')))
            request.initialFolder = QString::fromStdString(m_session.LastSaveFolder());
        request.codePage = oldCodePage;
        request.lineEnding = oldLineEnding;
        if (!m_host.ChooseFileToSave(request))
            return false;
        target = ResolveNativePath(request.path);
        if (target.empty()) {
            m_host.ShowError(
                ResText(IDS_NAME_AMBIGUOUS).arg(QDir::toNativeSeparators(request.path)));
            return false;
        }
        if (remember)
            m_session.SetLastSaveFolder(NativePath(request.folder));
        const LineEnding lineEnding =
            request.lineEnding == LineEnding::Auto ? LineEnding::Dos : request.lineEnding;
        m_session.SetRememberedFormat({request.codePage, lineEnding});
        if (request.codePage != oldCodePage)
            declarationChanged = OfferDeclarationUpdate(ShownPath(target), request.codePage);
        m_buffer.SetCodePage(request.codePage);
        m_buffer.SetLineEnding(lineEnding);
    }

    m_host.SetWaitCursor(true);
    const bool saved = OnSaveDocument(target);
    m_host.SetWaitCursor(false);
    if (!saved) {
        // The file on disk keeps its old format, so the text does too, declaration included.
        m_buffer.SetCodePage(oldCodePage);
        m_buffer.SetLineEnding(oldLineEnding);
        TextPoint caret;
        if (declarationChanged)
            m_buffer.Undo(caret);
        return false;
    }
    if (m_buffer.CodePage() != oldCodePage)
        m_codePageNote.clear();
    if (replace && target != m_nativePathName) {
        SetNativePathName(target);
        NoteDiskState(m_buffer.FileState());
    }
    return true;
}

bool CTagwrightDoc::DoFileSave()
{
    const bool readOnly =
        !m_nativePathName.empty() && Exists(m_nativePathName) && IsReadOnlyFile(m_nativePathName);
    return DoSave(readOnly ? std::string() : m_nativePathName, true);
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

bool CTagwrightDoc::OnCommand(int id)
{
    return DispatchCommand<CTagwrightDoc>(*this, kHandlers, id);
}

bool CTagwrightDoc::OnUpdateCommand(CmdUI& ui)
{
    return DispatchUpdate<CTagwrightDoc>(*this, kHandlers, ui);
}

std::span<const CommandHandler<CTagwrightDoc>> CTagwrightDoc::CommandHandlers()
{
    return kHandlers;
}
