// Keeps a recovery file for every modified document: follows each document's changes and
// modified state, writes copies in the background on the schedule, deletes them when they are
// no longer needed, and writes everything at once when the program is asked to end.
#pragma once

#include "recovery/core/RecoveryFile.h"
#include "recovery/core/RecoveryFolder.h"
#include "recovery/core/RecoverySchedule.h"

#include <QObject>
#include <QThreadPool>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CTagwrightDoc;

class CKRecoveryManager : public QObject {
    Q_OBJECT
public:
    // The clock gives milliseconds; by default a steady clock.
    explicit CKRecoveryManager(std::string root, RecoveryClock clock = {},
                               QObject* parent = nullptr);
    ~CKRecoveryManager() override;

    // Makes this run's folder; false with error set when it cannot (nothing is written then).
    bool Start(int& error);
    const std::string& Root() const { return m_root; }
    RecoveryFolder* Folder() { return m_folder.get(); }

    // Follows the document until it is destroyed.
    void Track(CTagwrightDoc& doc);
    // The document holds text restored from file: that file becomes its recovery file (it
    // moves into this run's folder), so the text is covered from the first moment. Should it
    // not move, false: it stays until the document's own copy is written or no longer needed.
    bool Adopt(CTagwrightDoc& doc, const std::string& file);
    // The user closed the document without saving it: its copy goes.
    void DiscardedByUser(CTagwrightDoc& doc);
    // The program is about to end: every modified document's copy is on disk when this returns.
    void WriteAllNow();
    // At the end of the run: waits for writes; removes the folder if it holds no copy.
    void Finish();

    // The recovery file of a document, empty when it is not followed (for tests).
    std::string FileOf(const CTagwrightDoc& doc) const;
    // Runs what is due at the clock's present time (the timers call it too).
    void RunDueSteps();
    // Waits for writes in the background and takes their results.
    void WaitForWrites();
    // Whether a write runs in the background now.
    bool WriteRunning() const { return m_pool.activeThreadCount() > 0; }

signals:
    // A copy was written (ok) or could not be (error: the system's error number).
    void copyWritten(const QString& file, bool ok, int error);

private:
    struct Entry;
    struct Finished {
        int serial;
        bool ok;
        int error;
    };

    Entry* Find(const CTagwrightDoc& doc) const;
    void Reschedule(Entry& entry);
    void RunSteps(Entry& entry);
    void DropFormerFile(Entry& entry);
    void StartWrite(Entry& entry, bool inBackground);
    RecoveryInfo InfoOf(const Entry& entry) const;
    void TakeFinished();
    void Forget(int serial);

    std::string m_root;
    RecoveryClock m_clock;
    std::unique_ptr<RecoveryFolder> m_folder;
    std::map<int, std::unique_ptr<Entry>> m_entries; // by serial
    // Writes still running for documents that are gone: the file, and whether it goes after.
    std::map<int, std::pair<std::string, bool>> m_writingOrphans;
    int m_nextSerial = 1;
    QThreadPool m_pool;
    std::mutex m_finishedLock;
    std::vector<Finished> m_finished;
};

// Puts a recovered text into a document as a modified text, in its code page, line ending and
// source type, under its path (or title); the file on disk stays untouched until a save.
void RestoreRecoveredText(CTagwrightDoc& doc, const RecoveryReadResult& recovered);
