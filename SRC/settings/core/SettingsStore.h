// The per-user settings store: named string, number and binary values in keys below the
// program's settings root. Writes are kept until Flush takes them to lasting storage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Key paths below the settings root; "/" separates the levels.
inline constexpr std::string_view kSettingsKey = "Settings";
inline constexpr std::string_view kDebugKey = "Settings/Debug Subsystem";

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The value if it exists and is a string, else the default.
    virtual std::string ReadString(std::string_view key, std::string_view name,
                                   std::string_view fallback = {}) const = 0;
    // The value if it exists and is a 32-bit number, else the default.
    virtual int32_t ReadNumber(std::string_view key, std::string_view name,
                               int32_t fallback) const = 0;
    // The bytes if the value exists and is binary.
    virtual std::optional<std::vector<uint8_t>> ReadBytes(std::string_view key,
                                                          std::string_view name) const = 0;

    // Writes create the key when it is missing; false when the store cannot be written.
    virtual bool WriteString(std::string_view key, std::string_view name,
                             std::string_view value) = 0;
    virtual bool WriteNumber(std::string_view key, std::string_view name, int32_t value) = 0;
    virtual bool WriteBinary(std::string_view key, std::string_view name, const void* data,
                             size_t size) = 0;
    // Removes every key and value below the settings root.
    virtual bool DeleteAll() = 0;
    // Takes what was written since the last flush to lasting storage; false when it could not.
    // The first failure of a run is told to the reporter, later ones only return false.
    bool Flush();
    void SetFailureReporter(std::function<void()> report) { m_reportFailure = std::move(report); }
    // Where the values live, for the debug trail.
    virtual std::string Location() const { return {}; }

    // Fills buffer with a binary value that fits it; on failure the buffer is all zero.
    bool ReadBinary(std::string_view key, std::string_view name, void* buffer, size_t size) const;

protected:
    // Writes the values out; a store without lasting storage has nothing to do.
    virtual bool WriteOut() { return true; }

private:
    std::function<void()> m_reportFailure;
    bool m_failureReported = false;
};
