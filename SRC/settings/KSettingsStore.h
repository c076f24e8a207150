// The settings store in an INI file of the user's config folder.
#pragma once

#include "settings/core/SettingsStore.h"

#include <QSettings>
#include <QString>

#include <memory>

class CKSettingsStore : public SettingsStore {
public:
    // Far more than the program ever writes; a larger file is not read.
    static constexpr qint64 kMaxFileBytes = 16 << 20;

    // The store of the INI file at iniPath. A file larger than kMaxFileBytes, or one that is
    // not a regular file, is neither read nor written: the run gets a store in memory, and
    // refused is set.
    static std::unique_ptr<SettingsStore> Open(const QString& iniPath, bool& refused);

    // The store of the program's settings root: "Kelvane/TGWR/1.09.ini" in the user's config
    // folder ($XDG_CONFIG_HOME, else ~/.config).
    CKSettingsStore();
    explicit CKSettingsStore(const QString& iniPath);

    static QString DefaultPath();
    QString Path() const { return m_settings.fileName(); }

    std::string ReadString(std::string_view key, std::string_view name,
                           std::string_view fallback = {}) const override;
    int32_t ReadNumber(std::string_view key, std::string_view name,
                       int32_t fallback) const override;
    std::optional<std::vector<uint8_t>> ReadBytes(std::string_view key,
                                                  std::string_view name) const override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view value) override;
    bool WriteNumber(std::string_view key, std::string_view name, int32_t value) override;
    bool WriteBinary(std::string_view key, std::string_view name, const void* data,
                     size_t size) override;
    bool DeleteAll() override;
    std::string Location() const override;

protected:
    // Creates a missing file readable by its owner alone (it records the paths the user
    // opened), takes away what others may do with an existing one, and writes the values.
    bool WriteOut() override;

private:
    bool Write(std::string_view key, std::string_view name, const QVariant& value);

    // Keeps the changes until a flush: left alone, the toolkit writes the whole file again
    // soon after every change.
    class BatchedSettings : public QSettings {
    public:
        using QSettings::QSettings;

    protected:
        bool event(QEvent* event) override;
    };

    mutable BatchedSettings m_settings;
};
