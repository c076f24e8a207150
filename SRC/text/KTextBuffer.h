// The text of one document: lines with flags, changes with notification, undo, load and save.
#pragma once

#include "text/GrowableArray.h"
#include "text/TextTypes.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// One change in the undo history.
struct UndoRecord {
    static constexpr uint32_t kInsert = 0x001;     // clear: a deletion
    static constexpr uint32_t kGroupStart = 0x100; // first record of a group

    uint32_t flags = 0;
    TextPoint start;
    TextPoint end;
    int action = 0;
    std::string text; // inserted text, or removed text with CR LF between lines

    bool IsInsert() const { return flags & kInsert; }
    bool StartsGroup() const { return flags & kGroupStart; }
};

class CKTextBuffer {
public:
    static constexpr int kUndoLimit = 2048;
    static constexpr int kLoadGrowStep = 4096;

    CKTextBuffer() = default;
    CKTextBuffer(const CKTextBuffer&) = delete;
    CKTextBuffer& operator=(const CKTextBuffer&) = delete;
    virtual ~CKTextBuffer();

    // Lifecycle.
    bool InitEmpty(int lineEnding = 0, int codePage = 0);
    void Clear();
    bool IsInitialised() const { return m_initialised; }

    // Files. lineEnding -1 detects on load and means the buffer's own mode on save.
    // On failure LastError() holds the system's error number.
    bool Load(const char* path, int lineEnding = -1, int codePage = 0);
    bool Save(const char* path, int lineEnding = -1, bool clearModified = true);
    int LastError() const { return m_lastError; }
    std::string LastErrorText() const;
    // Whether Save keeps the replaced file as "<name>.bak".
    void SetBackupOnSave(bool on) { m_backupOnSave = on; }
    bool BackupOnSave() const { return m_backupOnSave; }
    // File bytes of the last Load that its code page cannot bring back unchanged (for UTF-8:
    // characters that Windows-1251 lacks and bytes that are not valid UTF-8).
    int64_t LossyByteCount() const { return m_lossyBytes; }
    // Whether a UTF-8 file started with a byte order mark; Save in UTF-8 writes one back then.
    bool HasByteOrderMark() const { return m_byteOrderMark; }
    void SetByteOrderMark(bool on) { m_byteOrderMark = on; }
    // Characters of the text that the given code page cannot hold.
    int64_t UnsaveableCharCount(int codePage) const;

    // Queries.
    int LineCount() const { return m_lines.Size(); }
    int LineLength(int line) const { return m_lines[line].length; }
    const char* LineText(int line) const { return m_lines[line].text; }
    std::string_view Line(int line) const { return {m_lines[line].text, size_t(m_lines[line].length)}; }
    uint32_t LineFlags(int line) const { return m_lines[line].flags; }
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsModified() const { return m_modified; }
    int LineEnding() const { return m_lineEnding; }
    void SetLineEnding(int mode) { m_lineEnding = mode; }
    int CodePage() const { return m_codePage; }
    void SetCodePage(int page) { m_codePage = page; }
    bool IsLeadByte(int, int) const { return false; } // the text is single-byte
    bool IsValidPosition(int line, int ch) const;

    // Line flags and bookmarks.
    int FindLineWithFlag(uint32_t flag) const;
    void ChangeLineFlag(int line, uint32_t flag, bool set, bool exclusive);
    int NextBookmarkLine(int line) const;
    int PrevBookmarkLine(int line) const;

    void CopyText(int startLine, int startChar, int endLine, int endChar, std::string& out,
                  std::string_view separator = "\r\n") const;

    void AttachView(CKBufferView* view);
    void DetachView(CKBufferView* view);

    // Changes. False means nothing changed: a read-only buffer or an invalid position.
    bool RawInsert(CKBufferView* source, int line, int ch, std::string_view text, int& endLine,
                   int& endChar);
    bool RawDelete(CKBufferView* source, int startLine, int startChar, int endLine, int endChar);
    bool InsertText(CKBufferView* source, int line, int ch, std::string_view text, int& endLine,
                    int& endChar, int action);
    bool DeleteText(CKBufferView* source, int startLine, int startChar, int endLine, int endChar,
                    int action);

    // Undo and redo of whole groups.
    bool CanUndo() const { return m_undoPosition > 0; }
    bool CanRedo() const { return m_undoPosition < static_cast<int>(m_undo.size()); }
    bool Undo(TextPoint& cursor);
    bool Redo(TextPoint& cursor);
    void UndoDescription(std::string& out) const;
    void RedoDescription(std::string& out) const;
    void OpenUndoGroup(bool merge = false);
    void CloseUndoGroup(CKBufferView* source);
    virtual bool DescribeAction(int action, std::string& out) const;
    virtual void SetModified(bool modified) { m_modified = modified; }

    // The history, for inspection.
    int UndoRecordCount() const { return static_cast<int>(m_undo.size()); }
    const UndoRecord& UndoRecordAt(int i) const { return m_undo[i]; }
    int UndoPosition() const { return m_undoPosition; }
    int SavedPosition() const { return m_savedPosition; }

private:
    using LineArray = GrowableArray<LineInfo>;

    static LineInfo MakeLine(const char* bytes, int length);
    static void AppendToLine(LineInfo& line, const char* bytes, int length);
    static void FreeLines(LineArray& lines);
    void ResetHistory();
    void NotifyChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags, int line);
    void AddUndoRecord(CKBufferView* source, bool insert, TextPoint start, TextPoint end,
                       int action, std::string text);
    void DropOldestGroup();
    void SettleModifiedAfterHistoryMove();
    bool SaveFile(const char* path, int lineEnding);

    bool m_initialised = false;
    bool m_readOnly = false;
    bool m_modified = false;
    int m_lineEnding = 0;
    int m_codePage = 0;
    int m_undoLimit = kUndoLimit;
    LineArray m_lines;
    std::deque<UndoRecord> m_undo; // a deque drops the oldest group without moving the rest
    int m_undoPosition = 0;
    int m_savedPosition = 0; // -1 once the saved state has left the history
    bool m_inUndoGroup = false;
    bool m_startNewGroup = false;
    std::vector<CKBufferView*> m_views;

    bool m_backupOnSave = true;
    int m_lastError = 0;
    int64_t m_lossyBytes = 0;
    bool m_byteOrderMark = false;
};
