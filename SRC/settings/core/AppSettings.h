// The settings of one run: the store, the global record held in memory from start-up to exit,
// and the debug trail.
#pragma once

#include "settings/core/DebugTrace.h"
#include "settings/core/GlobalSettings.h"
#include "settings/core/SettingsStore.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Value names under "Settings" and "Settings/LastFiles".
namespace settings_values {
inline constexpr std::string_view kGlobal = "GLOBAL";
inline constexpr std::string_view kLastOpenPath = "LastOpenPath";
inline constexpr std::string_view kLastSavePath = "LastSavePath";
inline constexpr std::string_view kLastPreview = "LastPreview";
} // namespace settings_values

// The recovery files' switch: "Enabled" under "Settings/Recovery", a number, 1 unless set.
inline constexpr std::string_view kRecoveryKey = "Settings/Recovery";
namespace recovery_values {
inline constexpr std::string_view kEnabled = "Enabled";
} // namespace recovery_values

// Files page switches kept beside the record.
inline constexpr std::string_view kFilesKey = "Settings/Files";
namespace files_values {
inline constexpr std::string_view kReloadChangedWithoutAsking = "ReloadChangedWithoutAsking";
} // namespace files_values
// Whether the inserted tags, the AutoExpand templates and the IMG and colour tags have their
// tag and attribute names in lower case: "LowerCaseTags" under "Settings/Editing", 0 unless set.
inline constexpr std::string_view kEditingKey = "Settings/Editing";
namespace editing_values {
inline constexpr std::string_view kLowerCaseTags = "LowerCaseTags";
} // namespace editing_values
// The source types whose documents are spell checked when they open: "Types" under
// "Settings/Spelling", a bit mask by source type; HTML and plain text unless set.
inline constexpr std::string_view kSpellingKey = "Settings/Spelling";
namespace spelling_values {
inline constexpr std::string_view kTypes = "Types";
} // namespace spelling_values

// Told when the settings that windows show (font, colours, tab size, margin) changed.
class CSettingsListener {
public:
    virtual void OnSettingsChanged() = 0;

protected:
    ~CSettingsListener() = default;
};

class AppSettings {
public:
    explicit AppSettings(SettingsStore& store) : m_store(store), m_tracer(store) {}
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    using DebugQuestion = std::function<DebugChoice(const std::string& report)>;

    // The settings part of start-up: the debug subsystem's check of the last run (asking
    // through ask when it ended without its clean-exit record), then the global record, with
    // the remembered file format set back to code page 0 and line ending "Auto". False when
    // the user chose to close the program.
    bool Start(const DebugQuestion& ask);
    // At exit: "Debug mode" from the debug flag, and the global record.
    void SaveAtExit();

    SettingsStore& Store() { return m_store; }
    GlobalSettings& Global() { return m_global; }
    const GlobalSettings& Global() const { return m_global; }

    // Reads "GLOBAL"; a missing value or one of the wrong size gives the defaults. Returns
    // whether the stored record was used.
    bool LoadGlobal();
    void SaveGlobal();

    std::string LastFile(std::string_view name) const;
    void SetLastFile(std::string_view name, std::string_view value);

    // The windows that show settings follow their changes; NotifyChanged tells each of them
    // after a change of the global record.
    void Subscribe(CSettingsListener* listener);
    void Unsubscribe(CSettingsListener* listener);
    void NotifyChanged();

    // Whether modified documents keep recovery files.
    bool RecoveryEnabled() const;
    void SetRecoveryEnabled(bool on);
    // Whether an unmodified document whose file another program changed is read again at once.
    bool ReloadChangedFilesWithoutAsking() const;
    void SetReloadChangedFilesWithoutAsking(bool on);

    bool LowerCaseTags() const;
    void SetLowerCaseTags(bool on);

    // Whether documents of a source type are spell checked unless switched for one document.
    bool SpellingOnFor(int sourceType) const;
    void SetSpellingOnFor(int sourceType, bool on);

    bool DebugOn() const { return m_global.debugOn != 0; }
    // A trace point: written only while the debug subsystem is on.
    void TracePoint(int line, const char* file, std::string_view info = {});
    // The record of a clean end, written at the end of every run.
    void TraceCleanExit(int line, const char* file);

private:
    SettingsStore& m_store;
    GlobalSettings m_global = DefaultGlobalSettings();
    DebugTracer m_tracer;
    std::vector<CSettingsListener*> m_listeners;
};

// A trace point in the caller's source file and line.
#define TW_TRACE(settings, ...) (settings).TracePoint(__LINE__, __FILE__ __VA_OPT__(, ) __VA_ARGS__)
