// The single-instance lock and the hand-over of a message to the running instance.
#include "doc/InstanceGuard.h"

#include "doc/Preview.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr int kConnectAttemptMs = 100;

} // namespace

CKInstanceGuard::CKInstanceGuard(QStringList folders, QObject* parent)
    : QObject(parent), m_folders(std::move(folders))
{
}

CKInstanceGuard::~CKInstanceGuard() = default;

QStringList CKInstanceGuard::DefaultFolders()
{
    QStringList folders;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        folders << runtime;
    folders << TemporaryFolder();
    return folders;
}

QString CKInstanceGuard::SocketPath(const QString& folder) const
{
    return QDir(folder).filePath(QString::fromLatin1(kInstanceName));
}

bool CKInstanceGuard::ServerAnswers(const QString& folder) const
{
    QLocalSocket socket;
    socket.connectToServer(SocketPath(folder));
    return socket.waitForConnected(kConnectAttemptMs);
}

bool CKInstanceGuard::AnotherInstanceRuns()
{
    for (const QString& folder : m_folders) {
        auto lock = std::make_unique<QLockFile>(
            QDir(folder).filePath(QString::fromLatin1(kInstanceName) + QStringLiteral(".lock")));
        // Without an age limit a lock counts as stale only when its process is gone.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_folder = folder;
            m_lock = std::move(lock);
            return false;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            m_folder = folder;
            return true;
        }
    }
    // No folder can hold a lock: a running instance can still be told by its socket.
    for (const QString& folder : m_folders) {
        if (ServerAnswers(folder)) {
            m_folder = folder;
            return true;
        }
    }
    if (!m_folders.isEmpty())
        m_folder = m_folders.constFirst();
    return false;
}

bool CKInstanceGuard::HandOver(const QByteArray& message, int timeoutMs)
{
    // The running instance may still be starting: try until it listens.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(SocketPath(m_folder));
        if (socket.waitForConnected(kConnectAttemptMs))
            break;
        socket.abort();
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 100))))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return true;
}

bool CKInstanceGuard::Listen()
{
    if (m_folder.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString socketPath = SocketPath(m_folder);
    // A socket left by an instance that was killed would block the name.
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            const auto drain = [this, socket] {
                while (socket->canReadLine()) {
                    QByteArray line = socket->readLine();
                    line.chop(1);
                    if (!line.isEmpty())
                        emit handedOver(line);
                }
            };
            connect(socket, &QLocalSocket::readyRead, this, drain);
            connect(socket, &QLocalSocket::disconnected, this, [socket, drain] {
                drain();
                socket->deleteLater();
            });
        }
    });
    return true;
}
