// The "Search Results" pane: the files a Find or Replace in Files found, each with its
// matches, the progress of the search, and for Replace the ticks that choose what is replaced.
#pragma once

#include "findfiles/core/FindFilesTypes.h"

#include <QDockWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CKSearchResultsPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CKSearchResultsPane(QWidget* parent = nullptr);

    // Empties the pane for a new search of folder; replace shows the ticks and the Replace
    // button.
    void Begin(const QString& folder, bool replace);
    void AddFile(FileResult file);
    void AddProblem(const SearchProblem& problem);
    void ShowProgress(const FindFilesTotals& totals);
    void Finish(const FindFilesTotals& totals);
    // A replace writing files to disk: Stop and Escape stop it, Replace is not offered again.
    void BeginReplacing(int64_t files);
    void ShowReplaceProgress(int64_t done, int64_t files);
    // Shows how a replace ended; the matches stay listed but can no longer be replaced.
    void ShowReplaced(const QString& summary);

    // Whether a search or a replace is running.
    bool IsRunning() const { return m_running; }
    bool IsReplace() const { return m_replace; }
    bool HasResults() const { return !m_files.empty(); }
    // The files found, each match's chosen flag as ticked.
    std::vector<FileResult> ChosenFiles() const;
    const std::vector<FileResult>& Files() const { return m_files; }

    // Selects the next (step 1) or previous (-1) match after the current one, going round,
    // and asks for it to be opened.
    void GoToResult(int step);
    // The selected matches (all matches of a selected file) as "path:line:col: text" lines.
    QString SelectedText() const;
    QString AllText() const;

    QTreeWidget* Tree() const { return m_tree; }
    QLabel* Status() const { return m_status; }
    QPushButton* StopButton() const { return m_stop; }
    QPushButton* ReplaceButton() const { return m_replaceButton; }

signals:
    void openRequested(int file, int match);
    void stopRequested();
    void replaceRequested();
    // The pane came to hold results, or lost them: what F4 and Shift+F4 can do changed.
    void resultsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenItem(QTreeWidgetItem* item);
    void ShowContextMenu(const QPoint& at);
    QString MatchLine(int file, int match) const;
    QString TotalsText(const FindFilesTotals& totals) const;
    QTreeWidgetItem* MatchItem(int file, int match) const;

    QTreeWidget* m_tree;
    QLabel* m_status;
    QPushButton* m_stop;
    QPushButton* m_replaceButton;
    QTreeWidgetItem* m_problems = nullptr;
    std::vector<FileResult> m_files;
    bool m_running = false;
    bool m_replace = false;
};
