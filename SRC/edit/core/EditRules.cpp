// Typing, line breaks, deletion, the clipboard's edits, drag and drop, undo and redo.
#include "edit/core/EditRules.h"

#include "res/Strings.h"
#include "text/EditActions.h"
#include "text/UndoGroup.h"

#include <algorithm>

CEditRules::CEditRules(CKTextBuffer& buffer, CKBufferView* view, OptionsSource options,
                       const CHtmlKeywordTable& keywords)
    : m_buffer(buffer), m_view(view), m_options(std::move(options)), m_keywords(keywords)
{
}

bool CEditRules::IsEditable() const { return m_buffer.LineCount() > 0 && !m_buffer.IsReadOnly(); }

// A view hands in positions it kept across every change, but a position past the text must
// never reach the buffer's lines.
TextPoint CEditRules::Clamped(TextPoint p) const
{
    if (m_buffer.LineCount() == 0)
        return {};
    p.y = std::clamp(p.y, 0, m_buffer.LineCount() - 1);
    p.x = std::clamp(p.x, 0, m_buffer.LineLength(p.y));
    return p;
}

void CEditRules::DeleteSelectedText(int action)
{
    if (!m_state.HasSelection())
        return;
    const TextRange r = m_state.Selection();
    if (m_buffer.DeleteText(m_view, r.start.y, r.start.x, r.end.y, r.end.x, action))
        PlaceCaret(r.start);
}

void CEditRules::InsertAtCaret(std::string_view text, int action)
{
    int endLine, endChar;
    const TextPoint at = m_state.caret;
    if (m_buffer.InsertText(m_view, at.y, at.x, text, endLine, endChar, action))
        PlaceCaret({endChar, endLine});
}

EditCaret CEditRules::Type(const EditCaret& in, uint8_t c)
{
    Command command(*this, in);
    if (c < 32 || !IsEditable())
        return m_state;
    {
        CUndoGroup group(m_buffer, m_view, m_options().smartUndo && c != ' ');
        const TextPoint at = m_state.caret;
        if (m_state.HasSelection())
            DeleteSelectedText(ACTION_DELETE_SELECTION);
        else if (m_overwrite && at.x < m_buffer.LineLength(at.y))
            m_buffer.DeleteText(m_view, at.y, at.x, at.y, at.x + 1, ACTION_TYPING);
        const char byte = static_cast<char>(c);
        InsertAtCaret({&byte, 1}, ACTION_TYPING);
        group.Commit();
    }
    return m_state;
}

EditCaret CEditRules::Enter(const EditCaret& in)
{
    Command command(*this, in);
    if (m_overwrite && m_state.caret.y < m_buffer.LineCount() - 1) {
        PlaceCaret({0, m_state.caret.y + 1});
        return m_state;
    }
    if (!IsEditable())
        return m_state;
    {
        CUndoGroup group(m_buffer, m_view);
        DeleteSelectedText(ACTION_DELETE_SELECTION);
        InsertAtCaret("\r\n", ACTION_TYPING);
        group.Commit();
    }
    return m_state;
}

void CEditRules::DoDelete()
{
    if (!IsEditable())
        return;
    TextRange r = m_state.Selection();
    if (r.start == r.end) {
        TextPoint& e = r.end;
        if (e.x < m_buffer.LineLength(e.y))
            ++e.x;
        else if (e.y < m_buffer.LineCount() - 1)
            e = {0, e.y + 1};
        else
            return;
    }
    PlaceCaret(r.start);
    m_buffer.DeleteText(m_view, r.start.y, r.start.x, r.end.y, r.end.x, ACTION_DELETE);
}

void CEditRules::DoBackspace()
{
    if (m_state.HasSelection()) {
        DoDelete();
        return;
    }
    if (!IsEditable())
        return;
    const TextPoint c = m_state.caret;
    TextPoint p;
    if (c.x > 0)
        p = {c.x - 1, c.y};
    else if (c.y >= 1)
        p = {m_buffer.LineLength(c.y - 1), c.y - 1};
    else
        return;
    PlaceCaret(p);
    m_buffer.DeleteText(m_view, p.y, p.x, c.y, c.x, ACTION_BACKSPACE);
}

EditCaret CEditRules::Delete(const EditCaret& in)
{
    Command command(*this, in);
    DoDelete();
    return m_state;
}

EditCaret CEditRules::Backspace(const EditCaret& in)
{
    Command command(*this, in);
    DoBackspace();
    return m_state;
}

EditCaret CEditRules::DeleteWordBefore(const EditCaret& in)
{
    Command command(*this, in);
    if (!IsEditable())
        return m_state;
    if (!m_state.HasSelection()) {
        const std::optional<TextPoint> start = WordLeftOf(m_buffer, m_state.caret);
        if (start)
            m_state = EditCaret::Selecting(m_state.caret, *start);
    }
    DoBackspace();
    return m_state;
}

EditCaret CEditRules::DeleteWordAfter(const EditCaret& in)
{
    Command command(*this, in);
    if (!IsEditable())
        return m_state;
    if (!m_state.HasSelection()) {
        const WordRightMove move = WordRightOf(m_buffer, m_state.caret);
        if (move.target) {
            TextPoint end = *move.target;
            // From the end of a line before an empty one: one character further, past it.
            if (move.emptyLineStep && end.y < m_buffer.LineCount() - 1)
                end = {0, end.y + 1};
            m_state = EditCaret::Selecting(m_state.caret, end);
        }
    }
    DoDelete();
    return m_state;
}

EditCaret CEditRules::DeleteSelection(const EditCaret& in)
{
    Command command(*this, in);
    if (IsEditable())
        DeleteSelectedText(ACTION_DELETE_SELECTION);
    return m_state;
}

EditCaret CEditRules::CutSelection(const EditCaret& in)
{
    Command command(*this, in);
    if (IsEditable())
        DeleteSelectedText(ACTION_CUT);
    return m_state;
}

EditCaret CEditRules::Paste(const EditCaret& in, std::optional<std::string_view> text)
{
    return InsertText(in, text.value_or(std::string_view{}), ACTION_PASTE);
}

EditCaret CEditRules::InsertText(const EditCaret& in, std::string_view text, int action)
{
    Command command(*this, in);
    if (!IsEditable())
        return m_state;
    {
        CUndoGroup group(m_buffer, m_view);
        DeleteSelectedText(ACTION_DELETE_SELECTION);
        if (!text.empty())
            InsertAtCaret(text, action);
        group.Commit();
    }
    return m_state;
}

std::optional<EditCaret> CEditRules::Undo()
{
    TextPoint cursor;
    if (!IsEditable() || !m_buffer.Undo(cursor))
        return std::nullopt;
    return EditCaret::At(cursor);
}

std::optional<EditCaret> CEditRules::Redo()
{
    TextPoint cursor;
    if (!IsEditable() || !m_buffer.Redo(cursor))
        return std::nullopt;
    return EditCaret::At(cursor);
}

namespace {

std::string WithArgument(std::string_view format, std::string_view argument)
{
    std::string text(format);
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

} // namespace

std::string CEditRules::UndoMenuText() const
{
    std::string description;
    if (m_buffer.CanUndo())
        m_buffer.UndoDescription(description);
    if (description.empty())
        return std::string(ResString(IDS_UNDO_NOTHING));
    return WithArgument(ResString(IDS_UNDO_MENU), description);
}

std::optional<std::string> CEditRules::RedoMenuText() const
{
    std::string description;
    if (m_buffer.CanRedo())
        m_buffer.RedoDescription(description);
    if (description.empty())
        return std::nullopt;
    return WithArgument(ResString(IDS_REDO_MENU), description);
}

DropResult CEditRules::Drop(const EditCaret& in, TextPoint p, std::string_view text,
                            bool ownSelection)
{
    Command command(*this, in);
    p = Clamped(p);
    if (!IsEditable() || m_options().dragDropDisabled || text.empty())
        return {m_state, false};
    if (ownSelection && IsInside(m_state.Selection(), p)) {
        PlaceCaret(p);
        return {m_state, false};
    }
    int endLine, endChar;
    if (!m_buffer.InsertText(m_view, p.y, p.x, text, endLine, endChar, ACTION_DRAG_AND_DROP))
        return {m_state, false};
    m_state = EditCaret::Selecting(p, {endChar, endLine});
    return {m_state, true};
}

DropResult CEditRules::MoveText(const EditCaret& in, const TextRange& dragged, TextPoint p)
{
    Command command(*this, in);
    p = Clamped(p);
    TextRange from = Ordered(Clamped(dragged.start), Clamped(dragged.end));
    if (!IsEditable() || m_options().dragDropDisabled || from.start == from.end)
        return {m_state, false};
    if (IsInside(from, p)) {
        PlaceCaret(p);
        return {m_state, false};
    }
    std::string text;
    m_buffer.CopyText(from.start.y, from.start.x, from.end.y, from.end.x, text);
    TextPoint start = p, end;
    {
        CUndoGroup group(m_buffer, m_view);
        if (!m_buffer.InsertText(m_view, p.y, p.x, text, end.y, end.x, ACTION_DRAG_AND_DROP))
            return {m_state, false};
        // The copy went in first; the original is found where the insertion moved it, and
        // its removal moves the copy in turn.
        const UpdateContext inserted = UpdateContext::Insertion(start, end);
        inserted.AdjustPosition(from.start);
        inserted.AdjustPosition(from.end);
        m_buffer.DeleteText(m_view, from.start.y, from.start.x, from.end.y, from.end.x,
                            ACTION_DRAG_AND_DROP);
        const UpdateContext removed = UpdateContext::Deletion(from.start, from.end);
        removed.AdjustPosition(start);
        removed.AdjustPosition(end);
        m_state = EditCaret::Selecting(start, end);
        group.Commit();
    }
    return {m_state, true};
}

EditCaret CEditRules::DeleteDragged(const EditCaret& in, const TextRange& dragged)
{
    Command command(*this, in);
    const TextRange r = Ordered(Clamped(dragged.start), Clamped(dragged.end));
    if (!IsEditable() || r.start == r.end
        || !m_buffer.DeleteText(m_view, r.start.y, r.start.x, r.end.y, r.end.x,
                                ACTION_DRAG_AND_DROP))
        return m_state;
    const UpdateContext removed = UpdateContext::Deletion(r.start, r.end);
    removed.AdjustPosition(m_state.caret);
    removed.AdjustPosition(m_state.selStart);
    removed.AdjustPosition(m_state.selEnd);
    return m_state;
}

EditCaret CEditRules::OnEditAction(const EditCaret& view, int action, std::string_view text)
{
    Command command(*this, view);
    const EditOptions options = m_options();
    if (IsEditable() && options.autoIndent && action == ACTION_TYPING && text == "\r\n"
        && !m_overwrite)
        AutoIndent(options);
    return m_state;
}
