// Brackets a change of several steps as one undo group for as long as the guard lives.
#pragma once

#include "text/KTextBuffer.h"

#include <exception>

class CUndoGroup {
public:
    // merge: the records join the group of the previous record (typing with Smart Undo).
    CUndoGroup(CKTextBuffer& buffer, CKBufferView* view, bool merge = false)
        : m_buffer(buffer), m_view(view), m_exceptions(std::uncaught_exceptions())
    {
        m_buffer.OpenUndoGroup(merge);
    }
    CUndoGroup(const CUndoGroup&) = delete;
    CUndoGroup& operator=(const CUndoGroup&) = delete;

    // Closing tells the view, which may go on editing (automatic indentation) and so may throw
    // like any edit. When the scope is left by an exception, the group is closed without the
    // view, so that nothing more is changed on the way out.
    ~CUndoGroup() noexcept(false)
    {
        const bool unwinding = std::uncaught_exceptions() > m_exceptions;
        m_buffer.CloseUndoGroup(unwinding ? nullptr : m_view);
    }

private:
    CKTextBuffer& m_buffer;
    CKBufferView* m_view;
    int m_exceptions;
};
