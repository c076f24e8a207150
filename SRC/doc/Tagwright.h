// The application: the single-instance guard, start-up in order, the open documents, the
// Open, Save All and About commands, and exit.
#pragma once

#include "doc/DocView.h"
#include "doc/core/RecentFiles.h"
#include "frame/CommandTarget.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class AppSettings;
class CKDesktopHost;
class CKExitSignals;
class CKInstanceGuard;
class CKSettingsStore;
class CMainFrame;
class CTagwrightDoc;

class CTagwrightApp : public QObject, public CKCommandTarget {
    Q_OBJECT
public:
    explicit CTagwrightApp(QObject* parent = nullptr);
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
    CMainFrame* MainFrame() { return m_mainFrame.get(); }

    // The documents.
    const std::vector<CTagwrightDoc*>& Documents() const { return m_documents; }
    CTagwrightDoc* NewDocument();
    // Activates the document already open at path, or opens it in a new window in the
    // remembered code page and line ending.
    CTagwrightDoc* OpenDocumentFile(const QString& path);
    // A file named on a command line, of this start or handed over by a later one: its code
    // page and line ending are detected as at start-up. An empty path opens nothing.
    CTagwrightDoc* OpenCommandLineFile(const QString& path);
    bool CloseDocument(CTagwrightDoc& doc);
    // Asks to save each modified document; false when the user cancels.
    bool SaveAllModified();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;

public slots:
    void OnViewClosed(CTagwrightDoc* doc);

private:
    CTagwrightDoc* CreateDocument();
    CTagwrightDoc* FindDocument(const QString& path) const;
    CTagwrightDoc* OpenDocumentFile(const QString& path, int codePage, int lineEnding);
    void OpenRecentFile(int index);
    void AddRecentFile(const QString& path);
    void OnFileOpen();
    void OnFileSaveAll();
    void OnAppAbout();

    std::unique_ptr<CKInstanceGuard> m_guard;
    std::unique_ptr<CKExitSignals> m_exitSignals;
    std::unique_ptr<CKSettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<CKDesktopHost> m_host;
    std::unique_ptr<CMainFrame> m_mainFrame;
    RecentFiles m_recent;
    std::vector<CTagwrightDoc*> m_documents;
    int m_untitledCount = 0;
    bool m_saveSettingsAtExit = false;
    bool m_exitRequested = false;
};
