// The operations every settings store shares.
#include "settings/core/SettingsStore.h"

#include <cstring>

bool SettingsStore::ReadBinary(std::string_view key, std::string_view name, void* buffer,
                               size_t size) const
{
    std::memset(buffer, 0, size);
    const auto bytes = ReadBytes(key, name);
    if (!bytes || bytes->size() > size)
        return false;
    if (!bytes->empty())
        std::memcpy(buffer, bytes->data(), bytes->size());
    return true;
}

bool SettingsStore::Flush()
{
    if (WriteOut())
        return true;
    // One message is enough: the same cause fails every later flush of the run.
    if (!m_failureReported && m_reportFailure) {
        m_failureReported = true;
        m_reportFailure();
    }
    return false;
}
