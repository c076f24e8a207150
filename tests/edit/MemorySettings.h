// A settings store held in memory, for tests of what the editing commands keep in settings.
#pragma once

#include "settings/core/SettingsStore.h"

#include <map>
#include <string>
#include <variant>

class MemorySettings : public SettingsStore {
public:
    using Value = std::variant<std::string, int32_t, std::vector<uint8_t>>;

    std::string ReadString(std::string_view key, std::string_view name,
                           std::string_view fallback = {}) const override
    {
        const Value* v = Find(key, name);
        return v && std::holds_alternative<std::string>(*v) ? std::get<std::string>(*v)
                                                            : std::string(fallback);
    }
    int32_t ReadNumber(std::string_view key, std::string_view name, int32_t fallback) const override
    {
        const Value* v = Find(key, name);
        return v && std::holds_alternative<int32_t>(*v) ? std::get<int32_t>(*v) : fallback;
    }
    std::optional<std::vector<uint8_t>> ReadBytes(std::string_view key,
                                                  std::string_view name) const override
    {
        const Value* v = Find(key, name);
        if (v && std::holds_alternative<std::vector<uint8_t>>(*v))
            return std::get<std::vector<uint8_t>>(*v);
        return std::nullopt;
    }
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override
    {
        values[Path(key, name)] = std::string(value);
        return true;
    }
    bool WriteNumber(std::string_view key, std::string_view name, int32_t value) override
    {
        values[Path(key, name)] = value;
        return true;
    }
    bool WriteBinary(std::string_view key, std::string_view name, const void* data,
                     size_t size) override
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        values[Path(key, name)] = std::vector<uint8_t>(bytes, bytes + size);
        return true;
    }
    bool DeleteAll() override
    {
        values.clear();
        return true;
    }

    // "key/name" to value; names tell letter case apart, as the real store's do.
    std::map<std::string, Value> values;

private:
    static std::string Path(std::string_view key, std::string_view name)
    {
        return std::string(key) + "/" + std::string(name);
    }
    const Value* Find(std::string_view key, std::string_view name) const
    {
        const auto it = values.find(Path(key, name));
        return it == values.end() ? nullptr : &it->second;
    }
};
