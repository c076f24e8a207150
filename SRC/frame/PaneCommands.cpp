// The editing commands of the workspace panes.
#include "frame/PaneCommands.h"

#include "res/CommandIds.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

bool IsStoppedCommand(int id)
{
    return id == ID_EDIT_CUT || id == ID_EDIT_PASTE || id == ID_EDIT_DELETE
           || id == ID_EDIT_SELECT_ALL;
}

} // namespace

bool RunPaneCommand(int id, const QString& copyText)
{
    if (id == ID_EDIT_COPY) {
        if (!copyText.isEmpty())
            QGuiApplication::clipboard()->setText(copyText);
        return true;
    }
    return IsStoppedCommand(id);
}

bool UpdatePaneCommand(CmdUI& ui, bool canCopy)
{
    if (ui.id == ID_EDIT_COPY) {
        ui.Enable(canCopy);
        return true;
    }
    if (IsStoppedCommand(ui.id)) {
        ui.Enable(false);
        return true;
    }
    return false;
}
