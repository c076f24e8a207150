// The single-instance lock and the hand-over of a request to the running instance. A request
// is one line on a connection of its own; the answer is "ok" once the request is queued, or
// "refused" for a line that is too long or not a request.
#include "instance/InstanceGuard.h"

#include "doc/Preview.h"
#include "doc/TagwrightDoc.h"
#include "res/Strings.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kConnectAttemptMs = 100;
constexpr char kAcknowledgement[] = "ok\n";
constexpr char kRefusal[] = "refused\n";

QString Res(int id)
{
    const std::string_view text = ResString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Whether the entry at path, when there is one, is of the given type and this user's.
bool AbsentOrOurs(const QString& path, mode_t type)
{
    struct stat info;
    if (lstat(NativePath(path).c_str(), &info) != 0)
        return errno == ENOENT;
    return (info.st_mode & S_IFMT) == type && info.st_uid == geteuid();
}

// Whether the other end of a connected local socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket)
{
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                      &size)
               == 0
           && peer.uid == geteuid();
}

// One request per connection: whatever follows it is not read.
void Answer(QLocalSocket* socket, const char* answer)
{
    QObject::disconnect(socket, &QLocalSocket::readyRead, nullptr, nullptr);
    socket->write(answer);
    // The answer leaves now: a sender that sees the connection close without one knows that
    // its request was not taken.
    socket->flush();
    socket->disconnectFromServer();
}

} // namespace

CKInstanceGuard::CKInstanceGuard(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{
}

CKInstanceGuard::~CKInstanceGuard() = default;

QString CKInstanceGuard::DefaultFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return runtime;
    // A fixed name in the shared temporary folder would let anybody plant the lock or the
    // socket there: the folder is this user's, and checked before it is used.
    const QString folder =
        QDir(TemporaryFolder()).filePath(QStringLiteral("tagwright-%1").arg(geteuid()));
    mkdir(NativePath(folder).c_str(), 0700);
    return folder;
}

QString CKInstanceGuard::LockPath() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(kInstanceName) + QStringLiteral(".lock"));
}

QString CKInstanceGuard::SocketPath() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(kInstanceName));
}

bool CKInstanceGuard::UsableFolder()
{
    // A folder of this user's own with a mode that lets others in is set right; one of
    // another user, or a link, is never used.
    const std::string native = NativePath(m_folder);
    const int fd = open(native.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info;
    const bool ours = fd >= 0 && fstat(fd, &info) == 0 && info.st_uid == geteuid()
                      && ((info.st_mode & 07777) == 0700 || fchmod(fd, 0700) == 0);
    const int error = errno;
    if (fd >= 0)
        close(fd);
    if (ours)
        return true;
    m_trouble = fd < 0 && error != ELOOP && error != ENOTDIR
                    ? Res(IDS_INSTANCE_FOLDER_FAILED).arg(m_folder, SystemError(error))
                    : Res(IDS_INSTANCE_FOLDER_NOT_PRIVATE).arg(m_folder);
    return false;
}

bool CKInstanceGuard::TryLock(int waitMs)
{
    if (!AbsentOrOurs(LockPath(), S_IFREG)) {
        m_trouble = Res(IDS_INSTANCE_LOCK_FOREIGN).arg(LockPath());
        m_lockedByOther = false;
        return false;
    }
    auto lock = std::make_unique<QLockFile>(LockPath());
    // Without an age limit a lock counts as stale only when its process is gone.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(waitMs)) {
        m_lockedByOther = lock->error() == QLockFile::LockFailedError;
        if (!m_lockedByOther)
            m_trouble = Res(IDS_INSTANCE_LOCK_FAILED).arg(LockPath());
        return false;
    }
    m_lock = std::move(lock);
    m_lockedByOther = false;
    return true;
}

bool CKInstanceGuard::AnotherInstanceRuns()
{
    m_trouble.clear();
    if (m_folder.isEmpty() || !UsableFolder())
        return false;
    return !TryLock(0) && m_lockedByOther;
}

CKInstanceGuard::HandOverResult CKInstanceGuard::HandOver(const QByteArray& message, int connectMs,
                                                          int answerMs)
{
    m_trouble.clear();
    if (message.size() + 1 > kMaxHandOverBytes || message.contains('\n')) {
        m_trouble = Res(IDS_INSTANCE_REQUEST_TOO_LONG);
        return HandOverResult::NotDelivered;
    }
    // The running instance may still be starting: try until it listens, or until it ended.
    const QString socketPath = SocketPath();
    const QDeadlineTimer deadline(connectMs);
    QLocalSocket socket;
    for (;;) {
        if (!AbsentOrOurs(socketPath, S_IFSOCK)) {
            m_trouble = Res(IDS_INSTANCE_SOCKET_FOREIGN).arg(socketPath);
            return HandOverResult::NotDelivered;
        }
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(kConnectAttemptMs))
            break;
        socket.abort();
        if (m_lockedByOther && TryLock(0))
            return HandOverResult::NotDelivered;
        if (deadline.hasExpired()) {
            m_trouble = Res(IDS_INSTANCE_NO_ANSWER).arg(socketPath);
            return HandOverResult::NotDelivered;
        }
        QThread::msleep(50);
    }
    if (!PeerIsThisUser(socket)) {
        m_trouble = Res(IDS_INSTANCE_SOCKET_FOREIGN).arg(socketPath);
        return HandOverResult::NotDelivered;
    }

    // A request only partly sent is never taken: the running instance acts on whole lines.
    socket.write(message + '\n');
    const QDeadlineTimer answered(answerMs);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(
                static_cast<int>(std::max<qint64>(answered.remainingTime(), 1)))
            || answered.hasExpired()) {
            m_trouble = Res(IDS_INSTANCE_NO_ANSWER).arg(socketPath);
            return HandOverResult::NotDelivered;
        }
    }
    // From here on the request may be in the running instance's hands.
    while (!socket.canReadLine()) {
        if (socket.state() != QLocalSocket::ConnectedState) {
            // It closed the connection without taking the request: it is ending.
            m_trouble = Res(IDS_INSTANCE_NO_ANSWER).arg(socketPath);
            return HandOverResult::NotDelivered;
        }
        if (answered.hasExpired()
            || (!socket.waitForReadyRead(
                    static_cast<int>(std::max<qint64>(answered.remainingTime(), 1)))
                && socket.error() == QLocalSocket::SocketTimeoutError)) {
            m_trouble = Res(IDS_INSTANCE_NO_ANSWER).arg(socketPath);
            return HandOverResult::Unconfirmed;
        }
    }
    const QByteArray answer = socket.readLine();
    if (answer == kAcknowledgement)
        return HandOverResult::Taken;
    if (answer == kRefusal) {
        m_trouble = Res(IDS_INSTANCE_REFUSED);
        return HandOverResult::NotDelivered;
    }
    m_trouble = Res(IDS_INSTANCE_NO_ANSWER).arg(socketPath);
    return HandOverResult::Unconfirmed;
}

bool CKInstanceGuard::TakeOver(int waitMs)
{
    return m_lock || (m_lockedByOther && TryLock(waitMs));
}

bool CKInstanceGuard::Listen()
{
    // Only the holder of the lock listens; an instance that hangs keeps its lock and its
    // socket, and this one then stays unreachable.
    if (!m_lock)
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString socketPath = SocketPath();
    // A socket left by an instance that was killed would block the name.
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!PeerIsThisUser(*socket)) {
                socket->abort();
                continue;
            }
            // Reading stops at the longest request, so a line without an end cannot grow.
            socket->setReadBufferSize(kMaxHandOverBytes);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { ReadRequest(socket); });
        }
    });
    return true;
}

void CKInstanceGuard::ReadRequest(QLocalSocket* socket)
{
    // A request whose sender stopped waiting is still taken: that start does not open the
    // files itself.
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() >= kMaxHandOverBytes)
            Answer(socket, kRefusal);
        return;
    }
    QByteArray line = socket->readLine();
    line.chop(1);
    CommandLine request;
    if (!ReadHandOverMessage(line, request)) {
        Answer(socket, kRefusal);
        return;
    }
    // Queued before it is acknowledged: a start that was told "ok" can rely on it. Opening
    // may show a message box whose event loop deletes this socket, so the request waits
    // until this handler has returned.
    QMetaObject::invokeMethod(
        this, [this, request] { emit handedOver(request); }, Qt::QueuedConnection);
    Answer(socket, kAcknowledgement);
}

void CKInstanceGuard::Release()
{
    delete m_server;
    m_server = nullptr;
    m_lock.reset();
}
