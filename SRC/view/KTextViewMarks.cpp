// Bookmarks and bracket matching of the text view.
#include "view/KTextView.h"

#include "doc/TagwrightDoc.h"
#include "text/KTextBuffer.h"
#include "view/core/BraceMatch.h"
#include "view/core/PageSetup.h"

void CKTextView::MoveCaretTo(TextPoint p)
{
    m_model.PlaceAt(p);
    m_model.RevealPosition(p);
}

void CKTextView::SetBookmark(int n)
{
    if (m_buffer)
        CViewBookmarks::SetNumbered(*m_buffer, CursorPos().y, n);
}

void CKTextView::GoToBookmark(int n)
{
    if (!m_buffer)
        return;
    if (const auto line = CViewBookmarks::NumberedLine(*m_buffer, n))
        MoveCaretTo({0, *line});
}

void CKTextView::ToggleBookmark()
{
    if (m_buffer)
        m_bookmarks.Toggle(*m_buffer, CursorPos().y);
}

void CKTextView::NextBookmark()
{
    if (!m_buffer)
        return;
    if (const auto line = CViewBookmarks::Next(*m_buffer, CursorPos().y))
        MoveCaretTo({0, *line});
}

void CKTextView::PreviousBookmark()
{
    if (!m_buffer)
        return;
    if (const auto line = CViewBookmarks::Previous(*m_buffer, CursorPos().y))
        MoveCaretTo({0, *line});
}

void CKTextView::ClearAllBookmarks()
{
    if (m_buffer)
        m_bookmarks.ClearAll(*m_buffer);
}

void CKTextView::MatchBrace()
{
    if (!m_buffer)
        return;
    if (const auto partner = ::MatchBrace(*this, CursorPos()))
        MoveCaretTo(*partner);
}

bool CKTextView::CanMatchBrace() const
{
    const TextPoint cursor = CursorPos();
    return m_buffer && cursor.y < LineCount() && ::CanMatchBrace(Line(cursor.y), cursor.x);
}
