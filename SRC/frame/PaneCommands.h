// The editing commands a workspace pane takes while it has the focus: Copy puts the current
// item's path on the clipboard; Cut, Paste, Delete and Select All stop at the pane, disabled,
// so that a key meant for the pane never edits a document the user is not looking at.
#pragma once

#include "res/CommandTarget.h"

#include <QString>

// True when the pane takes the command; copyText is the current item's path, empty for none.
bool RunPaneCommand(int id, const QString& copyText);
bool UpdatePaneCommand(CmdUI& ui, bool canCopy);
