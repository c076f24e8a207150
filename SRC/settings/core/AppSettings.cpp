// Reading the preferences at start-up and writing them at exit, and the trace points.
#include "settings/core/AppSettings.h"

#include "settings/core/GlobalRecord.h"

#include <cstring>

namespace {

constexpr std::string_view kGlobalName = "GLOBAL";
// The recovery switch: "Enabled" under "Settings/Recovery", a number, 1 unless set.
constexpr std::string_view kRecoveryKey = "Settings/Recovery";
constexpr std::string_view kRecoveryEnabled = "Enabled";
// The reload switch: "ReloadChangedWithoutAsking" under "Settings/Files", a number, 0 unless set.
constexpr std::string_view kFilesKey = "Settings/Files";
constexpr std::string_view kReloadChangedWithoutAsking = "ReloadChangedWithoutAsking";
// The session switch: "ReopenLastSession" under "Settings/Files", a number, 1 unless set.
constexpr std::string_view kReopenLastSession = "ReopenLastSession";
// The letter case of inserted tags: "LowerCaseTags" under "Settings/Editing", 0 unless set.
constexpr std::string_view kEditingKey = "Settings/Editing";
constexpr std::string_view kLowerCaseTags = "LowerCaseTags";
// The source types spell checked when their documents open: "Types" under "Settings/Spelling", a
// bit mask by source type; HTML and plain text unless set.
constexpr std::string_view kSpellingKey = "Settings/Spelling";
constexpr std::string_view kSpellingTypes = "Types";

// A switch kept beside the record is written only when it changed, so that a profile that
// never touched it stays without it.
void WriteIfChanged(SettingsStore& store, std::string_view key, std::string_view name,
                    int32_t fallback, int32_t value)
{
    if (store.ReadNumber(key, name, fallback) != value)
        store.WriteNumber(key, name, value);
}

// Records name the source file without its folders.
std::string_view BaseName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

bool AppSettings::Start(const DebugQuestion& ask)
{
    int32_t debugMode = m_store.ReadNumber(kDebugKey, debug_values::kDebugMode, 0);
    if (debugMode == 1) {
        const std::string report = TakeDebugReport(m_store);
        if (!report.empty()) {
            const DebugCheckOutcome outcome = ApplyDebugChoice(m_store, ask(report), debugMode);
            // The report is taken, and the choice holds also when this run ends early.
            m_store.Flush();
            if (outcome.closeProgram)
                return false;
            debugMode = outcome.debugMode;
        }
    }
    PreferenceValues values = DefaultPreferences();
    values.debugOn = debugMode;
    m_preferences.SetValues(values);
    TW_TRACE(*this, "Debug subsystem checked");

    // A missing record or one of the wrong size gives the defaults. The format it holds is
    // the session's to forget: every run starts with its own.
    FileFormat storedFormat;
    if (const auto bytes = m_store.ReadBytes(kSettingsKey, kGlobalName))
        DecodeGlobalRecord(bytes->data(), bytes->size(), values, storedFormat);
    values.debugOn = debugMode;
    values.recoveryCopies = m_store.ReadNumber(kRecoveryKey, kRecoveryEnabled, 1);
    values.reloadChangedFiles = m_store.ReadNumber(kFilesKey, kReloadChangedWithoutAsking, 0);
    values.reopenLastSession = m_store.ReadNumber(kFilesKey, kReopenLastSession, 1);
    values.lowerCaseTags = m_store.ReadNumber(kEditingKey, kLowerCaseTags, 0);
    values.spellingTypes =
        m_store.ReadNumber(kSpellingKey, kSpellingTypes, DefaultPreferences().spellingTypes);
    m_preferences.SetValues(values);
    TW_TRACE(*this, "Global settings loaded");
    return true;
}

void AppSettings::SaveAtExit(const FileFormat& rememberedFormat)
{
    SaveDebugMode();
    const PreferenceValues& values = m_preferences.Values();
    WriteIfChanged(m_store, kRecoveryKey, kRecoveryEnabled, 1, values.recoveryCopies);
    WriteIfChanged(m_store, kFilesKey, kReloadChangedWithoutAsking, 0, values.reloadChangedFiles);
    WriteIfChanged(m_store, kFilesKey, kReopenLastSession, 1, values.reopenLastSession);
    WriteIfChanged(m_store, kEditingKey, kLowerCaseTags, 0, values.lowerCaseTags);
    WriteIfChanged(m_store, kSpellingKey, kSpellingTypes, DefaultPreferences().spellingTypes,
                   values.spellingTypes);
    const std::vector<uint8_t> bytes = EncodeGlobalRecord(m_preferences.Values(), rememberedFormat);
    m_store.WriteBinary(kSettingsKey, kGlobalName, bytes.data(), bytes.size());
    m_store.Flush();
}

void AppSettings::SaveDebugMode()
{
    m_store.WriteNumber(kDebugKey, debug_values::kDebugMode, m_preferences.Values().debugOn);
    m_store.Flush();
}

// The trail must be on disk when the program crashes right after it: the slow writes are why
// the debug subsystem warns that it may be very slow.
void AppSettings::TracePoint(int line, const char* file, std::string_view info)
{
    if (DebugOn()) {
        m_tracer.Trace(0, line, BaseName(file), info);
        m_store.Flush();
    }
}

void AppSettings::TraceCleanExit(int line, const char* file)
{
    m_tracer.Trace(TraceRecord::kCleanExit, line, BaseName(file), {});
    m_store.Flush();
}
