// A settings store held in memory, for tests of code that reads and writes settings.
#pragma once

#include "doc/core/SettingsStore.h"

#include <map>
#include <string>
#include <variant>

class MemorySettings : public SettingsStore {
public:
    std::string ReadString(std::string_view key, std::string_view name,
                           std::string_view fallback = {}) const override
    {
        const auto it = m_values.find(Name(key, name));
        if (it == m_values.end() || !std::holds_alternative<std::string>(it->second))
            return std::string(fallback);
        return std::get<std::string>(it->second);
    }
    int32_t ReadNumber(std::string_view key, std::string_view name, int32_t fallback) const override
    {
        const auto it = m_values.find(Name(key, name));
        if (it == m_values.end() || !std::holds_alternative<int32_t>(it->second))
            return fallback;
        return std::get<int32_t>(it->second);
    }
    std::optional<std::vector<uint8_t>> ReadBytes(std::string_view, std::string_view) const override
    {
        return std::nullopt;
    }
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override
    {
        m_values[Name(key, name)] = std::string(value);
        return true;
    }
    bool WriteNumber(std::string_view key, std::string_view name, int32_t value) override
    {
        m_values[Name(key, name)] = value;
        return true;
    }
    bool WriteBinary(std::string_view, std::string_view, const void*, size_t) override
    {
        return false;
    }
    bool DeleteAll() override
    {
        m_values.clear();
        return true;
    }

private:
    static std::string Name(std::string_view key, std::string_view name)
    {
        return std::string(key) + '|' + std::string(name);
    }
    std::map<std::string, std::variant<std::string, int32_t>> m_values;
};
