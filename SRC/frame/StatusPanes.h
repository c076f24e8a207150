// What a screen reader reads for a status bar pane: its text, or its name while it shows none.
#pragma once

#include <QString>

class QLabel;

// The name of a pane by its id, or an empty text for an unknown id.
QString StatusPaneName(int id);
// Shows the text in the pane; an empty pane is named so that it is not read as nothing.
void SetStatusPaneText(QLabel& pane, int id, const QString& text);
