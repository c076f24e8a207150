// Lines, line flags, text changes and notification of the attached views.
#include "text/KTextBuffer.h"

#include "text/CodePages.h"
#include "text/EditActions.h"
#include "text/StandardPages.h"
#include "text/TextBlocks.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

namespace {

// Lengths are at most kMaxLineLength, so the rounded allocation fits an int.
int CapacityFor(int length) { return (length / 16 + 1) * 16; }

// Whether a line of this many bytes may be held.
bool FitsLine(int64_t length) { return length <= CKTextBuffer::kMaxLineLength; }

bool IsSingleBit(uint32_t flag) { return flag != 0 && (flag & (flag - 1)) == 0; }

} // namespace

CKTextSnapshot::~CKTextSnapshot()
{
    for (char* storage : m_handedOver)
        std::free(storage);
}

CKTextBuffer::~CKTextBuffer() { FreeLines(); }

std::shared_ptr<CKTextSnapshot> CKTextBuffer::PinSnapshot()
{
    if (m_pinned)
        return nullptr;
    auto snapshot = std::make_shared<CKTextSnapshot>();
    snapshot->m_lines.reserve(m_lines.Size());
    // Every storage there now is read by the snapshot, so none is newer than it.
    for (LineRecord& line : m_lines) {
        // Records are packed: the pointer is read as a value, never bound by reference.
        const char* text = line.text;
        snapshot->m_lines.emplace_back(text, size_t{line.length});
        line.newerThanPin = 0;
    }
    snapshot->m_blocks = m_blocks;
    m_pinned = snapshot;
    return snapshot;
}

void CKTextBuffer::ReleaseSnapshot() { m_pinned.reset(); }

void CKTextBuffer::MarkSaved()
{
    m_savedPosition = m_undoPosition;
    if (m_modified)
        SetModified(false);
}

void CKTextBuffer::ForgetSavedState()
{
    m_savedPosition = -1;
    if (!m_modified)
        SetModified(true);
}

void CKTextBuffer::ReserveHandOver(size_t count)
{
    if (m_pinned)
        m_pinned->m_handedOver.reserve(m_pinned->m_handedOver.size() + count);
}

bool CKTextBuffer::OwnsStorage(const LineRecord& line) const
{
    return !m_blocks || !m_blocks->Holds(line.text);
}

CKTextBuffer::LineRecord& CKTextBuffer::Writable(int index)
{
    LineRecord& line = m_lines[index];
    const bool owned = OwnsStorage(line);
    if (owned && !IsPinned(line))
        return line;
    if (owned)
        ReserveHandOver(1);
    const LineRecord copy = MakeLine(line.text, static_cast<int>(line.length));
    if (owned)
        m_pinned->m_handedOver.push_back(static_cast<char*>(line.text));
    line = copy;
    return line;
}

void CKTextBuffer::ReleaseStorage(LineRecord& line)
{
    if (!OwnsStorage(line))
        return;
    if (IsPinned(line))
        m_pinned->m_handedOver.push_back(static_cast<char*>(line.text));
    else
        std::free(line.text);
    line.text = nullptr;
}

CKTextBuffer::LineRecord CKTextBuffer::MakeLine(const char* bytes, int length)
{
    LineRecord line;
    line.text = static_cast<char*>(std::malloc(CapacityFor(length)));
    if (!line.text)
        throw std::bad_alloc();
    if (length > 0)
        std::memcpy(line.text, bytes, length);
    line.length = static_cast<uint32_t>(length);
    line.newerThanPin = 1;
    return line;
}

void CKTextBuffer::GrowStorage(LineRecord& line, int length)
{
    const int capacity = CapacityFor(length);
    if (capacity <= CapacityFor(static_cast<int>(line.length)))
        return;
    char* text = static_cast<char*>(std::realloc(line.text, capacity));
    if (!text)
        throw std::bad_alloc();
    line.text = text;
}

void CKTextBuffer::FitStorage(LineRecord& line, int oldLength)
{
    const int capacity = CapacityFor(static_cast<int>(line.length));
    if (capacity >= CapacityFor(oldLength))
        return;
    // A failed shrink keeps the larger storage, which serves as well.
    if (char* text = static_cast<char*>(std::realloc(line.text, capacity)))
        line.text = text;
}

void CKTextBuffer::FreeLines()
{
    if (m_pinned) {
        size_t owned = 0;
        for (const LineRecord& line : m_lines)
            owned += IsPinned(line) ? 1 : 0;
        ReserveHandOver(owned);
    }
    for (LineRecord& line : m_lines)
        ReleaseStorage(line);
    m_lines.RemoveAll();
    m_blocks.reset();
    m_flags.Clear();
}

bool CKTextBuffer::InitEmpty(::LineEnding lineEnding, ::CodePage codePage)
{
    FreeLines();
    m_lines.SetGrowStep(0);
    m_lines.Append(MakeLine(nullptr, 0));
    m_initialised = true;
    m_readOnly = false;
    m_lineEnding = lineEnding;
    m_codePage = codePage;
    m_modified = false;
    m_lossyBytes = 0;
    m_byteOrderMark = false;
    m_fileIdentity = {};
    ResetHistory();
    NotifyChanged(nullptr, nullptr, UPD_RESET, -1);
    return true;
}

void CKTextBuffer::Clear()
{
    FreeLines();
    m_undo.clear();
    m_undoPosition = m_savedPosition = 0;
    m_initialised = false;
}

void CKTextBuffer::ResetHistory()
{
    m_undo.clear();
    m_undoPosition = m_savedPosition = 0;
    m_inUndoGroup = m_startNewGroup = false;
    m_undoLimit = kUndoLimit;
}

bool CKTextBuffer::IsValidPosition(int line, int ch) const
{
    return line >= 0 && line < m_lines.Size() && ch >= 0 && ch <= LineLength(line);
}

int64_t CKTextBuffer::UnsaveableCharCount(::CodePage codePage) const
{
    if (!SaveTable(codePage))
        return 0;
    const ByteCounter unsaveable(MisreadChars(codePage));
    int64_t count = 0;
    for (const LineRecord& line : m_lines)
        count += unsaveable.Count(line.text, line.length);
    return count;
}

int CKTextBuffer::FindLineWithFlag(uint32_t flag) const
{
    return IsSingleBit(flag) ? m_flags.NextWith(flag, 0) : -1;
}

void CKTextBuffer::ChangeLineFlag(int line, uint32_t flag, bool set, bool exclusive)
{
    if (!IsSingleBit(flag))
        return;
    if (line == -1) {
        line = FindLineWithFlag(flag);
        if (line < 0)
            return;
        exclusive = false;
    }
    if (line < 0 || line >= m_lines.Size())
        return;
    const uint32_t oldFlags = m_flags.At(line);
    const uint32_t newFlags = set ? oldFlags | flag : oldFlags & ~flag;
    if (newFlags == oldFlags)
        return;
    if (exclusive && set) {
        const int holder = FindLineWithFlag(flag);
        if (holder >= 0) {
            m_flags.Set(holder, m_flags.At(holder) & ~flag);
            NotifyChanged(nullptr, nullptr, UPD_ONELINE | UPD_LINEFLAGS, holder);
        }
    }
    m_flags.Set(line, newFlags);
    NotifyChanged(nullptr, nullptr, UPD_ONELINE | UPD_LINEFLAGS, line);
}

int CKTextBuffer::NextBookmarkLine(int line) const
{
    if (line < 0 || line >= m_lines.Size())
        return -1;
    const int from = (m_flags.At(line) & LINEFLAG_MARK) ? line + 1 : line;
    const int next = m_flags.NextWith(LINEFLAG_MARK, from);
    return next >= 0 ? next : m_flags.NextWith(LINEFLAG_MARK, 0);
}

int CKTextBuffer::PrevBookmarkLine(int line) const
{
    if (line < 0 || line >= m_lines.Size())
        return -1;
    const int from = (m_flags.At(line) & LINEFLAG_MARK) ? line - 1 : line;
    const int prev = from >= 0 ? m_flags.PrevWith(LINEFLAG_MARK, from) : -1;
    return prev >= 0 ? prev : m_flags.PrevWith(LINEFLAG_MARK, m_lines.Size() - 1);
}

void CKTextBuffer::CopyText(int startLine, int startChar, int endLine, int endChar,
                            std::string& out, std::string_view separator) const
{
    out.clear();
    if (!IsValidPosition(startLine, startChar) || !IsValidPosition(endLine, endChar)
        || startLine > endLine || (startLine == endLine && startChar > endChar))
        return;
    if (startLine == endLine) {
        out.assign(m_lines[startLine].text + startChar, endChar - startChar);
        return;
    }
    size_t reserve = 0;
    for (int i = startLine; i <= endLine; ++i)
        reserve += m_lines[i].length + separator.size();
    out.reserve(reserve);
    out.append(m_lines[startLine].text + startChar, LineLength(startLine) - startChar);
    for (int i = startLine + 1; i < endLine; ++i) {
        out.append(separator);
        out.append(m_lines[i].text, m_lines[i].length);
    }
    out.append(separator);
    out.append(m_lines[endLine].text, endChar);
}

void CKTextBuffer::AttachView(CKBufferView* view) { m_views.push_back(view); }

void CKTextBuffer::DetachView(CKBufferView* view)
{
    const auto it = std::find(m_views.begin(), m_views.end(), view);
    if (it != m_views.end())
        m_views.erase(it);
}

void CKTextBuffer::NotifyChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                                 int line)
{
    for (size_t i = 0; i < m_views.size(); ++i)
        m_views[i]->OnBufferChanged(source, ctx, flags, line);
}

bool CKTextBuffer::RawInsert(CKBufferView* source, int line, int ch, std::string_view text,
                             int& endLine, int& endChar)
{
    if (m_readOnly || !IsValidPosition(line, ch))
        return false;
    Writable(line);

    // Growing the line may move its bytes; text taken from the line itself needs a copy. The
    // text may come from anywhere, so the addresses are compared through std::less.
    std::string own;
    const char* lineBytes = m_lines[line].text;
    const std::less<const char*> before;
    if (!text.empty() && before(text.data(), lineBytes + LineLength(line))
        && before(lineBytes, text.data() + text.size())) {
        own.assign(text);
        text = own;
    }

    // Segments end at a CR; an LF right behind a CR belongs to the same break. A lone LF is
    // an ordinary character.
    std::vector<std::string_view> segments;
    for (size_t pos = 0;;) {
        const size_t cr = text.find('\r', pos);
        if (cr == std::string_view::npos) {
            segments.push_back(text.substr(pos));
            break;
        }
        segments.push_back(text.substr(pos, cr - pos));
        pos = cr + 1;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }

    // Every line the insertion makes must fit; each one is checked before anything changes.
    const int length = LineLength(line);
    const int tail = length - ch;
    if (segments.size() == 1) {
        if (!FitsLine(length + int64_t(segments.front().size())))
            return false;
    } else {
        if (!FitsLine(ch + int64_t(segments.front().size()))
            || !FitsLine(int64_t(segments.back().size()) + tail))
            return false;
        for (size_t i = 1; i + 1 < segments.size(); ++i)
            if (!FitsLine(int64_t(segments[i].size())))
                return false;
    }

    const int segmentLength = static_cast<int>(segments.front().size());
    if (segments.size() == 1) {
        LineRecord& first = m_lines[line];
        GrowStorage(first, length + segmentLength);
        std::memmove(first.text + ch + segmentLength, first.text + ch, tail);
        std::memcpy(first.text + ch, segments.front().data(), segmentLength);
        first.length = static_cast<uint32_t>(length + segmentLength);
        endLine = line;
        endChar = ch + segmentLength;
    } else {
        const int added = static_cast<int>(segments.size()) - 1;
        std::vector<LineRecord> newLines;
        newLines.reserve(added);
        try {
            for (int i = 1; i <= added; ++i)
                newLines.push_back(MakeLine(segments[i].data(), int(segments[i].size())));
            LineRecord& last = newLines.back();
            endChar = static_cast<int>(last.length);
            GrowStorage(last, endChar + tail);
            std::memcpy(last.text + endChar, m_lines[line].text + ch, tail);
            last.length = static_cast<uint32_t>(endChar + tail);
            // The head's room comes first, so that nothing can fail once lines are moved.
            GrowStorage(m_lines[line], ch + segmentLength);
            m_lines.InsertGap(line + 1, added);
        } catch (...) {
            for (LineRecord& made : newLines)
                std::free(made.text);
            throw;
        }
        std::copy(newLines.begin(), newLines.end(), &m_lines[line + 1]);
        m_flags.LinesInserted(line, added);
        LineRecord& head = m_lines[line]; // the gap may have moved the array
        std::memcpy(head.text + ch, segments.front().data(), segmentLength);
        head.length = static_cast<uint32_t>(ch + segmentLength);
        FitStorage(head, length);
        endLine = line + added;
    }

    const UpdateContext ctx = UpdateContext::Insertion({ch, line}, {endChar, endLine});
    NotifyChanged(source, &ctx, endLine != line ? UPD_TEXT | UPD_LINES : UPD_TEXT | UPD_ONELINE,
                  line);
    if (!m_modified)
        SetModified(true);
    return true;
}

bool CKTextBuffer::RawDelete(CKBufferView* source, int startLine, int startChar, int endLine,
                             int endChar)
{
    if (m_readOnly || !IsValidPosition(startLine, startChar) || !IsValidPosition(endLine, endChar)
        || startLine > endLine || (startLine == endLine && startChar > endChar))
        return false;

    uint32_t flags;
    if (startLine != endLine) {
        const int lastLength = LineLength(endLine);
        const int64_t joined = int64_t(startChar) + lastLength - endChar;
        if (!FitsLine(joined))
            return false;
        // The room is made before the first line is cut, so a failed allocation changes nothing.
        LineRecord& first = Writable(startLine);
        GrowStorage(first, static_cast<int>(joined));
        ReserveHandOver(endLine - startLine);
        std::memcpy(first.text + startChar, m_lines[endLine].text + endChar, lastLength - endChar);
        const int firstLength = static_cast<int>(first.length);
        first.length = static_cast<uint32_t>(joined);
        FitStorage(first, firstLength);
        for (int i = startLine + 1; i <= endLine; ++i)
            ReleaseStorage(m_lines[i]);
        m_lines.RemoveAt(startLine + 1, endLine - startLine);
        m_flags.LinesRemoved(startLine + 1, endLine - startLine);
        flags = UPD_TEXT | UPD_LINES;
    } else {
        LineRecord& first = Writable(startLine);
        const int length = static_cast<int>(first.length);
        std::memmove(first.text + startChar, first.text + endChar, length - endChar);
        first.length = static_cast<uint32_t>(length - (endChar - startChar));
        FitStorage(first, length);
        flags = UPD_TEXT | UPD_ONELINE;
    }

    const UpdateContext ctx = UpdateContext::Deletion({startChar, startLine}, {endChar, endLine});
    NotifyChanged(source, &ctx, flags, startLine);
    if (!m_modified)
        SetModified(true);
    return true;
}

bool CKTextBuffer::InsertText(CKBufferView* source, int line, int ch, std::string_view text,
                              int& endLine, int& endChar, int action)
{
    if (!RawInsert(source, line, ch, text, endLine, endChar))
        return false;
    AddUndoRecord(source, true, {ch, line}, {endChar, endLine}, action, std::string(text));
    return true;
}

bool CKTextBuffer::DeleteText(CKBufferView* source, int startLine, int startChar, int endLine,
                              int endChar, int action)
{
    std::string removed;
    CopyText(startLine, startChar, endLine, endChar, removed);
    if (!RawDelete(source, startLine, startChar, endLine, endChar))
        return false;
    AddUndoRecord(source, false, {startChar, startLine}, {endChar, endLine}, action,
                  std::move(removed));
    return true;
}
