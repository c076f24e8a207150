// The text of one document: lines with flags, changes with notification, undo, load and save.
#pragma once

#include "text/FileFormat.h"
#include "text/FileIdentity.h"
#include "text/GrowableArray.h"
#include "text/LineFlagTable.h"
#include "text/TextLines.h"
#include "text/TextTypes.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CTextBlocks;

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

// The records of the undo history. It also keeps where each group starts, so that finding a
// record's group, counting groups and dropping the oldest group take no walk over records.
class UndoRecordList {
public:
    size_t size() const { return m_records.size(); }
    const UndoRecord& operator[](size_t i) const { return m_records[i]; }
    int GroupCount() const { return static_cast<int>(m_groupStarts.size()); }
    // The index of the first record of the group that holds record i.
    size_t GroupStartOf(size_t i) const
    {
        const auto after =
            std::upper_bound(m_groupStarts.begin(), m_groupStarts.end(), m_dropped + i);
        return after == m_groupStarts.begin() ? 0 : *(after - 1) - m_dropped;
    }

    void clear()
    {
        m_records.clear();
        m_groupStarts.clear();
        m_dropped = 0;
    }
    void push_back(UndoRecord record)
    {
        if (record.StartsGroup())
            m_groupStarts.push_back(m_dropped + m_records.size());
        m_records.push_back(std::move(record));
    }
    // Keeps the first count records.
    void TruncateTo(size_t count)
    {
        if (count >= m_records.size())
            return;
        while (!m_groupStarts.empty() && m_groupStarts.back() >= m_dropped + count)
            m_groupStarts.pop_back();
        m_records.erase(m_records.begin() + static_cast<ptrdiff_t>(count), m_records.end());
    }
    // Drops the oldest group; returns the number of records it had.
    size_t DropOldestGroup()
    {
        if (!m_groupStarts.empty() && m_groupStarts.front() == m_dropped)
            m_groupStarts.pop_front();
        const size_t count =
            m_groupStarts.empty() ? m_records.size() : m_groupStarts.front() - m_dropped;
        m_records.erase(m_records.begin(), m_records.begin() + static_cast<ptrdiff_t>(count));
        m_dropped += count;
        return count;
    }

private:
    std::deque<UndoRecord> m_records;
    std::deque<size_t> m_groupStarts; // ascending, counted from the first record ever added
    size_t m_dropped = 0;             // records dropped from the front since the last clear
};

// The text of a buffer as it was at one moment, readable on another thread while the buffer
// goes on changing: the bytes of every line, with no text copied. The buffer hands it the
// storage of lines changed or removed since, and it frees that storage when it goes.
class CKTextSnapshot final : public CTextLines {
public:
    CKTextSnapshot() = default;
    CKTextSnapshot(const CKTextSnapshot&) = delete;
    CKTextSnapshot& operator=(const CKTextSnapshot&) = delete;
    ~CKTextSnapshot();

    int LineCount() const override { return static_cast<int>(m_lines.size()); }
    std::string_view Line(int i) const override { return m_lines[i]; }
    // The storage handed over so far (for tests).
    size_t HandedOverCount() const { return m_handedOver.size(); }

private:
    friend class CKTextBuffer;
    std::vector<std::string_view> m_lines;
    std::vector<char*> m_handedOver;
    std::shared_ptr<const CTextBlocks> m_blocks; // the loaded text that lines still point into
};

class CKTextBuffer : public CTextLines {
public:
    static constexpr int kUndoLimit = 2048;
    // The longest line: its allocation, rounded up to 16 bytes, still fits an int.
    static constexpr int kMaxLineLength = INT32_MAX - 16;

    CKTextBuffer() = default;
    CKTextBuffer(const CKTextBuffer&) = delete;
    CKTextBuffer& operator=(const CKTextBuffer&) = delete;
    ~CKTextBuffer() override;

    // Lifecycle.
    bool InitEmpty(::LineEnding lineEnding = LineEnding::Dos,
                   ::CodePage codePage = CodePage::Windows1251);
    void Clear();
    bool IsInitialised() const { return m_initialised; }

    // Files. LineEnding::Auto detects on load and means the buffer's own mode on save.
    // On failure LastError() holds the system's error number and LastErrorText() the reason,
    // for a message that names the file.
    bool Load(const char* path, ::LineEnding lineEnding = LineEnding::Auto,
              ::CodePage codePage = CodePage::Windows1251);
    bool Save(const char* path, ::LineEnding lineEnding = LineEnding::Auto,
              bool clearModified = true);
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
    // The file as the last good Load read it or the last good Save wrote it.
    const FileIdentity& FileState() const { return m_fileIdentity; }
    // The text now matches its file (reloaded from it as an undoable change): unmodified,
    // and Undo leads away from that state as from a save.
    void MarkSaved();
    // Characters of the text that a save in the given code page does not keep: other programs
    // read them as other characters, or the page's table replaces them.
    int64_t UnsaveableCharCount(::CodePage codePage) const;

    // Queries.
    int LineCount() const final { return m_lines.Size(); }
    int LineLength(int line) const { return static_cast<int>(m_lines[line].length); }
    const char* LineText(int line) const { return m_lines[line].text; }
    std::string_view Line(int line) const final
    {
        return {m_lines[line].text, m_lines[line].length};
    }
    uint32_t LineFlags(int line) const { return m_flags.At(line); }
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsModified() const { return m_modified; }
    ::LineEnding LineEnding() const { return m_lineEnding; }
    void SetLineEnding(::LineEnding mode) { m_lineEnding = mode; }
    ::CodePage CodePage() const { return m_codePage; }
    void SetCodePage(::CodePage page) { m_codePage = page; }
    bool IsValidPosition(int line, int ch) const;

    // A snapshot of the text for a reader on another thread; null while another one is pinned.
    // Until ReleaseSnapshot the buffer neither changes nor frees the bytes it shows: a change
    // to such a line moves it to fresh storage first. Taking it costs a pass over the lines.
    std::shared_ptr<CKTextSnapshot> PinSnapshot();
    // Once the reader is done: the buffer works in place again. The snapshot frees the storage
    // it was handed when its last holder lets it go.
    void ReleaseSnapshot();
    bool HasPinnedSnapshot() const { return m_pinned != nullptr; }

    // The text no longer matches any saved state (it came from elsewhere than its file):
    // it is modified, and no undo brings it back to unmodified.
    void ForgetSavedState();

    // Line flags and bookmarks.
    int FindLineWithFlag(uint32_t flag) const;
    void ChangeLineFlag(int line, uint32_t flag, bool set, bool exclusive);
    int NextBookmarkLine(int line) const;
    int PrevBookmarkLine(int line) const;

    void CopyText(int startLine, int startChar, int endLine, int endChar, std::string& out,
                  std::string_view separator = "\r\n") const;

    void AttachView(CKBufferView* view);
    void DetachView(CKBufferView* view);

    // Changes. False means nothing changed: a read-only buffer, an invalid position or a line
    // that would grow past kMaxLineLength. A failed allocation throws std::bad_alloc and
    // leaves the text as it was.
    bool RawInsert(CKBufferView* source, int line, int ch, std::string_view text, int& endLine,
                   int& endChar);
    bool RawDelete(CKBufferView* source, int startLine, int startChar, int endLine, int endChar);
    bool InsertText(CKBufferView* source, int line, int ch, std::string_view text, int& endLine,
                    int& endChar, int action);
    bool DeleteText(CKBufferView* source, int startLine, int startChar, int endLine, int endChar,
                    int action);

    // Undo and redo of whole groups. On a read-only buffer they do nothing and return false,
    // so that the history never moves away from the text it describes.
    bool CanUndo() const { return m_undoPosition > 0; }
    bool CanRedo() const { return m_undoPosition < static_cast<int>(m_undo.size()); }
    bool Undo(TextPoint& cursor);
    bool Redo(TextPoint& cursor);
    void UndoDescription(std::string& out) const;
    void RedoDescription(std::string& out) const;
    // The history keeps at most kUndoLimit records by dropping its oldest groups, but never
    // records of the group being built: a group that alone outgrows the limit stays whole
    // until a later group starts.
    void OpenUndoGroup(bool merge = false);
    // The source view hears OnEditAction about the group's last record, but only when the
    // group added one: an empty group reports nothing.
    void CloseUndoGroup(CKBufferView* source);
    virtual bool DescribeAction(int action, std::string& out) const;
    virtual void SetModified(bool modified) { m_modified = modified; }

    // The history, for inspection.
    int UndoRecordCount() const { return static_cast<int>(m_undo.size()); }
    const UndoRecord& UndoRecordAt(int i) const { return m_undo[i]; }
    int UndoPosition() const { return m_undoPosition; }
    int SavedPosition() const { return m_savedPosition; }

private:
#pragma pack(push, 4)
    // One line in twelve bytes: two million lines take 24 MB beside their text.
    struct LineRecord {
        // Into the loaded blocks, which are never written, or storage of the line's own
        // (allocated with CapacityFor(length), at least), which it gets when it first changes.
        char* text;
        uint32_t length : 31;
        // Own storage made since the snapshot now pinned was taken, which the snapshot does
        // not read: it may change in place.
        uint32_t newerThanPin : 1;
    };
#pragma pack(pop)
    using LineArray = GrowableArray<LineRecord>;

    static LineRecord MakeLine(const char* bytes, int length);
    // Grows a line's own storage to hold length bytes; throws when memory runs out.
    static void GrowStorage(LineRecord& line, int length);
    // Gives back what a line that was oldLength bytes long no longer needs.
    static void FitStorage(LineRecord& line, int oldLength);
    bool OwnsStorage(const LineRecord& line) const;
    void FreeLines();
    bool IsPinned(const LineRecord& line) const
    {
        return m_pinned && !line.newerThanPin && OwnsStorage(line);
    }
    // Before a line's bytes change: the line gets storage of its own that no snapshot reads.
    LineRecord& Writable(int line);
    // Frees a line's own storage, or hands it to the snapshot that reads it.
    void ReleaseStorage(LineRecord& line);
    void ReserveHandOver(size_t count);
    void ResetHistory();
    void NotifyChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags, int line);
    // Brackets the changes of one step for the views.
    void BeginStep();
    void EndStep();
    // Ends the step when it goes, on the way out of an exception too.
    struct StepEnd {
        CKTextBuffer& buffer;
        ~StepEnd() { buffer.EndStep(); }
    };
    void FinishGroup(CKBufferView* source);
    void AddUndoRecord(CKBufferView* source, bool insert, TextPoint start, TextPoint end,
                       int action, std::string text);
    void MakeRoomForRecord();
    void SettleModifiedAfterHistoryMove();
    bool SaveFile(const char* path, ::LineEnding lineEnding);
    bool SetLastError(int error, std::string text = {});

    bool m_initialised = false;
    bool m_readOnly = false;
    bool m_modified = false;
    ::LineEnding m_lineEnding = LineEnding::Dos;
    ::CodePage m_codePage = CodePage::Windows1251;
    int m_undoLimit = kUndoLimit;
    LineArray m_lines;
    std::shared_ptr<const CTextBlocks> m_blocks; // the text of the last Load
    CLineFlagTable m_flags;
    UndoRecordList m_undo;
    int m_undoPosition = 0;
    int m_savedPosition = 0; // -1 once the saved state has left the history
    bool m_inUndoGroup = false;
    bool m_startNewGroup = false;
    bool m_groupHasRecords = false; // the group now open added a record
    int m_stepDepth = 0;            // steps begun and not yet ended
    std::vector<CKBufferView*> m_views;
    std::shared_ptr<CKTextSnapshot> m_pinned;

    bool m_backupOnSave = true;
    int m_lastError = 0;
    std::string m_lastErrorText; // empty: the system's text for m_lastError
    int64_t m_lossyBytes = 0;
    bool m_byteOrderMark = false;
    FileIdentity m_fileIdentity;
};
