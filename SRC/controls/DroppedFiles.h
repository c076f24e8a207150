// The local files a drag carries, as a file manager offers them.
#pragma once

#include <QStringList>

class QMimeData;

// The paths of a drag whose every URL names a local file or folder; empty for anything else
// (text, or links to the web), which stays text to insert.
QStringList DroppedLocalPaths(const QMimeData* data);
