// One running instance: the lock, a lock left by a killed instance, the folder that holds the
// lock, what another user planted there, and handing a request to the running instance.
#include "instance/InstanceGuard.h"
#include "support/Planted.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Result = CKInstanceGuard::HandOverResult;

QString Q(const std::string& s) { return QString::fromStdString(s); }

int Mode(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// Runs work on a thread of its own while this thread serves the events; its result.
template <typename Work>
auto Served(Work work)
{
    auto result = std::async(std::launch::async, work);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return result.get();
}

QByteArray Request(const std::string& file)
{
    CommandLine request;
    request.files = {file};
    return HandOverMessage(request);
}

// An environment variable, put back as it was (unset when it was) at the end of a scope: an
// empty TMPDIR left behind would fail every later test that makes a temporary folder.
class SavedVariable {
public:
    explicit SavedVariable(const char* name)
        : m_name(name), m_set(qEnvironmentVariableIsSet(name)), m_value(qgetenv(name))
    {
    }
    ~SavedVariable()
    {
        if (m_set)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_set;
    QByteArray m_value;
};

// A first instance that holds the lock of a folder and takes requests.
struct FirstInstance {
    explicit FirstInstance(const std::string& folder) : guard(Q(folder))
    {
        EXPECT_FALSE(guard.AnotherInstanceRuns());
        EXPECT_TRUE(guard.Listen());
        QObject::connect(&guard, &CKInstanceGuard::handedOver,
                         [this](const CommandLine& request) { requests.push_back(request); });
    }
    CKInstanceGuard guard;
    std::vector<CommandLine> requests;
};

TEST(InstanceGuardTest, SecondGuardSeesTheFirstUntilItEnds)
{
    TempDir dir;
    auto first = std::make_unique<CKInstanceGuard>(Q(dir.Path()));
    ASSERT_FALSE(first->AnotherInstanceRuns());
    CKInstanceGuard second(Q(dir.Path()));
    EXPECT_TRUE(second.AnotherInstanceRuns());
    // Released at the start of its exit, before the object goes.
    first->Release();
    CKInstanceGuard third(Q(dir.Path()));
    EXPECT_FALSE(third.AnotherInstanceRuns());
    EXPECT_TRUE(third.Trouble().isEmpty());
    first.reset();
}

TEST(InstanceGuardTest, LockOfAKilledInstanceIsTakenOver)
{
    TempDir dir;
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    // The lock a process leaves when it is killed: its pid, its name, its host.
    std::ofstream(dir.File(std::string(kInstanceName) + ".lock"))
        << child << "\ntagwright\n"
        << QSysInfo::machineHostName().toStdString() << "\n";
    CKInstanceGuard guard(Q(dir.Path()));
    EXPECT_FALSE(guard.AnotherInstanceRuns());
    EXPECT_TRUE(guard.Listen());
}

TEST(InstanceGuardTest, TheLockFolderIsThisUsersAloneOrTheProgramRunsUnguardedAndSaysWhy)
{
    TempDir dir;
    ASSERT_EQ(mkdir(dir.File("own").c_str(), 0755), 0);
    ASSERT_EQ(chmod(dir.File("own").c_str(), 0755), 0);
    ASSERT_EQ(symlink(dir.File("own").c_str(), dir.File("link").c_str()), 0);
    WriteFile(dir.File("file"), "");
    const struct {
        const char* name;
        bool usable;
    } cases[] = {
        {"own", true}, // opened up by mistake: made private again
        {"link", false},
        {"file", false},
        {"missing", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CKInstanceGuard guard(Q(dir.File(c.name)));
        EXPECT_FALSE(guard.AnotherInstanceRuns());
        EXPECT_EQ(guard.Trouble().isEmpty(), c.usable) << guard.Trouble().toStdString();
        EXPECT_EQ(guard.Listen(), c.usable);
        guard.Release();
    }
    EXPECT_EQ(Mode(dir.File("own")), 0700);
}

TEST(InstanceGuardTest,
     TheDefaultFolderIsThePrivateRuntimeFolderElseTheUsersOwnInTheTemporaryFolder)
{
    TempDir dir;
    const std::string runtime = dir.File("runtime");
    const std::string open = dir.File("open");
    mkdir(runtime.c_str(), 0700);
    mkdir(open.c_str(), 0700);
    chmod(open.c_str(), 0777);
    const std::string fallback = dir.File("tagwright-" + std::to_string(geteuid()));
    const SavedVariable savedRuntime("XDG_RUNTIME_DIR");
    const SavedVariable savedTemp("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(dir.Path()));
    const struct {
        const char* runtime; // null: unset
        std::string folder;
    } cases[] = {
        {runtime.c_str(), runtime},    {nullptr, fallback},      {"", fallback},
        {"/no/such/folder", fallback}, {open.c_str(), fallback}, // others may plant files in it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runtime ? c.runtime : "unset");
        if (c.runtime)
            qputenv("XDG_RUNTIME_DIR", c.runtime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(CKInstanceGuard::DefaultFolder(), Q(c.folder));
    }
    EXPECT_EQ(Mode(fallback), 0700);
}

TEST(InstanceGuardTest, ALockOrSocketOfAnotherUserIsNeverTrustedOrConnectedTo)
{
    if (!CanPlantAsAnotherUser())
        GTEST_SKIP() << "a file of another user can only be planted as root";
    TempDir dir;
    const std::string lock = dir.File(std::string(kInstanceName) + ".lock");
    const std::string socketPath = dir.File(kInstanceName);

    // A lock of a live process, made by another user: no instance of this user runs.
    ASSERT_TRUE(PlantLiveLock(lock));
    CKInstanceGuard planted(Q(dir.Path()));
    EXPECT_FALSE(planted.AnotherInstanceRuns());
    EXPECT_TRUE(planted.Trouble().contains(Q(lock))) << planted.Trouble().toStdString();
    EXPECT_FALSE(planted.Listen());
    unlink(lock.c_str());

    // The lock is this user's, the socket another's: nothing is sent to it.
    CKInstanceGuard first(Q(dir.Path()));
    ASSERT_FALSE(first.AnotherInstanceRuns());
    const int listener = PlantListeningSocket(socketPath);
    ASSERT_GE(listener, 0);
    CKInstanceGuard second(Q(dir.Path()));
    ASSERT_TRUE(second.AnotherInstanceRuns());
    EXPECT_EQ(second.HandOver(Request("/secret/draft.html"), 2000, 2000), Result::NotDelivered);
    EXPECT_TRUE(second.Trouble().contains(Q(socketPath))) << second.Trouble().toStdString();
    EXPECT_FALSE(SomebodyConnected(listener));
    close(listener);
}

TEST(InstanceGuardTest, SecondInstanceHandsItsRequestToTheFirst)
{
    TempDir dir;
    FirstInstance first(dir.Path());
    CKInstanceGuard second(Q(dir.Path()));
    ASSERT_TRUE(second.AnotherInstanceRuns());
    const std::string file = "/home/u/My pages/página 1.html";
    EXPECT_EQ(Served([&] { return second.HandOver(Request(file)); }), Result::Taken);
    // Acknowledged once queued: the request comes from the event loop.
    const QDeadlineTimer deadline(30000);
    while (first.requests.empty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(first.requests.size(), 1u);
    EXPECT_EQ(first.requests[0].files, std::vector<std::string>{file});
}

// What a client that is not a later start gets: its answer, or what it read until the end.
QByteArray Answer(const std::string& folder, const QByteArray& bytes)
{
    QLocalSocket socket;
    socket.connectToServer(Q(folder + "/" + kInstanceName));
    if (!socket.waitForConnected(30000))
        return "not connected";
    socket.write(bytes);
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState)
        socket.waitForReadyRead(30000);
    return socket.readAll();
}

TEST(InstanceGuardTest, RequestsThatAreNotRequestsOrHaveNoEndAreRefused)
{
    TempDir dir;
    FirstInstance first(dir.Path());
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"not a request", "/etc/passwd\n"},
        {"relative path", R"({"files":["a.html"],"encoding":-1,"line":0})"
                          "\n"},
        // Read no further than the longest request: it is not kept whole in memory.
        {"no line end", QByteArray(kMaxHandOverBytes + (1 << 20), 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Served([&] { return Answer(dir.Path(), c.bytes); }), "refused\n");
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(first.requests.empty());
}

TEST(InstanceGuardTest, ARequestSentButNotAnsweredIsUnconfirmedAndOneNotTakenIsNotDelivered)
{
    const struct {
        const char* name;
        bool closes; // the instance closes the connection without an answer (it is ending)
        Result result;
    } cases[] = {
        {"no answer", false, Result::Unconfirmed},
        {"closed", true, Result::NotDelivered},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        CKInstanceGuard first(Q(dir.Path()));
        ASSERT_FALSE(first.AnotherInstanceRuns());
        QLocalServer server;
        ASSERT_TRUE(server.listen(Q(dir.File(kInstanceName))));
        QObject::connect(&server, &QLocalServer::newConnection, [&] {
            QLocalSocket* socket = server.nextPendingConnection();
            if (c.closes)
                QObject::connect(socket, &QLocalSocket::readyRead, socket, &QLocalSocket::abort);
        });
        CKInstanceGuard second(Q(dir.Path()));
        ASSERT_TRUE(second.AnotherInstanceRuns());
        EXPECT_EQ(Served([&] { return second.HandOver(Request("/x.html"), 30000, 300); }),
                  c.result);
        EXPECT_FALSE(second.Trouble().isEmpty());
        // Its lock is still held: this one runs unguarded.
        EXPECT_FALSE(second.TakeOver(0));
    }
}

TEST(InstanceGuardTest, InstanceThatEndsBeforeItListensLeavesItsLockToTheNextStart)
{
    TempDir dir;
    CKInstanceGuard first(Q(dir.Path()));
    ASSERT_FALSE(first.AnotherInstanceRuns());
    CKInstanceGuard second(Q(dir.Path()));
    ASSERT_TRUE(second.AnotherInstanceRuns());
    auto result =
        std::async(std::launch::async, [&] { return second.HandOver(Request("/x.html"), 30000); });
    first.Release();
    EXPECT_EQ(result.get(), Result::NotDelivered);
    EXPECT_TRUE(second.TakeOver(0));
    CKInstanceGuard third(Q(dir.Path()));
    EXPECT_TRUE(third.AnotherInstanceRuns());
}

TEST(InstanceGuardTest, HandOverWithoutAListenerGivesUpAndSaysWhy)
{
    TempDir dir;
    CKInstanceGuard first(Q(dir.Path()));
    ASSERT_FALSE(first.AnotherInstanceRuns());
    CKInstanceGuard second(Q(dir.Path()));
    ASSERT_TRUE(second.AnotherInstanceRuns());
    EXPECT_EQ(second.HandOver(Request("/x.html"), 300), Result::NotDelivered);
    EXPECT_FALSE(second.Trouble().isEmpty());
    EXPECT_FALSE(second.TakeOver(0));
}

} // namespace
