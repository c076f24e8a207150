// The single-instance lock and the hand-over of a message to the running instance.
#include "instance/InstanceGuard.h"

#include "doc/Preview.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

constexpr int kConnectAttemptMs = 100;
// How long a later start waits for the running instance to take its request. An instance
// that is exiting or hangs does not answer, and the later start then runs itself.
constexpr int kAcknowledgeMs = 2500;
constexpr char kAcknowledgement[] = "ok\n";

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

bool CKInstanceGuard::TryLock(int waitMs)
{
    auto lock = std::make_unique<QLockFile>(
        QDir(m_folder).filePath(QString::fromLatin1(kInstanceName) + QStringLiteral(".lock")));
    // Without an age limit a lock counts as stale only when its process is gone.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(waitMs)) {
        m_lockedByOther = lock->error() == QLockFile::LockFailedError;
        return false;
    }
    m_lock = std::move(lock);
    m_lockedByOther = false;
    return true;
}

bool CKInstanceGuard::AnotherInstanceRuns()
{
    for (const QString& folder : m_folders) {
        m_folder = folder;
        if (TryLock(0))
            return false;
        if (m_lockedByOther)
            return true;
    }
    // No folder can hold a lock: a running instance can still be told by its socket.
    for (const QString& folder : m_folders) {
        if (ServerAnswers(folder)) {
            m_folder = folder;
            return true;
        }
    }
    m_folder = m_folders.isEmpty() ? QString() : m_folders.constFirst();
    return false;
}

bool CKInstanceGuard::HandOver(const QByteArray& message, int timeoutMs)
{
    // The running instance may still be starting: try until it listens, or until it ended.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(SocketPath(m_folder));
        if (socket.waitForConnected(kConnectAttemptMs))
            break;
        socket.abort();
        if (deadline.hasExpired() || (m_lockedByOther && TryLock(0)))
            return false;
        QThread::msleep(50);
    }
    socket.write(message + '\n');
    const QDeadlineTimer acknowledged(kAcknowledgeMs);
    if (!socket.waitForBytesWritten(kAcknowledgeMs))
        return false;
    while (!socket.canReadLine()) {
        const int remaining = static_cast<int>(std::max<qint64>(acknowledged.remainingTime(), 1));
        if (acknowledged.hasExpired() || !socket.waitForReadyRead(remaining))
            return false;
    }
    return socket.readLine() == kAcknowledgement;
}

bool CKInstanceGuard::TakeOver(int waitMs)
{
    return m_lock || (m_lockedByOther && TryLock(waitMs));
}

bool CKInstanceGuard::Listen()
{
    // An instance that hangs keeps its lock and its socket; this one then stays unreachable.
    if (m_folder.isEmpty() || (!m_lock && m_lockedByOther))
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
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { ReadRequests(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

void CKInstanceGuard::ReadRequests(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine();
        line.chop(1);
        socket->write(kAcknowledgement);
        // Opening may show a message box whose event loop deletes this socket, so the
        // request waits until this handler has returned.
        QMetaObject::invokeMethod(
            this, [this, line] { emit handedOver(line); }, Qt::QueuedConnection);
    }
}

void CKInstanceGuard::Release()
{
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
}
