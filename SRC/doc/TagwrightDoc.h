// The document: one open file or untitled text with its buffer, source type and file format.
#pragma once

#include "doc/DocView.h"
#include "res/CommandTarget.h"
#include "spell/core/SpellLanguage.h"
#include "syntax/SourceTypes.h"
#include "text/EncodingHint.h"
#include "text/KTextBuffer.h"

#include <QObject>
#include <QString>

#include <optional>
#include <span>
#include <string>
#include <vector>

class AppSettings;
class CKDocHost;
class CSession;
class CTagwrightDoc;

// The document's buffer: every change of its modified flag reaches the document.
class CKDocBuffer : public CKTextBuffer {
public:
    // The undo step of reading the file again.
    static constexpr int kReloadAction = 100;

    explicit CKDocBuffer(CTagwrightDoc& doc) : m_doc(doc) {}
    void SetModified(bool modified) override;
    bool DescribeAction(int action, std::string& out) const override;

private:
    CTagwrightDoc& m_doc;
};

class CTagwrightDoc : public QObject, public CKCommandTarget {
    Q_OBJECT
public:
    CTagwrightDoc(AppSettings& settings, CSession& session, CKDocHost& host,
                  QObject* parent = nullptr);
    ~CTagwrightDoc() override;

    CKTextBuffer& Buffer() { return m_buffer; }
    AppSettings& Settings() { return m_settings; }
    CSession& Session() { return m_session; }
    CKDocHost& Host() { return m_host; }

    ::SourceType SourceType() const { return m_sourceType; }
    // An unknown type, from a damaged recovery copy, changes nothing.
    void SetSourceType(::SourceType type);

    // The file's path as the user reads it; names that are not UTF-8 show replacement marks.
    // Spell checking of the text: on for the source types the options name, unless switched
    // for this document (until its source type changes).
    bool SpellingOn() const;
    void SetSpellingOn(bool on);
    // The language of the text's Cyrillic words. The per-file memory of the file format may
    // set it when the file opens.
    SpellLanguage CyrillicLanguage() const { return m_cyrillicLanguage; }
    void SetCyrillicLanguage(SpellLanguage language);

    const QString& PathName() const { return m_pathName; }
    // The file's path as the system names it: every file operation uses these bytes.
    const std::string& NativePathName() const { return m_nativePathName; }
    // Sets the path and the title (the path's file name).
    void SetPathName(const QString& path);
    void SetNativePathName(const std::string& path);
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title);
    // The title as the windows show it: with " *" while the text is modified.
    QString DisplayTitle() const;

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified);

    // An empty HTML text.
    bool OnNewDocument();
    // Reads the file in the code page the session remembers for it, detecting the line ending;
    // a missing file gives an empty HTML document that will be saved under the path.
    bool OnOpenDocument(const QString& path);
    // The same in the given format: LineEnding::Auto detects the line ending, CodePage::Detect
    // reads the file in the page its bytes show (page 0 when that is not sure).
    bool OnOpenDocument(const QString& path, CodePage codePage, LineEnding lineEnding);
    bool OnOpenNativeDocument(const std::string& path, CodePage codePage, LineEnding lineEnding);
    // Reads the file again from disk in another code page, in place: same windows, each
    // caret on its line where the text still has it. Unsaved changes are lost, so it asks
    // first. False when the user declines or the file cannot be read (the text stays).
    bool ReopenInCodePage(CodePage codePage);
    // The code page the start of the file suggests instead of the one it was opened in (the
    // page detection is sure of, the page the text declares, Windows-1251 for a UTF-8 file that
    // is not), if any. Set on open and reopen; nothing changes until the user acts on it.
    std::optional<CodePage> EncodingHint() const { return m_encodingHint.page; }
    CodePageHint::Reason EncodingHintReason() const { return m_encodingHint.reason; }
    // How detection chose the code page the file was opened in; empty when the user chose it.
    const QString& CodePageNote() const { return m_codePageNote; }
    // Bytes of the file that the last open could not keep; until the next good save, saving
    // asks first. A text restored after a crash takes the count of the document it was.
    int64_t LossyBytesRead() const { return m_lossyBytesRead; }
    void SetLossyBytesRead(int64_t bytes) { m_lossyBytesRead = bytes; }
    void DismissEncodingHint();
    // Compares the file on disk with the state last read or written: a change or a missing
    // file shows in the document's bar; with "reload without asking" an unmodified text is
    // read again instead.
    void CheckDiskFile();
    // What the bar shows.
    DiskChange DiskChangeShown() const { return m_diskChange; }
    // The file as the text last read or wrote it, or as the user chose to keep it.
    const FileIdentity& DiskState() const { return m_diskState; }
    // The file was read or written just now, or a restored text was based on it: its state is
    // the known one.
    void NoteDiskState(const FileIdentity& state);
    // Reads the file again in the text's code page and line ending as one step that Undo
    // takes back; carets, scrolling and bookmarks stay where their lines still are.
    bool ReloadFromDisk();
    // Takes the file as it is now as known: the bar goes until the next change.
    void KeepMyText();
    // The file on disk against the text, as a unified diff.
    void ShowDiskDifferences();
    // Writes the text to path (as the system names it) in the buffer's line ending and code page.
    bool OnSaveDocument(const std::string& path);
    // Save as: with an empty path the save dialog asks for one; with replace the document
    // takes the new path.
    bool DoSave(const std::string& path, bool replace);
    // The Save command.
    bool DoFileSave();
    // Before closing: asks to save a modified text. False when the user cancels.
    bool SaveModified();
    // The name the save dialog proposes.
    QString ProposedSaveName(bool replace) const;

    void AddView(CKDocView* view);
    void RemoveView(CKDocView* view);
    const std::vector<CKDocView*>& Views() const { return m_views; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;
    // The commands the document runs.
    static std::span<const CommandHandler<CTagwrightDoc>> CommandHandlers();

signals:
    void titleChanged();
    void encodingHintChanged();
    void diskChangeChanged();
    // The file the document stands for is another one, or was just read or written.
    void diskFileSet();
    // Spell checking was switched or its language changed.
    void spellingChanged();
    // The Close command: the application closes the document's windows.
    void closeRequested();

private:
    bool ConfirmLossySave(const QString& target);
    // Before a save over the document's own file that another program changed: asks first.
    bool ConfirmOverwriteChanged(const std::string& target);
    void SetDiskChange(DiskChange change);
    // Replaces the lines that differ from disk's in one undo group; false when a line holds a
    // CR that inserting would take for a line break.
    bool ReplaceChangedLines(const CKTextBuffer& disk);
    // Copies of the old text that interrupted saves left beside the file: the user restores,
    // keeps or deletes each.
    void OfferOldTextCopies(const std::string& file);
    // What follows every good load: the loss warning and the hint.
    void AfterLoad();
    // The next open of the file without a dialog takes the page it has now.
    void RememberFileFormat(const std::string& path);
    void SetEncodingHint(CodePageHint hint);
    // The page detection finds for the file at path, or page 0; sets the note that says which.
    CodePage DetectedCodePage(const std::string& path);
    // Before a save in another page: offers to make the text's charset declaration name that
    // page. True when the text was changed (one undo step).
    bool OfferDeclarationUpdate(const QString& target, CodePage page);

    AppSettings& m_settings;
    CSession& m_session;
    CKDocHost& m_host;
    CKDocBuffer m_buffer{*this};
    ::SourceType m_sourceType = SourceType::Html;
    std::optional<bool> m_spellingSwitched;
    SpellLanguage m_cyrillicLanguage = SpellLanguage::Russian;
    QString m_pathName;
    std::string m_nativePathName;
    QString m_title;
    bool m_modified = false;
    int64_t m_lossyBytesRead = 0; // bytes the last open changed, until the next good save
    CodePageHint m_encodingHint;
    QString m_codePageNote;
    FileIdentity m_diskState;                   // the file when last read or written
    DiskChange m_diskChange = DiskChange::None; // what the bar shows
    bool m_checkingDisk = false;
    std::vector<CKDocView*> m_views;
};

// A path as the file functions take it.
std::string NativePath(const QString& path);
// A path as the system names it, for the user to read.
QString ShownPath(const std::string& path);
// A path from a dialog, a pane or a drop, made absolute, as the system names the file. The
// toolkit replaces the bytes of names that are not UTF-8 ("caf\xe9" becomes "caf\uFFFD"), so
// such a name is looked up among its folder's entries, and the one entry it matches gives the
// true bytes. Empty when several entries match: no other file is taken for the one meant.
std::string ResolveNativePath(const QString& path);
