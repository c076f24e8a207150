// The pictures of the selection margin: the strip of line-mark icons and the margin pointer.
#pragma once

#include <QCursor>
#include <QPixmap>

// Fourteen 16 x 16 icons side by side, in the order of the margin icon rows: three line marks,
// bookmarks 1 to 9, bookmark 0, the plain bookmark.
QPixmap MarginIconStrip();
// The pointer over the margin: an arrow pointing right, up into the line.
QCursor MarginCursor();
