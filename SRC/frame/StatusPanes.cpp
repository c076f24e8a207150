// What a screen reader reads for a status bar pane: its text, or its name while it shows none.
#include "frame/StatusPanes.h"

#include "res/CommandIds.h"

#include <QLabel>

#include <utility>

namespace {

// The panes that show nothing at times: all but the message pane and the clock. An empty
// overwrite or read-only pane means the mode is off.
const std::pair<int, const char*> kPaneNames[] = {
    {ID_PANE_POSITION, "Caret position"}, {ID_PANE_OVERWRITE, "Overwrite off"},
    {ID_PANE_LINE_ENDING, "Line ending"},  {ID_PANE_CODE_PAGE, "Code page"},
    {ID_PANE_READ_ONLY, "Read-only off"},
};

} // namespace

QString StatusPaneName(int id)
{
    for (const auto& [paneId, name] : kPaneNames)
        if (paneId == id)
            return QString::fromLatin1(name);
    return {};
}

void SetStatusPaneText(QLabel& pane, int id, const QString& text)
{
    pane.setText(text);
    // A label with no name of its own is read by its text. The name is set only when it
    // changes: each change is announced, and the panes are updated whenever the program idles.
    const QString name = text.isEmpty() ? StatusPaneName(id) : QString();
    if (pane.accessibleName() != name)
        pane.setAccessibleName(name);
}
