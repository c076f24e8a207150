// The settings store in its INI file: values of every type survive reopening it, writes wait
// for a flush, the file is its owner's alone, and a file too large to be the program's is left
// alone.
#include "settings/KSettingsStore.h"
#include "settings/core/DebugTrace.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace {

constexpr std::string_view kLastFiles = "Settings/LastFiles";

using namespace debug_values;

class SettingsTest : public testing::Test {
protected:
    QString IniPath() const { return QString::fromStdString(dir.File("1.09.ini")); }
    TempDir dir;
};

TEST_F(SettingsTest, ValuesSurviveReopeningTheFileWithTheirTypes)
{
    {
        CKSettingsStore store(IniPath());
        EXPECT_TRUE(store.WriteString(kLastFiles, "LastOpenPath", "/home/u/Страницы, new"));
        EXPECT_TRUE(store.WriteNumber(kDebugKey, kErrorCode, -7));
        const uint8_t bytes[] = {0, 1, 0xFF, '@', '\n'};
        EXPECT_TRUE(store.WriteBinary(kSettingsKey, "Blob", bytes, sizeof bytes));
        EXPECT_TRUE(store.Flush());
    }
    CKSettingsStore store(IniPath());
    EXPECT_EQ(store.ReadString(kLastFiles, "LastOpenPath"), "/home/u/Страницы, new");
    EXPECT_EQ(store.ReadNumber(kDebugKey, kErrorCode, 0), -7);
    EXPECT_EQ(store.ReadBytes(kSettingsKey, "Blob"), (std::vector<uint8_t>{0, 1, 0xFF, '@', '\n'}));

    // A value of another type, or a missing one, gives the default.
    EXPECT_EQ(store.ReadNumber(kSettingsKey, "Blob", 5), 5);
    EXPECT_EQ(store.ReadNumber(kLastFiles, "LastOpenPath", 5), 5);
    EXPECT_EQ(store.ReadString(kSettingsKey, "Blob", "d"), "d");
    EXPECT_EQ(store.ReadString(kLastFiles, "Missing"), "");
    EXPECT_FALSE(store.ReadBytes(kDebugKey, kErrorCode));

    uint8_t small[3] = {9, 9, 9};
    EXPECT_FALSE(store.ReadBinary(kSettingsKey, "Blob", small, sizeof small));
    EXPECT_EQ(small[0] | small[1] | small[2], 0);
    uint8_t large[8];
    EXPECT_TRUE(store.ReadBinary(kSettingsKey, "Blob", large, sizeof large));
    EXPECT_EQ(large[2], 0xFF);
    EXPECT_EQ(large[7], 0);

    EXPECT_TRUE(store.DeleteAll());
    EXPECT_TRUE(store.Flush());
    EXPECT_EQ(CKSettingsStore(IniPath()).ReadNumber(kDebugKey, kErrorCode, 1), 1);
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST_F(SettingsTest, WritesWaitForAFlushThatMakesTheFileItsOwnersAlone)
{
    const mode_t oldMask = ::umask(022);
    CKSettingsStore store(IniPath());
    store.WriteString(kLastFiles, "LastOpenPath", "/home/u/private");
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(IniPath()));
    EXPECT_EQ(store.ReadString(kLastFiles, "LastOpenPath"), "/home/u/private");
    ASSERT_TRUE(store.Flush());
    EXPECT_EQ(ModeOf(dir.File("1.09.ini")), 0600u);
    EXPECT_EQ(CKSettingsStore(IniPath()).ReadString(kLastFiles, "LastOpenPath"), "/home/u/private");

    // A file an earlier run left readable by others is taken back at the next flush.
    ::chmod(dir.File("1.09.ini").c_str(), 0644);
    store.WriteNumber(kDebugKey, kErrorCode, 3);
    ASSERT_TRUE(store.Flush());
    EXPECT_EQ(ModeOf(dir.File("1.09.ini")), 0600u);
    ::umask(oldMask);
}

TEST_F(SettingsTest, FlushIntoAFolderThatCannotBeMadeFailsAndIsReportedOnce)
{
    std::ofstream(dir.File("file")) << "x";
    CKSettingsStore store(QString::fromStdString(dir.File("file") + "/1.09.ini"));
    int reports = 0;
    store.SetFailureReporter([&] { ++reports; });
    store.WriteNumber(kDebugKey, kErrorCode, 3);
    EXPECT_FALSE(store.Flush());
    EXPECT_FALSE(store.Flush());
    EXPECT_EQ(reports, 1);
}

TEST_F(SettingsTest, AFileTooLargeOrNotRegularIsNeitherReadNorWritten)
{
    {
        CKSettingsStore store(IniPath());
        store.WriteNumber(kDebugKey, kErrorCode, 3);
        ASSERT_TRUE(store.Flush());
    }
    const std::string fifo = dir.File("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::truncate(dir.File("1.09.ini").c_str(), CKSettingsStore::kMaxFileBytes + 1), 0);
    for (const std::string& path : {dir.File("1.09.ini"), fifo}) {
        SCOPED_TRACE(path);
        bool refused = false;
        const auto store = CKSettingsStore::Open(QString::fromStdString(path), refused);
        EXPECT_TRUE(refused);
        EXPECT_EQ(store->ReadNumber(kDebugKey, kErrorCode, 0), 0);
        store->WriteNumber(kDebugKey, kErrorCode, 5);
        EXPECT_TRUE(store->Flush());
    }
    EXPECT_EQ(QFileInfo(IniPath()).size(), CKSettingsStore::kMaxFileBytes + 1);

    bool refused = true;
    const auto store = CKSettingsStore::Open(QString::fromStdString(dir.File("new.ini")), refused);
    EXPECT_FALSE(refused);
    store->WriteNumber(kDebugKey, kErrorCode, 5);
    EXPECT_TRUE(store->Flush());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.File("new.ini"))));
}

} // namespace
