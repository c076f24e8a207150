// Lets one instance of the program run: a lock file marks the running instance, and a local
// socket beside it takes what later starts hand over (one line of text each).
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
    // To the running instance: hands a message over (no line breaks in it); false when none
    // answered.
    bool HandOver(const QByteArray& message, int timeoutMs = 5000);
    // From the first instance: accepts the messages of later starts (see handedOver).
    bool Listen();

    const QString& Folder() const { return m_folder; }

signals:
    void handedOver(const QByteArray& message);

private:
    QString SocketPath(const QString& folder) const;
    bool ServerAnswers(const QString& folder) const;

    QStringList m_folders;
    QString m_folder; // where the lock is held, or where another instance holds it
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
