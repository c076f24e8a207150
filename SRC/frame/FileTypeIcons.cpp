// Icons of the Explorer's entries, looked up once per kind of entry.
#include "frame/FileTypeIcons.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QMutexLocker>

QIcon CKFileTypeIcons::icon(const QFileInfo& info) const
{
    // The theme lookup probes several files on disk, and a folder that changes often has its
    // entries asked again at every change; the type is taken from the name alone, so a file
    // is never opened to choose its icon.
    const QMimeType type =
        info.isDir() ? QMimeType()
                     : QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    const QString kind = info.isRoot()  ? QStringLiteral("/drive")
                         : info.isDir() ? QStringLiteral("/folder")
                                        : type.name();
    QMutexLocker locker(&m_lock);
    if (const auto found = m_byKind.constFind(kind); found != m_byKind.cend())
        return *found;
    QIcon icon;
    if (info.isRoot())
        icon = QFileIconProvider::icon(Drive);
    else if (info.isDir())
        icon = QFileIconProvider::icon(Folder);
    else
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(),
                                                                  QFileIconProvider::icon(File)));
    m_byKind.insert(kind, icon);
    return icon;
}
