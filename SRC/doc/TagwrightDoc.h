// The document: one open file or untitled text with its buffer, source type and file format.
#pragma once

#include "doc/DocView.h"
#include "res/CommandTarget.h"
#include "text/KTextBuffer.h"

#include <QObject>
#include <QString>

#include <span>
#include <vector>

class AppSettings;
class CKDocHost;
class CTagwrightDoc;

// The document's buffer: every change of its modified flag reaches the document.
class CKDocBuffer : public CKTextBuffer {
public:
    explicit CKDocBuffer(CTagwrightDoc& doc) : m_doc(doc) {}
    void SetModified(bool modified) override;

private:
    CTagwrightDoc& m_doc;
};

class CTagwrightDoc : public QObject, public CKCommandTarget {
    Q_OBJECT
public:
    CTagwrightDoc(AppSettings& settings, CKDocHost& host, QObject* parent = nullptr);
    ~CTagwrightDoc() override;

    CKTextBuffer& Buffer() { return m_buffer; }
    AppSettings& Settings() { return m_settings; }
    CKDocHost& Host() { return m_host; }

    int SourceType() const { return m_sourceType; }
    void SetSourceType(int type);

    const QString& PathName() const { return m_pathName; }
    // Sets the path and the title (the path's file name).
    void SetPathName(const QString& path);
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title);
    // The title as the windows show it: with " *" while the text is modified.
    QString DisplayTitle() const;

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified);

    // An empty HTML text.
    bool OnNewDocument();
    // Reads the file in the remembered line ending and code page; a missing file gives an
    // empty HTML document that will be saved under the path.
    bool OnOpenDocument(const QString& path);
    // The same in the given format (code page 0 and line ending -1 detect it).
    bool OnOpenDocument(const QString& path, int codePage, int lineEnding);
    // Reads the file again from disk in another code page, in place: same windows, each
    // caret on its line where the text still has it. Unsaved changes are lost, so it asks
    // first. False when the user declines or the file cannot be read (the text stays).
    bool ReopenInCodePage(int codePage);
    // The code page the start of the file suggests instead of the one it was opened in
    // (UTF-8 for a Windows-1251 file that reads as UTF-8, Windows-1251 for a UTF-8 file that
    // is not), or -1. Set on open and reopen; nothing changes until the user acts on it.
    int EncodingHint() const { return m_encodingHint; }
    void DismissEncodingHint();
    // Writes the text to path in the buffer's line ending and code page.
    bool OnSaveDocument(const QString& path);
    // Save as: with an empty path the save dialog asks for one; with replace the document
    // takes the new path.
    bool DoSave(const QString& path, bool replace);
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
    // The Close command: the application closes the document's windows.
    void closeRequested();

private:
    bool ConfirmLossySave(const QString& target);
    // What follows every good load: the loss warning and the hint.
    void AfterLoad(const QString& path);
    void SetEncodingHint(int page);

    AppSettings& m_settings;
    CKDocHost& m_host;
    CKDocBuffer m_buffer{*this};
    int m_sourceType = 7;
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
    int64_t m_lossyBytesRead = 0; // bytes the last open changed, until the next good save
    int m_encodingHint = -1;
    std::vector<CKDocView*> m_views;
};

// A path as the file functions take it.
std::string NativePath(const QString& path);
