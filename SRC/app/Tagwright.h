// The application: the composition root. It takes the desktop host, the settings store and the
// instance guard from its caller, starts up in order, keeps the open documents, handles the
// Open, Save All and About commands, and ends.
#pragma once

#include "doc/DocHost.h"
#include "doc/DocManager.h"
#include "doc/core/AppSettings.h"
#include "doc/core/RecentFiles.h"
#include "res/CommandTarget.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <span>
#include <vector>

class CKExitSignals;
class CKInstanceGuard;
class CMainFrame;
class CTagwrightDoc;
class SettingsStore;

// What the application runs on; the program hands in the desktop's, tests their fakes.
struct AppServices {
    std::unique_ptr<CKInstanceGuard> guard;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<CKDocHost> host;
    // Asks what to do after a run that did not end cleanly.
    AppSettings::DebugQuestion askAfterCrash;
};

class CTagwrightApp : public QObject, public CKDocManager {
    Q_OBJECT
public:
    explicit CTagwrightApp(AppServices services, QObject* parent = nullptr);
    ~CTagwrightApp() override;

    // Start-up with the program's arguments. False ends the program at once (another
    // instance runs, the user chose to close, or the command line's file cannot be opened).
    bool InitInstance(const QStringList& arguments);
    // At exit: the preview file goes and the settings are written, unless this run must leave
    // them alone.
    void ExitInstance();

    // A signal asked the program to end: it goes through ExitInstance without further work.
    bool ExitRequested() const { return m_exitRequested; }

    AppSettings& Settings() { return *m_settings; }
    RecentFiles& Recent() { return m_recent; }
    const RecentFiles& Recent() const override { return m_recent; }
    CMainFrame* MainFrame() { return m_mainFrame.get(); }
    CKDocHost& Host() { return *m_services.host; }
    const CCommandCatalogue& Catalogue() const { return m_catalogue; }

    // The documents.
    const std::vector<CTagwrightDoc*>& Documents() const override { return m_documents; }
    CTagwrightDoc* NewDocument();
    // Activates the document already open at path, or opens it in a new window in the
    // remembered code page and line ending.
    CTagwrightDoc* OpenDocumentFile(const QString& path) override;
    // A file named on a command line, of this start or handed over by a later one: its code
    // page and line ending are detected as at start-up. An empty path opens nothing.
    CTagwrightDoc* OpenCommandLineFile(const QString& path) override;
    bool CloseDocument(CTagwrightDoc& doc);
    bool SaveAllModified() override;
    void OnViewClosed(CTagwrightDoc* doc) override;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;
    // The commands of the application.
    static std::span<const CommandRow<CTagwrightApp>> CommandRows();

private:
    CTagwrightDoc* CreateDocument();
    CTagwrightDoc* OpenDocumentFile(const QString& path, int codePage, int lineEnding);
    void AddRecentFile(const QString& path);
    void OnFileOpen();
    void OnFileSaveAll();
    void OpenRecentFile(int index);
    void OnAppAbout();

    AppServices m_services;
    std::unique_ptr<CKExitSignals> m_exitSignals;
    std::unique_ptr<AppSettings> m_settings;
    CCommandCatalogue m_catalogue;
    std::unique_ptr<CMainFrame> m_mainFrame;
    RecentFiles m_recent;
    std::vector<CTagwrightDoc*> m_documents;
    int m_untitledCount = 0;
    bool m_saveSettingsAtExit = false;
    bool m_exitRequested = false;
};
