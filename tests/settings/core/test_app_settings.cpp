// The preferences at start-up and exit, the debug trail, the start-up check with its four
// choices and the change notification, over a store in memory.
#include "settings/core/AppSettings.h"
#include "settings/core/GlobalRecord.h"
#include "settings/core/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

using namespace debug_values;

TEST(AppSettingsTest, FreshProfileGetsEveryDefault)
{
    MemorySettingsStore store;
    AppSettings settings(store);
    ASSERT_TRUE(settings.Start(nullptr));
    const CPreferences& p = settings.Preferences();
    EXPECT_EQ(p.Font().FaceName(), "Courier");
    EXPECT_EQ(p.Font().height, -13);
    EXPECT_EQ(p.Font().charSet, 204);
    EXPECT_EQ(p.TabSize(), 4);
    EXPECT_TRUE(p.IsOn(Switch::CreateBackups));
    EXPECT_TRUE(p.IsOn(Switch::SaveBeforePreview));
    EXPECT_TRUE(p.IsOn(Switch::RecoveryCopies));
    EXPECT_FALSE(settings.DebugOn());
}

TEST(AppSettingsTest, PreferencesSurviveARestartAndTheRecordKeepsTheSessionsFormat)
{
    MemorySettingsStore store;
    {
        AppSettings settings(store);
        settings.Start(nullptr);
        settings.Preferences().SetTabSize(8);
        settings.Preferences().SetBrowserPath(1, "/usr/bin/b1");
        settings.SaveAtExit({CodePage::Iso8859_5, LineEnding::Macintosh});
    }
    const auto bytes = store.ReadBytes(kSettingsKey, "GLOBAL");
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 764u);
    EXPECT_EQ((*bytes)[global_record::kCodePage], 3);
    EXPECT_EQ((*bytes)[global_record::kLineEnding], 2);
    AppSettings settings(store);
    settings.Start(nullptr);
    EXPECT_EQ(settings.Preferences().TabSize(), 8);
    EXPECT_EQ(settings.Preferences().BrowserPath(1), "/usr/bin/b1");
}

TEST(AppSettingsTest, GlobalOfTheWrongSizeIsIgnored)
{
    MemorySettingsStore store;
    std::vector<uint8_t> bytes = EncodeGlobalRecord(DefaultPreferences(), {});
    bytes[global_record::kTabSize] = 9;
    bytes.push_back(0);
    store.WriteBinary(kSettingsKey, "GLOBAL", bytes.data(), bytes.size());
    AppSettings settings(store);
    settings.Start(nullptr);
    EXPECT_EQ(settings.Preferences().TabSize(), 4);
}

TEST(AppSettingsTest, SwitchesBesideTheRecordAreWrittenOnlyOnceChanged)
{
    struct Case {
        Switch preference;
        const char* key;
        const char* name;
        bool byDefault;
    };
    const Case cases[] = {
        {Switch::RecoveryCopies, "Settings/Recovery", "Enabled", true},
        {Switch::ReloadChangedFiles, "Settings/Files", "ReloadChangedWithoutAsking", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        {
            AppSettings settings(store);
            settings.Start(nullptr);
            EXPECT_EQ(settings.Preferences().IsOn(c.preference), c.byDefault);
            settings.SaveAtExit({});
        }
        // A profile that never changed it holds no value for it.
        EXPECT_EQ(store.ReadNumber(c.key, c.name, 7), 7);
        {
            AppSettings settings(store);
            settings.Start(nullptr);
            settings.Preferences().SetOn(c.preference, !c.byDefault);
            settings.SaveAtExit({});
        }
        EXPECT_EQ(store.ReadNumber(c.key, c.name, 7), c.byDefault ? 0 : 1);
        AppSettings settings(store);
        settings.Start(nullptr);
        EXPECT_EQ(settings.Preferences().IsOn(c.preference), !c.byDefault);
    }
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
    for (size_t at = report.find("step "); at != std::string::npos;
         at = report.find("step ", at + 1))
        steps.push_back(report.substr(at, report.find('\r', at) - at));
    return steps;
}

TEST(AppSettingsTest, ThreeTracePointsAreReportedNewestFirst)
{
    MemorySettingsStore store;
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

TEST(AppSettingsTest, TenTracePointsWrapTheRing)
{
    MemorySettingsStore store;
    DebugTracer tracer(store);
    for (int i = 1; i <= 10; ++i)
        tracer.Trace(0, i, "Step.cpp", "step " + std::to_string(i));
    EXPECT_EQ(store.ReadNumber(kDebugKey, kLastItem, 0), 1);
    EXPECT_EQ(store.ReadNumber(kDebugKey, kNumberOfItems, 0), 8);
    const int expected[] = {9, 10, 3, 4, 5, 6, 7, 8};
    for (int slot = 0; slot < 8; ++slot) {
        uint8_t bytes[TraceRecord::kSize];
        ASSERT_TRUE(store.ReadBinary(kDebugKey, ItemName(slot), bytes, sizeof bytes));
        EXPECT_EQ(TraceRecord::Decode(bytes, sizeof bytes).line, expected[slot]) << "slot " << slot;
    }
    EXPECT_EQ(ReportedSteps(TakeDebugReport(store)),
              (std::vector<std::string>{"step 10", "step 9", "step 8", "step 7", "step 6", "step 5",
                                        "step 4", "step 3"}));
}

TEST(AppSettingsTest, TraceRecordTextsAreCutToTheirFields)
{
    const TraceRecord record{0, 7, std::string(300, 'f'), std::string(400, 'i')};
    const std::vector<uint8_t> bytes = record.Encode();
    ASSERT_EQ(bytes.size(), 528u);
    const TraceRecord back = TraceRecord::Decode(bytes.data(), bytes.size());
    EXPECT_EQ(back.file, std::string(259, 'f'));
    EXPECT_EQ(back.info, std::string(259, 'i'));
    EXPECT_EQ(back.line, 7);
}

TEST(AppSettingsTest, CleanExitLeavesNothingToReport)
{
    MemorySettingsStore store;
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
    int32_t debugOn;    // in the record after start-up
    int32_t storedMode; // "Debug mode" in the store afterwards
    bool settingsKept;  // other settings still there
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class DebugChoiceTest : public testing::Test, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(DebugChoiceTest, ChoiceDoesWhatItSays)
{
    const ChoiceCase& c = GetParam();
    MemorySettingsStore store;
    {
        AppSettings first(store);
        first.Start(nullptr);
        first.Preferences().SetTabSize(2);
        first.SaveAtExit({});
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
        EXPECT_EQ(settings.Preferences().Values().debugOn, c.debugOn);
        EXPECT_EQ(settings.Preferences().TabSize(), c.settingsKept ? 2 : 4);
    }
    EXPECT_EQ(store.ReadBytes(kSettingsKey, "GLOBAL").has_value(), c.settingsKept);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Choices, DebugChoiceTest,
    testing::Values(ChoiceCase{"ResetDeletesEverySetting", DebugChoice::Reset, true, 0, 0, false},
                    ChoiceCase{"IgnoreContinues", DebugChoice::Ignore, true, 1, 1, true},
                    ChoiceCase{"DisableSwitchesTheSubsystemOff", DebugChoice::Disable, true, 0, 0, true},
                    ChoiceCase{"CloseEndsStartUp", DebugChoice::Close, false, 1, 1, true}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });
// clang-format on

class CountingListener : public CSettingsListener {
public:
    void OnSettingsChanged() override { ++calls; }
    int calls = 0;
};

TEST(PreferencesTest, ListenersHearOfEachChangeUntilTheyLeave)
{
    CPreferences preferences;
    CountingListener a, b;
    preferences.Subscribe(&a);
    preferences.Subscribe(&b);
    preferences.SetTabSize(8);
    preferences.SetTabSize(8); // no change, nothing to tell
    preferences.SetOn(Switch::CreateBackups, true);
    preferences.Unsubscribe(&a);
    preferences.SetOn(Switch::CreateBackups, false);
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 2);

    // A listener that leaves while it is told does not stop the others, nor is it told again.
    struct Leaving : CSettingsListener {
        CPreferences* preferences;
        CSettingsListener* other;
        int calls = 0;
        void OnSettingsChanged() override
        {
            ++calls;
            preferences->Unsubscribe(this);
            preferences->Unsubscribe(other);
        }
    } leaving;
    leaving.preferences = &preferences;
    leaving.other = &b;
    preferences.Subscribe(&leaving);
    preferences.Subscribe(&a);
    preferences.SetTabSize(2);
    EXPECT_EQ(leaving.calls, 1);
    EXPECT_EQ(b.calls, 3); // told before the leaving one
    EXPECT_EQ(a.calls, 2);
}

TEST(PreferencesTest, ABatchTellsOnceAtItsOutermostEndAndOnlyOfAChange)
{
    CPreferences preferences;
    CountingListener listener;
    preferences.Subscribe(&listener);
    {
        CPreferenceBatch outer(preferences);
        preferences.SetTabSize(3);
        {
            CPreferenceBatch inner(preferences);
            preferences.SetOn(Switch::SmoothScroll, true);
            preferences.SetColours(ColourClass::Comment, {0x010203, 0x040506});
        }
        EXPECT_EQ(listener.calls, 0);
        EXPECT_EQ(preferences.TabSize(), 3); // read at once, told later
    }
    EXPECT_EQ(listener.calls, 1);

    // A batch that changes nothing, or changes a value and back, tells nobody.
    {
        CPreferenceBatch batch(preferences);
        preferences.SetTabSize(3);
        preferences.SetOn(Switch::SmoothScroll, false);
        preferences.SetOn(Switch::SmoothScroll, true);
    }
    EXPECT_EQ(listener.calls, 1);
}

TEST(PreferencesTest, ASnapshotBringsEveryValueBackInOneChange)
{
    CPreferences preferences;
    const PreferenceValues snapshot = preferences.Values();
    preferences.SetTabSize(9);
    preferences.SetBrowserPath(2, "/usr/bin/b2");
    preferences.SetOn(Switch::DebugSubsystem, true);
    CountingListener listener;
    preferences.Subscribe(&listener);
    preferences.SetValues(snapshot);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(preferences.Values(), snapshot);
}

TEST(PreferencesTest, ASwitchKeepsAStoredNumberThatAlreadySaysTheSame)
{
    PreferenceValues stored = DefaultPreferences();
    stored.createBackups = 5;
    CPreferences preferences(stored);
    EXPECT_TRUE(preferences.IsOn(Switch::CreateBackups));
    preferences.SetOn(Switch::CreateBackups, true);
    EXPECT_EQ(preferences.Values().createBackups, 5);
    preferences.SetOn(Switch::CreateBackups, false);
    EXPECT_EQ(preferences.Values().createBackups, 0);
}

} // namespace
