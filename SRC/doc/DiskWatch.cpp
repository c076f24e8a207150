// The watch over the open documents' files.
#include "doc/DiskWatch.h"

#include "doc/TagwrightDoc.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>

#include <algorithm>

namespace {

// Long enough to take in a program's writes of one save, short enough to feel at once.
constexpr int kBurstMs = 200;

} // namespace

CKDiskWatch::CKDiskWatch(QObject* parent) : QObject(parent), m_watcher(new QFileSystemWatcher(this))
{
    m_burst.setSingleShot(true);
    m_burst.setInterval(kBurstMs);
    connect(&m_burst, &QTimer::timeout, this, &CKDiskWatch::CheckPending);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CKDiskWatch::OnEvent);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &CKDiskWatch::OnEvent);
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive)
                        CheckAll();
                });
}

void CKDiskWatch::Watch(CTagwrightDoc& doc)
{
    m_docs.push_back(&doc);
    connect(&doc, &CTagwrightDoc::diskFileSet, this, &CKDiskWatch::Rearm);
    connect(&doc, &QObject::destroyed, this, [this, d = &doc] {
        std::erase(m_docs, d);
        Rearm();
    });
    Rearm();
}

void CKDiskWatch::CheckAll()
{
    for (CTagwrightDoc* doc : std::vector<CTagwrightDoc*>(m_docs))
        doc->CheckDiskFile();
    Rearm();
}

QStringList CKDiskWatch::WatchedPaths() const
{
    return m_watcher->files() + m_watcher->directories();
}

void CKDiskWatch::Rearm()
{
    QSet<QString> wanted;
    for (CTagwrightDoc* doc : m_docs) {
        if (doc->PathName().isEmpty())
            continue;
        const QFileInfo file(doc->PathName());
        wanted.insert(file.exists() ? file.absoluteFilePath() : file.absolutePath());
    }
    // A path watched again starts a watch on the inode that has the name now.
    const QStringList watched = WatchedPaths();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    if (!wanted.isEmpty())
        m_watcher->addPaths(QStringList(wanted.begin(), wanted.end()));
}

void CKDiskWatch::OnEvent(const QString& path)
{
    m_pending.insert(path);
    m_burst.start();
}

void CKDiskWatch::CheckPending()
{
    const QSet<QString> pending = std::exchange(m_pending, {});
    for (CTagwrightDoc* doc : std::vector<CTagwrightDoc*>(m_docs)) {
        if (doc->PathName().isEmpty())
            continue;
        const QFileInfo file(doc->PathName());
        if (pending.contains(file.absoluteFilePath()) || pending.contains(file.absolutePath()))
            doc->CheckDiskFile();
    }
    Rearm();
}
