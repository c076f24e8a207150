// The start-up dialog that offers the recovery copies left by a run that did not end cleanly,
// with Restore, Show Differences and Discard for each; and the view of the differences.
#pragma once

#include "recovery/core/RecoveryFile.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class RecoveryFolder;

// One copy found at start.
struct RecoveryCandidate {
    enum class Disk { Unchanged, Changed, Missing, NeverSaved };
    std::string file; // the recovery file
    RecoveryReadResult read;
    Disk disk = Disk::NeverSaved;
};

// The copies in the folders, read and compared with their files on disk.
std::vector<RecoveryCandidate>
ReadRecoveryCandidates(const std::vector<std::unique_ptr<RecoveryFolder>>& folders);
RecoveryCandidate::Disk DiskStateOf(const RecoveryInfo& info);
// The recovered text against the file on disk (read in the copy's code page and line ending),
// as a unified diff; empty when they are the same.
QString RecoveryDifferences(const RecoveryCandidate& candidate);

class CKRecoveryDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        // Opens the copy as a document; true when it did, and the copy then belongs to it.
        std::function<bool(const RecoveryCandidate&)> restore;
        std::function<void(const RecoveryCandidate&)> showDifferences;
        std::function<void(const QString&)> showError;
        // Asks before a copy is deleted for good; none deletes without asking.
        std::function<bool(const QString&)> confirm;
    };

    CKRecoveryDialog(std::vector<RecoveryCandidate> candidates, Actions actions,
                     QWidget* parent = nullptr);

    // The copies still listed.
    const std::vector<RecoveryCandidate>& Remaining() const { return m_candidates; }
    QTreeWidget* List() const { return m_list; }
    QPushButton* RestoreButton() const { return m_restore; }
    QPushButton* DifferencesButton() const { return m_differences; }
    QPushButton* DiscardButton() const { return m_discard; }

    void RestoreCurrent();
    void ShowCurrentDifferences();
    void DiscardCurrent();

private:
    void Fill();
    void UpdateButtons();
    void RemoveCurrent();
    int Current() const;

    std::vector<RecoveryCandidate> m_candidates;
    Actions m_actions;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_restore = nullptr;
    QPushButton* m_differences = nullptr;
    QPushButton* m_discard = nullptr;
};

// A read-only window with the differences of one copy.
void ShowRecoveryDifferences(const RecoveryCandidate& candidate, QWidget* parent);
// A modal window with a text to read in the fixed-pitch font and a Close button.
void ShowTextWindow(const QString& title, const QString& text, QWidget* parent);
