// Brackets a change of several steps as one undo group for as long as the guard lives.
#pragma once

#include "text/KTextBuffer.h"

class CUndoGroup {
public:
    // merge: the records join the group of the previous record (typing with Smart Undo).
    CUndoGroup(CKTextBuffer& buffer, CKBufferView* view, bool merge = false)
        : m_buffer(buffer), m_view(view)
    {
        m_buffer.OpenUndoGroup(merge);
    }
    CUndoGroup(const CUndoGroup&) = delete;
    CUndoGroup& operator=(const CUndoGroup&) = delete;

    // Closes the group once the change is complete and tells the view, which may go on editing
    // (automatic indentation) and so may throw like any edit.
    void Commit()
    {
        if (!m_open)
            return;
        m_open = false;
        m_buffer.CloseUndoGroup(m_view);
    }

    // A group left without Commit (an early return, an exception) is closed without telling
    // the view, so that nothing more is changed on the way out and nothing throws here.
    ~CUndoGroup()
    {
        if (m_open)
            m_buffer.CloseUndoGroup(nullptr);
    }

private:
    CKTextBuffer& m_buffer;
    CKBufferView* m_view;
    bool m_open = true;
};
