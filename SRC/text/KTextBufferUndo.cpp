// The undo history of the text buffer: records, groups, undo, redo and the saved position.
#include "text/KTextBuffer.h"

#include "text/EditActions.h"

void CKTextBuffer::AddUndoRecord(CKBufferView* source, bool insert, TextPoint start, TextPoint end,
                                 int action, std::string text)
{
    const bool implicitGroup = !m_inUndoGroup;
    if (implicitGroup)
        m_inUndoGroup = m_startNewGroup = true;

    // A new change discards what could have been redone, the saved state among it.
    if (m_savedPosition > m_undoPosition)
        m_savedPosition = -1;
    m_undo.TruncateTo(m_undoPosition);
    MakeRoomForRecord();

    UndoRecord record;
    record.flags = insert ? UndoRecord::kInsert : 0;
    if (m_startNewGroup) {
        m_startNewGroup = false;
        record.flags |= UndoRecord::kGroupStart;
    }
    record.start = start;
    record.end = end;
    record.action = action;
    record.text = std::move(text);
    m_undo.push_back(std::move(record));
    m_undoPosition = static_cast<int>(m_undo.size());
    m_groupHasRecords = true;

    if (implicitGroup)
        FinishGroup(source);
}

void CKTextBuffer::MakeRoomForRecord()
{
    // A record that does not start a group joins the newest one, which is then still being
    // built: it stays whole, however far it outgrows the limit, so that one Undo takes back
    // the whole change. Dropping a group costs its own records only.
    const bool joinsNewestGroup = !m_startNewGroup;
    while (static_cast<int>(m_undo.size()) >= m_undoLimit
           && !(joinsNewestGroup && m_undo.GroupCount() == 1)) {
        const int count = static_cast<int>(m_undo.DropOldestGroup());
        m_undoPosition -= count;
        // The saved state moves down with the records, or leaves the history with them.
        m_savedPosition = m_savedPosition >= count ? m_savedPosition - count : -1;
    }
}

void CKTextBuffer::BeginStep()
{
    if (m_stepDepth++ == 0)
        for (size_t i = 0; i < m_views.size(); ++i)
            m_views[i]->OnChangesBegin();
}

void CKTextBuffer::EndStep()
{
    if (m_stepDepth > 0 && --m_stepDepth == 0)
        for (size_t i = 0; i < m_views.size(); ++i)
            m_views[i]->OnChangesEnd();
}

void CKTextBuffer::OpenUndoGroup(bool merge)
{
    if (!m_inUndoGroup)
        BeginStep();
    m_inUndoGroup = true;
    m_startNewGroup = !(merge && m_undoPosition > 0);
    m_groupHasRecords = false;
}

void CKTextBuffer::CloseUndoGroup(CKBufferView* source)
{
    if (!m_inUndoGroup) {
        FinishGroup(source);
        return;
    }
    const StepEnd end{*this}; // even when the source view's report throws
    FinishGroup(source);
}

void CKTextBuffer::FinishGroup(CKBufferView* source)
{
    // The group is closed even when the source view's report throws.
    struct Close {
        bool& open;
        ~Close() { open = false; }
    } close{m_inUndoGroup};
    if (source && m_undoPosition > 0) {
        m_startNewGroup = true;
        if (m_groupHasRecords) {
            const UndoRecord& last = m_undo[m_undoPosition - 1];
            source->OnEditAction(last.action, last.text.c_str(),
                                 static_cast<int>(last.text.size()));
        }
    }
}

bool CKTextBuffer::Undo(TextPoint& cursor)
{
    if (!CanUndo() || m_readOnly)
        return false;
    BeginStep();
    const StepEnd end{*this};
    int endLine, endChar;
    for (;;) {
        const UndoRecord& record = m_undo[--m_undoPosition];
        if (record.IsInsert()) {
            RawDelete(nullptr, record.start.y, record.start.x, record.end.y, record.end.x);
            cursor = record.start;
        } else {
            RawInsert(nullptr, record.start.y, record.start.x, record.text, endLine, endChar);
            cursor = record.end;
        }
        if (record.StartsGroup() || m_undoPosition == 0)
            break;
    }
    SettleModifiedAfterHistoryMove();
    return true;
}

bool CKTextBuffer::Redo(TextPoint& cursor)
{
    if (!CanRedo() || m_readOnly)
        return false;
    BeginStep();
    const StepEnd end{*this};
    int endLine, endChar;
    const int count = static_cast<int>(m_undo.size());
    do {
        const UndoRecord& record = m_undo[m_undoPosition];
        if (record.IsInsert()) {
            RawInsert(nullptr, record.start.y, record.start.x, record.text, endLine, endChar);
            cursor = record.end;
        } else {
            RawDelete(nullptr, record.start.y, record.start.x, record.end.y, record.end.x);
            cursor = record.start;
        }
        ++m_undoPosition;
    } while (m_undoPosition < count && !m_undo[m_undoPosition].StartsGroup());
    SettleModifiedAfterHistoryMove();
    return true;
}

void CKTextBuffer::SettleModifiedAfterHistoryMove()
{
    if (m_undoPosition == m_savedPosition)
        SetModified(false);
    if (!m_modified && m_undoPosition != m_savedPosition)
        SetModified(true);
}

bool CKTextBuffer::DescribeAction(int action, std::string& out) const
{
    const std::string_view description = EditActionDescription(action);
    out.assign(description);
    return !description.empty();
}

void CKTextBuffer::UndoDescription(std::string& out) const
{
    out.clear();
    if (m_undoPosition > 0)
        DescribeAction(m_undo[m_undo.GroupStartOf(m_undoPosition - 1)].action, out);
}

void CKTextBuffer::RedoDescription(std::string& out) const
{
    out.clear();
    if (CanRedo())
        DescribeAction(m_undo[m_undoPosition].action, out);
}
