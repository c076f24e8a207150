// One running instance: the lock, a lock left by a killed instance, folders that cannot hold
// the lock, and handing a file to the running instance.
#include "doc/InstanceGuard.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

TEST(InstanceGuardTest, SecondGuardSeesTheFirstUntilItEnds)
{
    TempDir dir;
    auto first = std::make_unique<CKInstanceGuard>(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first->AnotherInstanceRuns());
    CKInstanceGuard second(QStringList{Q(dir.Path())});
    EXPECT_TRUE(second.AnotherInstanceRuns());
    first.reset();
    CKInstanceGuard third(QStringList{Q(dir.Path())});
    EXPECT_FALSE(third.AnotherInstanceRuns());
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
    EXPECT_TRUE(second.HandOver(message, 2000));
    const QDeadlineTimer deadline(5000);
    while (requests.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.at(0), message);
}

TEST(InstanceGuardTest, HandOverWithoutAListenerGivesUp)
{
    TempDir dir;
    CKInstanceGuard first(QStringList{Q(dir.Path())});
    ASSERT_FALSE(first.AnotherInstanceRuns());
    CKInstanceGuard second(QStringList{Q(dir.Path())});
    ASSERT_TRUE(second.AnotherInstanceRuns());
    EXPECT_FALSE(second.HandOver("/x.html", 300));
}

} // namespace
