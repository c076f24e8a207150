// Watches the files of open documents and has each document look at its file when another
// program may have changed it.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <vector>

class CTagwrightDoc;
class QFileSystemWatcher;

// One watch per file, and the folder of a file that is missing, so that a file put back is
// noticed too. A watch follows the file's inode, so after every event the paths are watched
// anew: a file replaced by a rename is then watched under its name again. Events of one burst
// (a program writing in several steps) are gathered for a short while into one look. The
// documents also look when the application becomes active. Nothing runs while no file changes.
class CKDiskWatch : public QObject {
    Q_OBJECT
public:
    explicit CKDiskWatch(QObject* parent = nullptr);

    // Follows the document's file from now on, until the document is destroyed.
    void Watch(CTagwrightDoc& doc);
    // Every document looks at its file now.
    void CheckAll();

    // The paths watched now, for tests.
    QStringList WatchedPaths() const;

private:
    void Rearm();
    void OnEvent(const QString& path);
    void CheckPending();

    QFileSystemWatcher* m_watcher;
    std::vector<CTagwrightDoc*> m_docs;
    QSet<QString> m_pending; // files and folders that had events in this burst
    QTimer m_burst;
};
