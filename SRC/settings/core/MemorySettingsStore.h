// A settings store held in memory: for a run whose settings file cannot be used, and for tests
// of the settings logic without files or Qt. Like the INI store, numbers and strings read as
// each other where the text is a number.
#pragma once

#include "settings/core/SettingsStore.h"

#include <charconv>
#include <map>
#include <string>
#include <utility>
#include <variant>

class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<std::string, int32_t, std::vector<uint8_t>>;

    std::string ReadString(std::string_view key, std::string_view name,
                           std::string_view fallback = {}) const override
    {
        const Value* v = Find(key, name);
        if (!v || std::holds_alternative<std::vector<uint8_t>>(*v))
            return std::string(fallback);
        if (const auto* number = std::get_if<int32_t>(v))
            return std::to_string(*number);
        return std::get<std::string>(*v);
    }
    int32_t ReadNumber(std::string_view key, std::string_view name, int32_t fallback) const override
    {
        const Value* v = Find(key, name);
        if (!v)
            return fallback;
        if (const auto* number = std::get_if<int32_t>(v))
            return *number;
        if (const auto* text = std::get_if<std::string>(v)) {
            int32_t number = 0;
            const auto [end, error] =
                std::from_chars(text->data(), text->data() + text->size(), number);
            if (error == std::errc() && end == text->data() + text->size())
                return number;
        }
        return fallback;
    }
    std::optional<std::vector<uint8_t>> ReadBytes(std::string_view key,
                                                  std::string_view name) const override
    {
        const Value* v = Find(key, name);
        if (!v || !std::holds_alternative<std::vector<uint8_t>>(*v))
            return std::nullopt;
        return std::get<std::vector<uint8_t>>(*v);
    }
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override
    {
        return Write(key, name, std::string(value));
    }
    bool WriteNumber(std::string_view key, std::string_view name, int32_t value) override
    {
        return Write(key, name, value);
    }
    bool WriteBinary(std::string_view key, std::string_view name, const void* data,
                     size_t size) override
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        return Write(key, name, std::vector<uint8_t>(bytes, bytes + size));
    }
    bool DeleteAll() override
    {
        if (!writable)
            return false;
        values.clear();
        return true;
    }
    std::string Location() const override { return "memory"; }

    // Writes and flushes fail while false, as on a read-only disk.
    bool writable = true;
    std::map<std::pair<std::string, std::string>, Value> values;

protected:
    bool WriteOut() override { return writable; }

private:
    const Value* Find(std::string_view key, std::string_view name) const
    {
        const auto it = values.find({std::string(key), std::string(name)});
        return it == values.end() ? nullptr : &it->second;
    }
    bool Write(std::string_view key, std::string_view name, Value value)
    {
        if (!writable)
            return false;
        values[{std::string(key), std::string(name)}] = std::move(value);
        return true;
    }
};
