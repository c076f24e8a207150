// Loading and saving the global record, the last-used files and the trace points, and telling
// the windows when the settings they show changed.
#include "settings/core/AppSettings.h"

#include "syntax/SourceTypes.h"

#include <algorithm>
#include <cstring>

namespace {

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
            if (outcome.closeProgram)
                return false;
            debugMode = outcome.debugMode;
        }
    }
    m_global.debugOn = debugMode;
    TW_TRACE(*this, "Debug subsystem checked");
    LoadGlobal();
    m_global.debugOn = debugMode;
    m_global.codePage = 0;
    m_global.lineEnding = -1;
    TW_TRACE(*this, "Global settings loaded");
    return true;
}

void AppSettings::SaveAtExit()
{
    m_store.WriteNumber(kDebugKey, debug_values::kDebugMode, m_global.debugOn);
    SaveGlobal();
}

bool AppSettings::LoadGlobal()
{
    const auto bytes = m_store.ReadBytes(kSettingsKey, settings_values::kGlobal);
    if (bytes && DecodeGlobalSettings(bytes->data(), bytes->size(), m_global))
        return true;
    m_global = DefaultGlobalSettings();
    return false;
}

void AppSettings::SaveGlobal()
{
    const std::vector<uint8_t> bytes = EncodeGlobalSettings(m_global);
    m_store.WriteBinary(kSettingsKey, settings_values::kGlobal, bytes.data(), bytes.size());
}

std::string AppSettings::LastFile(std::string_view name) const
{
    return m_store.ReadString(kLastFilesKey, name);
}

void AppSettings::SetLastFile(std::string_view name, std::string_view value)
{
    m_store.WriteString(kLastFilesKey, name, value);
}

bool AppSettings::RecoveryEnabled() const
{
    return m_store.ReadNumber(kRecoveryKey, recovery_values::kEnabled, 1) != 0;
}

void AppSettings::SetRecoveryEnabled(bool on)
{
    m_store.WriteNumber(kRecoveryKey, recovery_values::kEnabled, on ? 1 : 0);
}

bool AppSettings::ReloadChangedFilesWithoutAsking() const
{
    return m_store.ReadNumber(kFilesKey, files_values::kReloadChangedWithoutAsking, 0) != 0;
}

void AppSettings::SetReloadChangedFilesWithoutAsking(bool on)
{
    m_store.WriteNumber(kFilesKey, files_values::kReloadChangedWithoutAsking, on ? 1 : 0);
}

bool AppSettings::LowerCaseTags() const
{
    return m_store.ReadNumber(kEditingKey, editing_values::kLowerCaseTags, 0) != 0;
}

void AppSettings::SetLowerCaseTags(bool on)
{
    m_store.WriteNumber(kEditingKey, editing_values::kLowerCaseTags, on ? 1 : 0);
}

namespace {
constexpr int32_t kDefaultSpellingTypes = (1 << SRC_HTML) | (1 << SRC_PLAIN_TEXT);
constexpr int kSpellingTypeBits = 31;
} // namespace

bool AppSettings::SpellingOnFor(int sourceType) const
{
    if (sourceType < 0 || sourceType >= kSpellingTypeBits)
        return false;
    const int32_t types = m_store.ReadNumber(kSpellingKey, spelling_values::kTypes, kDefaultSpellingTypes);
    return (types >> sourceType) & 1;
}

void AppSettings::SetSpellingOnFor(int sourceType, bool on)
{
    if (sourceType < 0 || sourceType >= kSpellingTypeBits)
        return;
    int32_t types = m_store.ReadNumber(kSpellingKey, spelling_values::kTypes, kDefaultSpellingTypes);
    const int32_t bit = int32_t{1} << sourceType;
    types = on ? types | bit : types & ~bit;
    m_store.WriteNumber(kSpellingKey, spelling_values::kTypes, types);
}

void AppSettings::TracePoint(int line, const char* file, std::string_view info)
{
    if (DebugOn())
        m_tracer.Trace(0, line, BaseName(file), info);
}

void AppSettings::TraceCleanExit(int line, const char* file)
{
    m_tracer.Trace(TraceRecord::kCleanExit, line, BaseName(file), {});
}

void AppSettings::Subscribe(CSettingsListener* listener) { m_listeners.push_back(listener); }

void AppSettings::Unsubscribe(CSettingsListener* listener)
{
    std::erase(m_listeners, listener);
}

void AppSettings::NotifyChanged()
{
    // A listener may leave while it is told.
    const std::vector<CSettingsListener*> listeners = m_listeners;
    for (CSettingsListener* listener : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            listener->OnSettingsChanged();
}
