// Lets one instance of the program run: a lock file marks the running instance, and a local
// socket beside it takes the files that later starts hand over. Both live in a folder only this
// user can enter; a lock or socket of another user is never trusted or connected to.
#pragma once

#include "instance/CommandLine.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

inline constexpr char kInstanceName[] = "TagwrightPreventSecondInstance";
// The longest hand-over message, its line end included; a longer one is refused.
inline constexpr qint64 kMaxHandOverBytes = 8 << 20;

class CKInstanceGuard : public QObject {
    Q_OBJECT
public:
    enum class HandOverResult {
        Taken,        // the running instance has queued the request
        NotDelivered, // it never will: this start may open the files itself
        Unconfirmed,  // it may have it but did not say so in time: this start must not open them
    };

    // folder: where the lock and the socket live. It must be a private folder of this user;
    // otherwise the program runs unguarded (see Trouble).
    explicit CKInstanceGuard(QString folder, QObject* parent = nullptr);
    ~CKInstanceGuard() override;

    // $XDG_RUNTIME_DIR when it is a private folder of this user, else the user's own folder
    // "tagwright-<uid>" in the temporary folder, made (mode 0700) when it is missing.
    static QString DefaultFolder();

    // True when another instance of this user is running. A lock left by a process that no
    // longer runs is taken over. False also when no lock can be had here (Trouble says why).
    bool AnotherInstanceRuns();
    // To the running instance: hands a request over. connectMs bounds the wait for an instance
    // still starting, answerMs the wait for its answer once the request is sent.
    HandOverResult HandOver(const QByteArray& message, int connectMs = 5000, int answerMs = 10000);
    // After a hand-over that was not delivered: waits a little for the lock. False when the
    // other instance still holds it (it hangs); this one then runs unguarded.
    bool TakeOver(int waitMs);
    // From the first instance: accepts the requests of later starts (see handedOver).
    bool Listen();
    // First thing at exit: later starts no longer find this instance and run themselves.
    void Release();

    const QString& Folder() const { return m_folder; }
    // Why the last step failed (the folder, the lock, the socket or the answer), for a
    // message; empty when nothing went wrong.
    const QString& Trouble() const { return m_trouble; }

signals:
    // Emitted from the event loop after the socket work is done, never from inside it, so
    // a receiver may show dialogs.
    void handedOver(const CommandLine& request);

private:
    QString LockPath() const;
    QString SocketPath() const;
    bool UsableFolder();
    bool TryLock(int waitMs);
    void ReadRequest(QLocalSocket* socket);

    QString m_folder;
    QString m_trouble;
    std::unique_ptr<QLockFile> m_lock;
    bool m_lockedByOther = false;
    QLocalServer* m_server = nullptr;
};
