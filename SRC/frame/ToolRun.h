// Starting a user tool: the program runs on its own and may outlive the editor; when it cannot
// start, or ends in failure while the editor runs, the window is told why.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// failed gets the message to show, with what the tool wrote to its error output; it is not
// called once context is gone.
void StartUserTool(const QString& name, const QString& program, const QStringList& arguments,
                   const QString& folder, QObject* context,
                   std::function<void(const QString& message)> failed);
