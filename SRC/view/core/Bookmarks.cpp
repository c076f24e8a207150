// Bookmark commands over the buffer's line flags.
#include "view/core/Bookmarks.h"

#include "text/KTextBuffer.h"

namespace {

constexpr int kNumberedCount = 10;

bool HoldsLine(const CKTextBuffer& buffer, int line)
{
    return buffer.IsInitialised() && line >= 0 && line < buffer.LineCount();
}

std::optional<int> Found(int line) { return line < 0 ? std::nullopt : std::optional<int>(line); }

} // namespace

void CViewBookmarks::SetNumbered(CKTextBuffer& buffer, int cursorLine, int n)
{
    if (n < 0 || n >= kNumberedCount || !HoldsLine(buffer, cursorLine))
        return;
    const uint32_t flag = LineFlagBookmark(n);
    const bool holds = buffer.LineFlags(cursorLine) & flag;
    buffer.ChangeLineFlag(cursorLine, flag, !holds, true);
}

std::optional<int> CViewBookmarks::NumberedLine(const CKTextBuffer& buffer, int n)
{
    if (n < 0 || n >= kNumberedCount || !buffer.IsInitialised())
        return std::nullopt;
    return Found(buffer.FindLineWithFlag(LineFlagBookmark(n)));
}

void CViewBookmarks::Toggle(CKTextBuffer& buffer, int cursorLine)
{
    if (!HoldsLine(buffer, cursorLine))
        return;
    const bool holds = buffer.LineFlags(cursorLine) & LINEFLAG_MARK;
    buffer.ChangeLineFlag(cursorLine, LINEFLAG_MARK, !holds, false);
    m_plainExist = buffer.FindLineWithFlag(LINEFLAG_MARK) >= 0;
}

std::optional<int> CViewBookmarks::Next(const CKTextBuffer& buffer, int cursorLine)
{
    if (!HoldsLine(buffer, cursorLine))
        return std::nullopt;
    return Found(buffer.NextBookmarkLine(cursorLine));
}

std::optional<int> CViewBookmarks::Previous(const CKTextBuffer& buffer, int cursorLine)
{
    if (!HoldsLine(buffer, cursorLine))
        return std::nullopt;
    return Found(buffer.PrevBookmarkLine(cursorLine));
}

void CViewBookmarks::ClearAll(CKTextBuffer& buffer)
{
    if (buffer.IsInitialised()) {
        for (int n = 0; n < kNumberedCount; ++n) {
            const int line = buffer.FindLineWithFlag(LineFlagBookmark(n));
            if (line >= 0)
                buffer.ChangeLineFlag(line, LineFlagBookmark(n), false, true);
        }
        // One pass from the top clears the plain bookmarks in the same order as searching
        // for the first one again after each, without the search.
        for (int line = 0; line < buffer.LineCount(); ++line)
            if (buffer.LineFlags(line) & LINEFLAG_MARK)
                buffer.ChangeLineFlag(line, LINEFLAG_MARK, false, false);
    }
    m_plainExist = false;
}
