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
struct CommandLine;
class CKDesktopHost;
class CKInstanceGuard;
class CKSettingsStore;
class CMainFrame;
class CTagwrightDoc;

class CTagwrightApp : public QObject, public CKCommandTarget {
    Q_OBJECT
public:
    explicit CTagwrightApp(QObject* parent = nullptr);
    ~CTagwrightApp() override;

    // Start-up with the program's command line. False ends the program at once (another
    // instance runs, the user chose to close, or none of the command line's files opens).
    bool InitInstance(const CommandLine& commandLine);
    // At exit: the preview file goes and the settings are written, unless this run must leave
    // them alone.
    void ExitInstance();

    AppSettings& Settings() { return *m_settings; }
    RecentFiles& Recent() { return m_recent; }
    CMainFrame* MainFrame() { return m_mainFrame.get(); }

    // The documents.
    const std::vector<CTagwrightDoc*>& Documents() const { return m_documents; }
    CTagwrightDoc* NewDocument();
    // Activates the document already open at path, or opens it in a new window.
    CTagwrightDoc* OpenDocumentFile(const QString& path);
    bool CloseDocument(CTagwrightDoc& doc);
    // Opens the files of a command line in its code page (Windows-1251 when none is given),
    // each with its line ending detected, and puts the caret on its line; the number opened.
    // The page becomes the remembered one, as a choice in the Open dialog does.
    int OpenCommandLine(const CommandLine& request);
    // Asks to save each modified document; false when the user cancels.
    bool SaveAllModified();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;

public slots:
    void OnViewClosed(CTagwrightDoc* doc);
    // A later start's command line: its files open here and the main window comes forward.
    void OnHandOver(const QByteArray& message);

private:
    CTagwrightDoc* CreateDocument();
    void AddRecentFile(const QString& path);
    void OnFileOpen();
    void OnFileSaveAll();
    void OnAppAbout();

    std::unique_ptr<CKInstanceGuard> m_guard;
    std::unique_ptr<CKSettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<CKDesktopHost> m_host;
    std::unique_ptr<CMainFrame> m_mainFrame;
    RecentFiles m_recent;
    std::vector<CTagwrightDoc*> m_documents;
    int m_untitledCount = 0;
    bool m_saveSettingsAtExit = false;
};
