// The application: the composition root. It takes the desktop host, the settings store and the
// instance guard from its caller, starts up in order, keeps the open documents, handles the
// Open, Save All and About commands, and ends.
#pragma once

#include "doc/DiskWatch.h"
#include "doc/DocHost.h"
#include "doc/DocManager.h"
#include "res/CommandTarget.h"
#include "session/core/Session.h"
#include "settings/core/AppSettings.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct CommandLine;
class CKExitSignals;
class CKInstanceGuard;
class CKRecoveryDialog;
class CKRecoveryManager;
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
    // Where the recovery copies live; empty: the user's state folder.
    std::string recoveryRoot;
    // Shows the dialog that offers the copies of a run that did not end cleanly; empty: a
    // modal dialog.
    std::function<void(CKRecoveryDialog&)> offerRecovery;
    // The settings file that was too large to read, which the user hears of once the window
    // is up; empty: none was refused.
    QString refusedSettingsFile;
};

class CTagwrightApp : public QObject, public CKDocManager, public CSettingsListener {
    Q_OBJECT
public:
    explicit CTagwrightApp(AppServices services, QObject* parent = nullptr);
    ~CTagwrightApp() override;

    // Start-up with the program's command line. False ends the program at once (another
    // instance runs, the user chose to close, or none of the command line's files opens).
    bool InitInstance(const CommandLine& commandLine);
    // At exit: the preview file goes and the settings are written, unless this run must leave
    // them alone.
    void ExitInstance();

    // A signal asked the program to end: it goes through ExitInstance without further work.
    bool ExitRequested() const { return m_exitRequested; }
    // The program's exit status when InitInstance returned false.
    int StartExitCode() const { return m_startExitCode; }

    AppSettings& Settings() { return *m_settings; }
    CSession& Session() override { return *m_session; }
    CMainFrame* MainFrame() { return m_mainFrame.get(); }
    // Null while recovery copies are off or cannot be kept.
    CKRecoveryManager* Recovery() { return m_recovery.get(); }
    CKDocHost& Host() { return *m_services.host; }

    // The documents.
    std::vector<CTagwrightDoc*> Documents() const override;
    CTagwrightDoc* NewDocument();
    // Activates the document already open at path, or opens it in a new window in the
    // remembered code page and line ending.
    CTagwrightDoc* OpenDocumentFile(const QString& path) override;
    CTagwrightDoc* OpenDocumentInPage(const QString& path, CodePage codePage,
                                      LineEnding lineEnding) override;
    bool CloseDocument(CTagwrightDoc& doc);
    // Opens the files of a command line, of this start or handed over by a later one, in its
    // code page (Windows-1251 when none is given) with each file's line ending detected, as at
    // start-up, and puts the caret on its line; the number opened. The remembered code page
    // and line ending stay as they are.
    int OpenCommandLine(const CommandLine& request) override;
    bool SaveAllModified() override;
    void OnViewClosed(CTagwrightDoc* doc) override;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;
    // The commands the application runs.
    static std::span<const CommandHandler<CTagwrightApp>> CommandHandlers();

public slots:
    // A later start's command line: the frame opens its files and comes to the front.
    void OnHandOver(const CommandLine& request);

private:
    // A document that follows the application's settings, recovery copies and the disk watch,
    // not yet open.
    std::unique_ptr<CTagwrightDoc> CreateDocument();
    // The open documents take doc, and a window shows it.
    CTagwrightDoc& AddDocument(std::unique_ptr<CTagwrightDoc> doc);
    // The path as the system names the file; empty, after telling the user, when the name fits
    // several files.
    std::string NativePathOrComplain(const QString& path) const;
    // By the path as the system names the file.
    CTagwrightDoc* FindDocument(const std::string& path) const;
    CTagwrightDoc* OpenDocumentFile(const std::string& path, CodePage codePage,
                                    LineEnding lineEnding);
    // In the page the file was last opened or saved with.
    CTagwrightDoc* OpenInItsFormat(const std::string& path);
    void AddRecentFile(const std::string& path);
    void OnFileOpen();
    void OnFileSaveAll();
    void OpenRecentFile(int index);
    void OnAppAbout();
    void OnHelpContents();
    std::string RecoveryRoot() const;
    void StartRecovery();
    // Opens the documents the last run left open, each window as it was, the active one last;
    // the files that no longer exist are added to missing. The number opened.
    int ReopenLastSession(QStringList& missing);
    // Told once per run when the settings cannot be written: a message in the window, or on
    // standard error once the program is exiting.
    void ReportSettingsNotWritten();
    // Recovery copies switched on in Options start at once, for the documents open already.
    void OnSettingsChanged() override;
    // Offers the copies that runs which did not end cleanly left.
    void OfferRecoveredTexts();
    bool RestoreRecovered(const struct RecoveryCandidate& candidate);
    // Whether the only open document is the empty one made at start, still untouched.
    bool StartDocumentAlone() const;
    // Whether a document other than leaving shows title.
    bool TitleInUse(const QString& title, const CTagwrightDoc* leaving = nullptr) const;
    // The next untitled title no open document other than leaving shows.
    QString NextUntitledTitle(const CTagwrightDoc* leaving = nullptr);
    // What a desktop logout asks of the program.
    void OnCommitData(class QSessionManager& session);

    AppServices m_services;
    std::unique_ptr<CKExitSignals> m_exitSignals;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CKRecoveryManager> m_recovery;
    CKDiskWatch* m_diskWatch = new CKDiskWatch(this); // the open documents' files
    bool m_recoveryWarned = false;
    std::unique_ptr<CSession> m_session;
    std::vector<std::unique_ptr<CTagwrightDoc>> m_documents; // the open documents, owned here
    int m_untitledCount = 0;
    // The empty document made at start while the recovery copies are offered.
    QPointer<CTagwrightDoc> m_startDocument;
    bool m_saveSettingsAtExit = false;
    bool m_exiting = false;
    bool m_exitRequested = false;
    int m_startExitCode = 0;
};
