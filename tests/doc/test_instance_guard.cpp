// One running instance: the lock, a lock left by a killed instance, folders that cannot hold
// the lock, and handing a file to the running instance.
#include "doc/InstanceGuard.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <fstream>
#include <limits>
#include <future>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A hand-over bound longer than any test runs: a hand-over given it returns only by its own
// logic, never by running out of time.
constexpr int kNoBound = std::numeric_limits<int>::max();

TEST(InstanceGuardTest, SecondGuardSeesTheFirstUntilItEnds)
{
    TempDir dir;
    auto first = std::make_unique<CKInstanceGuard>(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first->AnotherInstanceRuns());
    CKInstanceGuard second(QStringList{Q(dir.Path())});
    EXPECT_TRUE(second.AnotherInstanceRuns());
    // Released at the start of its exit, before the object goes.
    first->Release();
    CKInstanceGuard third(QStringList{Q(dir.Path())});
    EXPECT_FALSE(third.AnotherInstanceRuns());
    first.reset();
}

// Runs a hand-over on a thread of its own while this thread serves the events; its result.
bool HandOverServed(CKInstanceGuard& guard, const QByteArray& message, int timeoutMs,
                    const std::function<void()>& meanwhile = {})
{
    auto result = std::async(std::launch::async, [&] { return guard.HandOver(message, timeoutMs); });
    if (meanwhile)
        meanwhile();
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return result.get();
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
        << child << "\ntagwright\n" << QSysInfo::machineHostName().toStdString() << "\n";
    CKInstanceGuard guard(QStringList{Q(dir.Path())});
    EXPECT_FALSE(guard.AnotherInstanceRuns());
}

TEST(InstanceGuardTest, FolderThatCannotHoldTheLockIsPassedOver)
{
    TempDir dir;
    WriteFile(dir.File("not-a-folder"), "");
    CKInstanceGuard guard(QStringList{Q(dir.File("not-a-folder")), Q(dir.Path())});
    EXPECT_FALSE(guard.AnotherInstanceRuns());
    EXPECT_EQ(guard.Folder(), Q(dir.Path()));

    CKInstanceGuard unguarded(QStringList{Q(dir.File("not-a-folder"))});
    EXPECT_FALSE(unguarded.AnotherInstanceRuns());
}

TEST(InstanceGuardTest, SecondInstanceHandsItsFileToTheFirst)
{
    TempDir dir;
    CKInstanceGuard first(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first.AnotherInstanceRuns());
    ASSERT_TRUE(first.Listen());
    QList<QByteArray> requests;
    QObject::connect(&first, &CKInstanceGuard::handedOver,
                     [&requests](const QByteArray& message) { requests << message; });

    CKInstanceGuard second(QStringList{Q(dir.Path())});
    ASSERT_TRUE(second.AnotherInstanceRuns());
    const QByteArray message = QStringLiteral("/home/u/My pages/página 1.html").toUtf8();
    EXPECT_TRUE(HandOverServed(second, message, kNoBound));
    // The request is emitted from the event loop after the acknowledgement.
    const QDeadlineTimer deadline(60000);
    while (requests.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.at(0), message);
}

TEST(InstanceGuardTest, HandOverThatIsNotAcknowledgedFails)
{
    TempDir dir;
    CKInstanceGuard first(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first.AnotherInstanceRuns());
    // An instance that accepts the connection but never answers, as one that hangs.
    QLocalServer silent;
    ASSERT_TRUE(silent.listen(Q(dir.File(kInstanceName))));

    CKInstanceGuard second(QStringList{Q(dir.Path())});
    ASSERT_TRUE(second.AnotherInstanceRuns());
    // The acknowledgement has a bound of its own: with no bound on the connection, the
    // hand-over still returns.
    EXPECT_FALSE(second.HandOver(QByteArray("/x.html"), kNoBound));
    // Its lock is still held: this one runs unguarded.
    EXPECT_FALSE(second.TakeOver(100));
}

TEST(InstanceGuardTest, InstanceThatEndsDuringTheHandOverLeavesItsLockToTheNextStart)
{
    TempDir dir;
    CKInstanceGuard first(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first.AnotherInstanceRuns());
    CKInstanceGuard second(QStringList{Q(dir.Path())});
    ASSERT_TRUE(second.AnotherInstanceRuns());
    // The first instance never listens, so the hand-over keeps trying to connect; without a
    // bound of its own it can only return by noticing that the lock was released.
    EXPECT_FALSE(HandOverServed(second, QByteArray("/x.html"), kNoBound, [&] { first.Release(); }));
    EXPECT_TRUE(second.TakeOver(0));
    CKInstanceGuard third(QStringList{Q(dir.Path())});
    EXPECT_TRUE(third.AnotherInstanceRuns());
}

TEST(InstanceGuardTest, HandOverWithoutAListenerGivesUp)
{
    TempDir dir;
    CKInstanceGuard first(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first.AnotherInstanceRuns());
    CKInstanceGuard second(QStringList{Q(dir.Path())});
    ASSERT_TRUE(second.AnotherInstanceRuns());
    EXPECT_FALSE(second.HandOver(QByteArray("/x.html"), 300));
}

} // namespace
