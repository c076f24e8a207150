// The settings store in its INI file: values of every type survive reopening it.
#include "settings/KSettingsStore.h"
#include "settings/core/DebugTrace.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(CKSettingsStore(IniPath()).ReadNumber(kDebugKey, kErrorCode, 1), 1);
}

} // namespace
