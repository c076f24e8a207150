// The dialog that shows the trail of a run that ended without a clean exit and asks what to do.
#pragma once

#include "settings/core/DebugTrace.h"

#include <QDialog>

#include <string>

class CKDebugReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKDebugReportDialog(const std::string& report, QWidget* parent = nullptr);

    // The user's choice; closing the dialog counts as "Ignore error".
    DebugChoice Choice() const { return m_choice; }

    // Shows the dialog and returns the choice.
    static DebugChoice Ask(const std::string& report);

private:
    DebugChoice m_choice = DebugChoice::Ignore;
};
