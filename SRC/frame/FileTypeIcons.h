// Icons of the Explorer's entries, looked up once per kind of entry.
#pragma once

#include <QFileIconProvider>
#include <QHash>
#include <QMutex>

class CKFileTypeIcons : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    // The icon of a folder, a drive, or a file by the type its name says. Asked from the
    // model's reading thread as well as from painting.
    QIcon icon(const QFileInfo& info) const override;

private:
    mutable QMutex m_lock;
    mutable QHash<QString, QIcon> m_byKind;
};
