// When one document's recovery file is written and when it goes. The clock is handed in, so
// that tests drive time themselves.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// Milliseconds from any fixed start.
using RecoveryClock = std::function<int64_t()>;

enum class RecoveryStep { None, Write, Delete };

// A copy is written 2 s after the last change, and while changes go on without such a pause
// at latest 30 s after the first change it does not hold yet; at once when the program is
// asked to end. The file goes once the text is no longer modified (saved, or undone back to
// its saved state) or the user closed it without saving. A write runs in the background: a
// change during it waits for the next one, and a deletion asked for meanwhile follows it.
class RecoverySchedule {
public:
    static constexpr int64_t kIdleMs = 2000;
    static constexpr int64_t kLongestWaitMs = 30000;

    explicit RecoverySchedule(RecoveryClock clock) : m_clock(std::move(clock)) {}

    // The text changed; modified is the document's state after the change.
    void OnTextChanged(bool modified);
    // The modified flag changed without a text change (a save, or a restored text).
    void OnModifiedChanged(bool modified);
    // The user closed the document and chose not to save it; a later change of its text
    // starts over.
    void OnClosedWithoutSaving();
    // The program is about to end: a waiting write is due now.
    void OnExitRequested();
    // A recovery file of this text already exists (a restored one).
    void AdoptFile() { m_hasFile = true; }

    // Milliseconds until Next has something to do (0: now), none when nothing waits.
    std::optional<int64_t> DueIn() const;
    // What to do at this moment. After Write the caller reports OnWriteFinished, after
    // Delete OnDeleted.
    RecoveryStep Next();
    void OnWriteFinished(bool ok);
    void OnDeleted() { m_hasFile = false; }

    bool HasFile() const { return m_hasFile; }
    bool Writing() const { return m_writing; }

private:
    std::optional<int64_t> DueAt() const;
    // A change not yet in the copy: the idle wait starts again, the longest wait goes on.
    void MarkPending();

    RecoveryClock m_clock;
    bool m_modified = false;
    bool m_pending = false; // changes not yet in a write
    bool m_writing = false;
    bool m_hasFile = false; // a file exists, or a write in flight will make one
    bool m_hadFile = false; // whether one existed before the write in flight
    bool m_closed = false;
    bool m_now = false;         // the exit asked for the pending write at once
    int64_t m_firstPending = 0; // when the oldest change not yet written happened
    int64_t m_lastChange = 0;
};
