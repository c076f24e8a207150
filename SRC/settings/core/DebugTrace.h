// The crash detector's trail: trace records in a ring of eight slots in the settings store,
// and the report that the next start builds from a trail without a clean end.
#pragma once

#include "settings/core/SettingsStore.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TraceRecord {
    static constexpr size_t kSize = 528;
    static constexpr size_t kTextSize = 260; // zero-terminated
    static constexpr int32_t kCleanExit = -1;

    int32_t code = 0; // 0 an ordinary trace point, -1 the clean-exit record
    int32_t line = 0;
    std::string file;
    std::string info;

    std::vector<uint8_t> Encode() const; // texts cut to fit their fields
    // Fields past the end of data read as zeros.
    static TraceRecord Decode(const uint8_t* data, size_t size);
};

constexpr int kTraceSlots = 8;

// Writes the records of one run into the ring, from slot 0 on.
class DebugTracer {
public:
    explicit DebugTracer(SettingsStore& store) : m_store(store) {}
    void Trace(int32_t code, int32_t line, std::string_view file, std::string_view info);

private:
    SettingsStore& m_store;
    int m_slot = 0;
    int m_count = 1;
};

// The value names under the debug key.
namespace debug_values {
inline constexpr std::string_view kDebugMode = "Debug mode";
inline constexpr std::string_view kErrorCode = "Error code";
inline constexpr std::string_view kNumberOfItems = "Number of items";
inline constexpr std::string_view kLastItem = "Last item";
std::string ItemName(int slot); // "Item 3"
} // namespace debug_values

// The report of a run that ended without its clean-exit record, newest record first; empty
// when the last run ended cleanly. Taking it marks it as shown, so it appears only once.
std::string TakeDebugReport(SettingsStore& store);

// The user's answer to the report.
enum class DebugChoice { Reset = -1, Disable = -2, Close = -3, Ignore = -4 };

struct DebugCheckOutcome {
    bool closeProgram = false; // end start-up and save nothing
    int32_t debugMode = 0;     // the value start-up continues with
};

// Carries out a choice: reset deletes every setting, disable switches the subsystem off in the
// store, close ends the program, ignore changes nothing.
DebugCheckOutcome ApplyDebugChoice(SettingsStore& store, DebugChoice choice, int32_t debugMode);
