// The states of one document's recovery file.
#include "recovery/core/RecoverySchedule.h"

#include <algorithm>
#include <cassert>

void RecoverySchedule::OnTextChanged(bool modified)
{
    // Typing after the choice not to save means the document stayed open after all (a logout
    // that another program cancelled): its new text is kept again.
    m_closed = false;
    m_modified = modified;
    if (!modified) {
        m_pending = false;
        return;
    }
    MarkPending();
}

void RecoverySchedule::OnModifiedChanged(bool modified)
{
    if (m_closed)
        return;
    m_modified = modified;
    if (!modified)
        m_pending = false;
    else if (!m_hasFile && !m_pending)
        OnTextChanged(true);
}

void RecoverySchedule::OnClosedWithoutSaving()
{
    m_closed = true;
    m_modified = false;
    m_pending = false;
}

void RecoverySchedule::OnExitRequested()
{
    if (m_pending)
        m_now = true;
}

std::optional<int64_t> RecoverySchedule::DueAt() const
{
    if (m_writing)
        return std::nullopt;
    if (!m_modified && m_hasFile)
        return m_clock();
    if (!m_pending || !m_modified)
        return std::nullopt;
    if (m_now)
        return m_clock();
    return std::min(m_lastChange + kIdleMs, m_firstPending + kLongestWaitMs);
}

std::optional<int64_t> RecoverySchedule::DueIn() const
{
    const std::optional<int64_t> at = DueAt();
    if (!at)
        return std::nullopt;
    return std::max<int64_t>(0, *at - m_clock());
}

RecoveryStep RecoverySchedule::Next()
{
    const std::optional<int64_t> in = DueIn();
    if (!in || *in > 0)
        return RecoveryStep::None;
    if (!m_modified)
        return RecoveryStep::Delete; // the caller reports OnDeleted once it is gone
    m_pending = false;
    m_now = false;
    m_writing = true;
    m_hadFile = m_hasFile;
    m_hasFile = true;
    return RecoveryStep::Write;
}

void RecoverySchedule::OnWriteFinished(bool ok)
{
    assert(m_writing);
    m_writing = false;
    if (!ok)
        m_hasFile = m_hadFile;
    if (ok || !m_modified)
        return;
    // The copy is not on disk: try again after the next pause rather than at once.
    MarkPending();
}

void RecoverySchedule::MarkPending()
{
    const int64_t now = m_clock();
    if (!m_pending)
        m_firstPending = now;
    m_pending = true;
    m_lastChange = now;
}
