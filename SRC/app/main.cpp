// Entry point of the Tagwright editor: the desktop's services handed to the application.
#include "app/DesktopHost.h"
#include "app/Tagwright.h"
#include "doc/DebugReportDialog.h"
#include "doc/InstanceGuard.h"
#include "doc/KSettingsStore.h"

#include <QApplication>
#include <QMainWindow>

#include <csignal>

namespace {

// The owner of dialogs: the active window, else the main window.
QWidget* DialogParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    // A write past the file-size limit then fails with "File too large" and the save says so,
    // instead of the signal killing the editor with every unsaved text.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwright"));
    AppServices services;
    services.guard = std::make_unique<CKInstanceGuard>(CKInstanceGuard::DefaultFolders());
    services.store = std::make_unique<CKSettingsStore>();
    services.host = std::make_unique<CKDesktopHost>(&DialogParent);
    services.askAfterCrash = &CKDebugReportDialog::Ask;
    CTagwrightApp app(std::move(services));
    if (!app.InitInstance(QApplication::arguments()))
        return 0;
    const int code = app.ExitRequested() ? 0 : QApplication::exec();
    app.ExitInstance();
    return code;
}
