// Find and Replace in Files in the main window: the dialog, the search on its worker threads
// with its results in the "Search Results" pane, opening a result, and Replace.
#pragma once

#include "findfiles/FindFilesDialog.h"
#include "findfiles/core/FindInFiles.h"
#include "findfiles/core/ReplaceInFiles.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class CKDocHost;
class CKDocManager;
class CKDocView;
class CKSearchResultsPane;
class CKTextBuffer;
class CTagwrightDoc;
class QMainWindow;
class SettingsStore;

// What the controller needs of the window around it.
struct FindFilesHost {
    CKDocManager& documents;
    SettingsStore& store;
    // The view the user works in, or null.
    std::function<CKDocView*()> activeView;
    // Whether a replaced file keeps its old text as "<name>.bak".
    std::function<bool()> keepBackups;
    // Tells the user of a search that cannot start and of files a replace left alone.
    CKDocHost& messages;
    // The files gathered in the Project pane, full paths; none when unset.
    std::function<QStringList()> projectFiles = {};
};

class CKFindFilesController : public QObject {
    Q_OBJECT
public:
    CKFindFilesController(QMainWindow& window, FindFilesHost host);
    ~CKFindFilesController() override;

    CKSearchResultsPane& Pane() { return *m_pane; }

    // Find in Files or Replace in Files: the dialog, then the search.
    void ShowDialog(bool replace);
    // The fields the dialog opens with: the stored ones, the text from the active view's
    // selection or word, the folder of its document.
    FindFilesFields InitialFields() const;
    // Starts a search with the fields; false with the reason when it cannot start.
    bool Start(const FindFilesFields& fields, bool replace, QString& problem);
    // Stops a search, or a replace after the file it is writing.
    void Stop();
    // Whether a search or a replace is running; Wait returns when it has finished and the
    // pane shows it.
    bool IsRunning() const;
    void Wait();

    // Opens the file of a result in the page it was searched in and selects the match.
    void OpenResult(int file, int match);
    // F4 and Shift+F4.
    void GoToResult(int step);
    bool HasResults() const;
    // Replaces the ticked matches of the pane's files: open documents at once, files on disk
    // on a thread of their own, the pane showing how many are done.
    void Replace();

    // A mark of an open document's text, handed to the search and checked before a replace.
    static uint64_t TextVersion(const CKTextBuffer& buffer);

private:
    class Sink;
    std::shared_ptr<const IOpenDocuments> OpenDocuments() const;
    CTagwrightDoc* OpenDocumentOf(const FileResult& file) const;
    QStringList ProjectFiles() const;
    // Tells how a replace ended: the summary in the pane, the files left alone in a message.
    void FinishReplace(const ReplaceFilesTotals& written);

    QMainWindow& m_window;
    FindFilesHost m_host;
    CKSearchResultsPane* m_pane;
    std::unique_ptr<Sink> m_sink;
    std::unique_ptr<CFindInFiles> m_search;
    // What a replace did in open documents, joined with what its run writes to disk.
    ReplaceFilesTotals m_replaced;
    int64_t m_replaceFiles = 0; // files the run was given
    CReplaceInFilesRun m_replaceRun;
};
