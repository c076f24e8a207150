// Lets one instance of the program run: a lock file marks the running instance, and a local
// socket beside it takes the files that later starts hand over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;

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
    // To the running instance: hands a message over (one line: no line breaks in it). True
    // once that instance acknowledged it; false when none did in time, or when it ended
    // meanwhile and this guard took its lock.
    bool HandOver(const QByteArray& message, int timeoutMs = 5000);
    // After a hand-over nobody acknowledged: waits a little for the lock. False when the
    // other instance still holds it (it hangs); this one then runs unguarded.
    bool TakeOver(int waitMs);
    // From the first instance: accepts the messages of later starts (see handedOver).
    bool Listen();
    // First thing at exit: later starts no longer find this instance and run themselves.
    void Release();

    const QString& Folder() const { return m_folder; }

signals:
    // Emitted from the event loop after the socket work is done, never from inside it, so
    // a receiver may show dialogs.
    void handedOver(const QByteArray& message);

private:
    QString SocketPath(const QString& folder) const;
    bool ServerAnswers(const QString& folder) const;
    bool TryLock(int waitMs);
    void ReadRequests(QLocalSocket* socket);

    QStringList m_folders;
    QString m_folder; // where the lock is held, or where another instance holds it
    std::unique_ptr<QLockFile> m_lock;
    bool m_lockedByOther = false;
    QLocalServer* m_server = nullptr;
};
