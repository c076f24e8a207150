// Lines, line flags, text changes and notification of the attached views.
#include "text/KTextBuffer.h"

#include "text/CodePages.h"
#include "text/StandardPages.h"
#include "text/EditActions.h"

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

CKTextBuffer::~CKTextBuffer() { FreeLines(m_lines); }

std::shared_ptr<CKTextSnapshot> CKTextBuffer::PinSnapshot()
{
    if (m_pinned)
        return nullptr;
    auto snapshot = std::make_shared<CKTextSnapshot>();
    snapshot->m_lines.reserve(m_lines.Size());
    // Only reads the lines: every storage there now is older than the new generation.
    for (const LineInfo& line : m_lines)
        snapshot->m_lines.emplace_back(line.text, size_t(line.length));
    ++m_generation;
    m_pinned = snapshot;
    return snapshot;
}

void CKTextBuffer::ReleaseSnapshot() { m_pinned.reset(); }

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

LineInfo& CKTextBuffer::Writable(int index)
{
    LineInfo& line = m_lines[index];
    if (!IsPinned(line))
        return line;
    ReserveHandOver(1);
    LineInfo copy = MakeLine(line.text, line.length);
    copy.flags = line.flags;
    copy.generation = m_generation;
    m_pinned->m_handedOver.push_back(line.text);
    line = copy;
    return line;
}

void CKTextBuffer::ReleaseStorage(LineInfo& line)
{
    if (IsPinned(line))
        m_pinned->m_handedOver.push_back(line.text);
    else
        std::free(line.text);
    line.text = nullptr;
}

LineInfo CKTextBuffer::MakeLine(const char* bytes, int length)
{
    LineInfo line;
    line.capacity = CapacityFor(length);
    line.text = static_cast<char*>(std::malloc(line.capacity));
    if (!line.text)
        throw std::bad_alloc();
    if (length > 0)
        std::memcpy(line.text, bytes, length);
    line.length = length;
    return line;
}

// Makes room for length bytes without changing the text; throws when memory runs out.
void CKTextBuffer::ReserveLine(LineInfo& line, int length)
{
    if (length <= line.capacity)
        return;
    const int capacity = CapacityFor(length);
    char* text = static_cast<char*>(std::realloc(line.text, capacity));
    if (!text)
        throw std::bad_alloc();
    line.text = text;
    line.capacity = capacity;
}

void CKTextBuffer::AppendToLine(LineInfo& line, const char* bytes, int length)
{
    ReserveLine(line, line.length + length);
    if (length > 0)
        std::memcpy(line.text + line.length, bytes, length);
    line.length += length;
}

void CKTextBuffer::FreeLines(LineArray& lines)
{
    ReserveHandOver(lines.Size());
    for (LineInfo& line : lines)
        ReleaseStorage(line);
    lines.RemoveAll();
}

bool CKTextBuffer::InitEmpty(int lineEnding, int codePage)
{
    FreeLines(m_lines);
    m_lines.SetGrowStep(0);
    m_lines.Append(MakeLine(nullptr, 0));
    m_initialised = true;
    m_readOnly = false;
    m_lineEnding = lineEnding;
    m_codePage = codePage;
    m_modified = false;
    m_lossyBytes = 0;
    m_byteOrderMark = false;
    ResetHistory();
    NotifyChanged(nullptr, nullptr, UPD_RESET, -1);
    return true;
}

void CKTextBuffer::Clear()
{
    FreeLines(m_lines);
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
    return line >= 0 && line < m_lines.Size() && ch >= 0 && ch <= m_lines[line].length;
}

int64_t CKTextBuffer::UnsaveableCharCount(int codePage) const
{
    if (!SaveTable(codePage))
        return 0;
    const ByteCounter unsaveable(MisreadChars(codePage));
    int64_t count = 0;
    for (const LineInfo& line : m_lines)
        count += unsaveable.Count(line.text, line.length);
    return count;
}

int CKTextBuffer::FindLineWithFlag(uint32_t flag) const
{
    if (!IsSingleBit(flag))
        return -1;
    for (int i = 0; i < m_lines.Size(); ++i)
        if (m_lines[i].flags & flag)
            return i;
    return -1;
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
    const uint32_t oldFlags = m_lines[line].flags;
    const uint32_t newFlags = set ? oldFlags | flag : oldFlags & ~flag;
    if (newFlags == oldFlags)
        return;
    if (exclusive && set) {
        const int holder = FindLineWithFlag(flag);
        if (holder >= 0) {
            m_lines[holder].flags &= ~flag;
            NotifyChanged(nullptr, nullptr, UPD_ONELINE | UPD_LINEFLAGS, holder);
        }
    }
    m_lines[line].flags = newFlags;
    NotifyChanged(nullptr, nullptr, UPD_ONELINE | UPD_LINEFLAGS, line);
}

int CKTextBuffer::NextBookmarkLine(int line) const
{
    const int count = m_lines.Size();
    if (line < 0 || line >= count)
        return -1;
    const int from = (m_lines[line].flags & LINEFLAG_MARK) ? line + 1 : line;
    for (int i = from; i < count; ++i)
        if (m_lines[i].flags & LINEFLAG_MARK)
            return i;
    for (int i = 0; i < count; ++i)
        if (m_lines[i].flags & LINEFLAG_MARK)
            return i;
    return -1;
}

int CKTextBuffer::PrevBookmarkLine(int line) const
{
    const int count = m_lines.Size();
    if (line < 0 || line >= count)
        return -1;
    const int from = (m_lines[line].flags & LINEFLAG_MARK) ? line - 1 : line;
    for (int i = from; i >= 0; --i)
        if (m_lines[i].flags & LINEFLAG_MARK)
            return i;
    for (int i = count - 1; i >= 0; --i)
        if (m_lines[i].flags & LINEFLAG_MARK)
            return i;
    return -1;
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
    out.append(m_lines[startLine].text + startChar, m_lines[startLine].length - startChar);
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
    if (!text.empty() && before(text.data(), lineBytes + m_lines[line].capacity)
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
    LineInfo& first = m_lines[line];
    const int64_t tail = first.length - ch;
    if (segments.size() == 1) {
        if (!FitsLine(first.length + int64_t(segments.front().size())))
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
        const int tailLength = first.length - ch;
        AppendToLine(first, segments.front().data(), segmentLength);
        std::memmove(first.text + ch + segmentLength, first.text + ch, tailLength);
        std::memcpy(first.text + ch, segments.front().data(), segmentLength);
        endLine = line;
        endChar = ch + segmentLength;
    } else {
        const int added = static_cast<int>(segments.size()) - 1;
        std::vector<LineInfo> newLines;
        newLines.reserve(added);
        try {
            for (int i = 1; i <= added; ++i)
                newLines.push_back(MakeLine(segments[i].data(), int(segments[i].size())));
            endChar = newLines.back().length;
            AppendToLine(newLines.back(), first.text + ch, first.length - ch);
            // The head's room comes first, so that nothing can fail once lines are moved.
            ReserveLine(first, ch + segmentLength);
            m_lines.InsertGap(line + 1, added);
        } catch (...) {
            for (LineInfo& made : newLines)
                std::free(made.text);
            throw;
        }
        std::copy(newLines.begin(), newLines.end(), &m_lines[line + 1]);
        LineInfo& head = m_lines[line]; // the gap may have moved the array
        head.length = ch;
        AppendToLine(head, segments.front().data(), segmentLength);
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

    LineInfo& first = Writable(startLine);
    uint32_t flags;
    if (startLine != endLine) {
        const LineInfo& last = m_lines[endLine];
        const int64_t joined = int64_t(startChar) + last.length - endChar;
        if (!FitsLine(joined))
            return false;
        // The room is made before the first line is cut, so a failed allocation changes nothing.
        ReserveLine(first, static_cast<int>(joined));
        ReserveHandOver(endLine - startLine);
        first.length = startChar;
        AppendToLine(first, last.text + endChar, last.length - endChar);
        for (int i = startLine + 1; i <= endLine; ++i)
            ReleaseStorage(m_lines[i]);
        m_lines.RemoveAt(startLine + 1, endLine - startLine);
        flags = UPD_TEXT | UPD_LINES;
    } else {
        std::memmove(first.text + startChar, first.text + endChar, first.length - endChar);
        first.length -= endChar - startChar;
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
