// The settings store in an INI file of the user's config folder.
#pragma once

#include "settings/core/SettingsStore.h"

#include <QSettings>
#include <QString>

class CKSettingsStore : public SettingsStore {
public:
    // The store of the program's settings root: "Kelvane/TGWR/1.09.ini" in the user's config
    // folder ($XDG_CONFIG_HOME, else ~/.config).
    CKSettingsStore();
    explicit CKSettingsStore(const QString& iniPath);

    static QString DefaultPath();
    QString Path() const { return m_settings.fileName(); }

    std::string ReadString(std::string_view key, std::string_view name,
                           std::string_view fallback = {}) const override;
    int32_t ReadNumber(std::string_view key, std::string_view name, int32_t fallback) const override;
    std::optional<std::vector<uint8_t>> ReadBytes(std::string_view key,
                                                  std::string_view name) const override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool WriteNumber(std::string_view key, std::string_view name, int32_t value) override;
    bool WriteBinary(std::string_view key, std::string_view name, const void* data,
                     size_t size) override;
    bool DeleteAll() override;
    std::string Location() const override;

private:
    bool Write(std::string_view key, std::string_view name, const QVariant& value);

    mutable QSettings m_settings;
};
