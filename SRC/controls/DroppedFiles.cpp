// The local files a drag carries.
#include "controls/DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

QStringList DroppedLocalPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}
