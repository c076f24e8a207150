// Lets one instance of the program run: a lock file marks the running instance, and a local
// socket beside it takes the files that later starts hand over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;

inline constexpr char kInstanceName[] = "TagwrightPreventSecondInstance";

class CKInstanceGuard : public QObject {
    Q_OBJECT
public:
    // folders: where the lock may live, in order of preference; a folder that cannot hold it
    // is passed over, and with none the program runs unguarded.
    explicit CKInstanceGuard(QStringList folders, QObject* parent = nullptr);
    ~CKInstanceGuard() override;

    // $XDG_RUNTIME_DIR, then the temporary folder.
    static QStringList DefaultFolders();

    // True when another instance is running. A lock left by a process that no longer runs
    // is taken over.
    bool AnotherInstanceRuns();
    // From the running instance: hands a file's full path over; false when none answered.
    bool HandOver(const QString& path, int timeoutMs = 5000);
    // From the first instance: accepts the paths of later starts (see fileRequested).
    bool Listen();

    const QString& Folder() const { return m_folder; }

signals:
    void fileRequested(const QString& path);

private:
    QString SocketPath(const QString& folder) const;
    bool ServerAnswers(const QString& folder) const;

    QStringList m_folders;
    QString m_folder; // where the lock is held, or where another instance holds it
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
