// The settings of one run: the store, the preferences held from start-up to exit, and the debug
// trail.
#pragma once

#include "settings/core/DebugTrace.h"
#include "settings/core/Preferences.h"
#include "settings/core/SettingsStore.h"
#include "text/FileFormat.h"

#include <functional>
#include <string>
#include <string_view>

class AppSettings {
public:
    explicit AppSettings(SettingsStore& store) : m_store(store), m_tracer(store) {}
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    using DebugQuestion = std::function<DebugChoice(const std::string& report)>;

    // The settings part of start-up: the debug subsystem's check of the last run (asking
    // through ask when it ended without its clean-exit record), then the preferences. False
    // when the user chose to close the program.
    bool Start(const DebugQuestion& ask);
    // At exit: "Debug mode", the recovery switch when it changed, and the global record, which
    // keeps the code page and line ending the session remembers beside the preferences; then
    // everything the run wrote goes to the store's file.
    void SaveAtExit(const FileFormat& rememberedFormat);
    // "Debug mode" from the debug switch, which the next start reads before anything else,
    // written out at once with what else is waiting.
    void SaveDebugMode();

    SettingsStore& Store() { return m_store; }
    CPreferences& Preferences() { return m_preferences; }
    const CPreferences& Preferences() const { return m_preferences; }

    bool DebugOn() const { return m_preferences.IsOn(Switch::DebugSubsystem); }
    // A trace point: written only while the debug subsystem is on.
    void TracePoint(int line, const char* file, std::string_view info = {});
    // The record of a clean end, written at the end of every run.
    void TraceCleanExit(int line, const char* file);

private:
    SettingsStore& m_store;
    CPreferences m_preferences;
    DebugTracer m_tracer;
};

// A trace point in the caller's source file and line.
#define TW_TRACE(settings, ...) (settings).TracePoint(__LINE__, __FILE__ __VA_OPT__(, ) __VA_ARGS__)
