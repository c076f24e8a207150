// The settings store in its file, the global record at start-up and exit, the debug trail and
// the start-up check with its four choices.
#include "doc/KSettingsStore.h"
#include "doc/core/AppSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

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
        EXPECT_TRUE(store.WriteString(kLastFilesKey, "LastOpenPath", "/home/u/Страницы, new"));
        EXPECT_TRUE(store.WriteNumber(kDebugKey, kErrorCode, -7));
        const uint8_t bytes[] = {0, 1, 0xFF, '@', '\n'};
        EXPECT_TRUE(store.WriteBinary(kSettingsKey, "Blob", bytes, sizeof bytes));
    }
    CKSettingsStore store(IniPath());
    EXPECT_EQ(store.ReadString(kLastFilesKey, "LastOpenPath"), "/home/u/Страницы, new");
    EXPECT_EQ(store.ReadNumber(kDebugKey, kErrorCode, 0), -7);
    EXPECT_EQ(store.ReadBytes(kSettingsKey, "Blob"), (std::vector<uint8_t>{0, 1, 0xFF, '@', '\n'}));

    // A value of another type, or a missing one, gives the default.
    EXPECT_EQ(store.ReadNumber(kSettingsKey, "Blob", 5), 5);
    EXPECT_EQ(store.ReadNumber(kLastFilesKey, "LastOpenPath", 5), 5);
    EXPECT_EQ(store.ReadString(kSettingsKey, "Blob", "d"), "d");
    EXPECT_EQ(store.ReadString(kLastFilesKey, "Missing"), "");
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

TEST_F(SettingsTest, FreshProfileGetsEveryDefaultAndAutoDetection)
{
    CKSettingsStore store(IniPath());
    AppSettings settings(store);
    ASSERT_TRUE(settings.Start(nullptr));
    const GlobalSettings& g = settings.Global();
    EXPECT_EQ(g.font.FaceName(), "Courier");
    EXPECT_EQ(g.font.height, -13);
    EXPECT_EQ(g.font.charSet, 204);
    EXPECT_EQ(g.tabSize, 4);
    EXPECT_EQ(g.createBackups, 1);
    EXPECT_EQ(g.saveBeforePreview, 1);
    EXPECT_EQ(g.debugOn, 0);
    EXPECT_EQ(g.codePage, 0);
    EXPECT_EQ(g.lineEnding, -1);
}

TEST_F(SettingsTest, RecordSurvivesARestartExceptTheRememberedFormat)
{
    {
        CKSettingsStore store(IniPath());
        AppSettings settings(store);
        settings.Start(nullptr);
        settings.Global().tabSize = 8;
        settings.Global().SetBrowserPath(1, "/usr/bin/b1");
        settings.Global().codePage = 3;
        settings.Global().lineEnding = 2;
        settings.SaveAtExit();
    }
    CKSettingsStore store(IniPath());
    const auto bytes = store.ReadBytes(kSettingsKey, "GLOBAL");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 764u);
    AppSettings settings(store);
    settings.Start(nullptr);
    EXPECT_EQ(settings.Global().tabSize, 8);
    EXPECT_EQ(settings.Global().BrowserPath(1), "/usr/bin/b1");
    EXPECT_EQ(settings.Global().codePage, 0);
    EXPECT_EQ(settings.Global().lineEnding, -1);
}

TEST_F(SettingsTest, GlobalOfTheWrongSizeIsIgnored)
{
    CKSettingsStore store(IniPath());
    std::vector<uint8_t> bytes = EncodeGlobalSettings(DefaultGlobalSettings());
    bytes[752] = 9; // tab size
    bytes.push_back(0);
    store.WriteBinary(kSettingsKey, "GLOBAL", bytes.data(), bytes.size());
    AppSettings settings(store);
    settings.Start(nullptr);
    EXPECT_EQ(settings.Global().tabSize, 4);
}

// The trail that n trace points of an unclean run leave.
void TraceRun(SettingsStore& store, int points)
{
    store.WriteNumber(kDebugKey, kDebugMode, 1);
    AppSettings settings(store);
    settings.Start(nullptr);
    for (int i = 1; i <= points; ++i)
        settings.TracePoint(100 + i, "/src/doc/Step.cpp", "step " + std::to_string(i));
}

// The records of the report in the order shown, by their info texts.
std::vector<std::string> ReportedSteps(const std::string& report)
{
    std::vector<std::string> steps;
    for (size_t at = report.find("step "); at != std::string::npos; at = report.find("step ", at + 1))
        steps.push_back(report.substr(at, report.find('\r', at) - at));
    return steps;
}

TEST_F(SettingsTest, ThreeTracePointsAreReportedNewestFirst)
{
    CKSettingsStore store(IniPath());
    DebugTracer tracer(store);
    for (int i = 1; i <= 3; ++i)
        tracer.Trace(0, 100 + i, "Step.cpp", "step " + std::to_string(i));
    EXPECT_EQ(store.ReadNumber(kDebugKey, kNumberOfItems, 0), 3);
    EXPECT_EQ(store.ReadNumber(kDebugKey, kLastItem, 0), 2);
    EXPECT_EQ(store.ReadNumber(kDebugKey, kErrorCode, -1), 0);

    const std::string report = TakeDebugReport(store);
    EXPECT_EQ(report,
              "Program info\r\nRelease mode\r\nVersion 1.09.1476\r\nErrors info:\r\n\r\n"
              "Error code: 0\r\nFile: Step.cpp\r\nLine: 103\r\nAdditional Info:\r\nstep 3\r\n\r\n"
              "Error code: 0\r\nFile: Step.cpp\r\nLine: 102\r\nAdditional Info:\r\nstep 2\r\n\r\n"
              "Error code: 0\r\nFile: Step.cpp\r\nLine: 101\r\nAdditional Info:\r\nstep 1\r\n\r\n");
    // Shown once.
    EXPECT_EQ(store.ReadNumber(kDebugKey, kErrorCode, 0), -1);
    EXPECT_EQ(TakeDebugReport(store), "");
}

TEST_F(SettingsTest, TenTracePointsWrapTheRing)
{
    CKSettingsStore store(IniPath());
    DebugTracer tracer(store);
    for (int i = 1; i <= 10; ++i)
        tracer.Trace(0, i, "Step.cpp", "step " + std::to_string(i));
    EXPECT_EQ(store.ReadNumber(kDebugKey, kLastItem, 0), 1);
    EXPECT_EQ(store.ReadNumber(kDebugKey, kNumberOfItems, 0), 8);
    const int expected[] = {9, 10, 3, 4, 5, 6, 7, 8};
    for (int slot = 0; slot < 8; ++slot) {
        uint8_t bytes[TraceRecord::kSize];
        ASSERT_TRUE(store.ReadBinary(kDebugKey, ItemName(slot), bytes, sizeof bytes));
        EXPECT_EQ(TraceRecord::Decode(bytes).line, expected[slot]) << "slot " << slot;
    }
    EXPECT_EQ(ReportedSteps(TakeDebugReport(store)),
              (std::vector<std::string>{"step 10", "step 9", "step 8", "step 7", "step 6",
                                        "step 5", "step 4", "step 3"}));
}

TEST_F(SettingsTest, TraceRecordTextsAreCutToTheirFields)
{
    const TraceRecord record{0, 7, std::string(300, 'f'), std::string(400, 'i')};
    const std::vector<uint8_t> bytes = record.Encode();
    ASSERT_EQ(bytes.size(), 528u);
    const TraceRecord back = TraceRecord::Decode(bytes.data());
    EXPECT_EQ(back.file, std::string(259, 'f'));
    EXPECT_EQ(back.info, std::string(259, 'i'));
    EXPECT_EQ(back.line, 7);
}

TEST_F(SettingsTest, CleanExitLeavesNothingToReport)
{
    CKSettingsStore store(IniPath());
    TraceRun(store, 2);
    AppSettings settings(store);
    settings.TraceCleanExit(1, "Tagwright.cpp");
    EXPECT_EQ(store.ReadNumber(kDebugKey, kErrorCode, 0), -1);
    bool asked = false;
    AppSettings next(store);
    EXPECT_TRUE(next.Start([&](const std::string&) {
        asked = true;
        return DebugChoice::Ignore;
    }));
    EXPECT_FALSE(asked);
}

struct ChoiceCase {
    const char* name;
    DebugChoice choice;
    bool starts;
    int32_t debugOn;      // in the record after start-up
    int32_t storedMode;   // "Debug mode" in the store afterwards
    bool settingsKept;    // other settings still there
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class DebugChoiceTest : public SettingsTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(DebugChoiceTest, ChoiceDoesWhatItSays)
{
    const ChoiceCase& c = GetParam();
    CKSettingsStore store(IniPath());
    {
        AppSettings first(store);
        first.Start(nullptr);
        first.Global().tabSize = 2;
        first.SaveAtExit();
    }
    TraceRun(store, 3);
    std::string shown;
    AppSettings settings(store);
    const bool started = settings.Start([&](const std::string& report) {
        shown = report;
        return c.choice;
    });
    EXPECT_EQ(ReportedSteps(shown).front(), "step 3");
    EXPECT_EQ(started, c.starts);
    EXPECT_EQ(store.ReadNumber(kDebugKey, kDebugMode, 0), c.storedMode);
    if (started) {
        EXPECT_EQ(settings.Global().debugOn, c.debugOn);
        EXPECT_EQ(settings.Global().tabSize, c.settingsKept ? 2 : 4);
    }
    EXPECT_EQ(store.ReadBytes(kSettingsKey, "GLOBAL").has_value(), c.settingsKept);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, DebugChoiceTest,
    testing::Values(ChoiceCase{"ResetDeletesEverySetting", DebugChoice::Reset, true, 0, 0, false},
                    ChoiceCase{"IgnoreContinues", DebugChoice::Ignore, true, 1, 1, true},
                    ChoiceCase{"DisableSwitchesTheSubsystemOff", DebugChoice::Disable, true, 0, 0, true},
                    ChoiceCase{"CloseEndsStartUp", DebugChoice::Close, false, 1, 1, true}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

} // namespace
