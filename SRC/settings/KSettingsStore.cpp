// Settings values in an INI file: each write reaches the disk at once, so that the debug
// trail survives a crash.
#include "settings/KSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

QString KeyPath(std::string_view key, std::string_view name)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())) + QLatin1Char('/')
           + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

bool IsBinary(const QVariant& value) { return value.typeId() == QMetaType::QByteArray; }

} // namespace

QString CKSettingsStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Kelvane/TGWR/1.09.ini");
}

CKSettingsStore::CKSettingsStore() : CKSettingsStore(DefaultPath()) {}

CKSettingsStore::CKSettingsStore(const QString& iniPath) : m_settings(iniPath, QSettings::IniFormat)
{
}

std::string CKSettingsStore::ReadString(std::string_view key, std::string_view name,
                                        std::string_view fallback) const
{
    const QVariant value = m_settings.value(KeyPath(key, name));
    if (!value.isValid() || IsBinary(value) || !value.canConvert<QString>())
        return std::string(fallback);
    return value.toString().toStdString();
}

int32_t CKSettingsStore::ReadNumber(std::string_view key, std::string_view name,
                                    int32_t fallback) const
{
    const QVariant value = m_settings.value(KeyPath(key, name));
    if (!value.isValid() || IsBinary(value))
        return fallback;
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    return ok ? number : fallback;
}

std::optional<std::vector<uint8_t>> CKSettingsStore::ReadBytes(std::string_view key,
                                                               std::string_view name) const
{
    const QVariant value = m_settings.value(KeyPath(key, name));
    if (!IsBinary(value))
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool CKSettingsStore::Write(std::string_view key, std::string_view name, const QVariant& value)
{
    m_settings.setValue(KeyPath(key, name), value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

bool CKSettingsStore::WriteString(std::string_view key, std::string_view name,
                                  std::string_view value)
{
    return Write(key, name, QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool CKSettingsStore::WriteNumber(std::string_view key, std::string_view name, int32_t value)
{
    return Write(key, name, value);
}

bool CKSettingsStore::WriteBinary(std::string_view key, std::string_view name, const void* data,
                                  size_t size)
{
    return Write(key, name, QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
}

bool CKSettingsStore::DeleteAll()
{
    m_settings.clear();
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

std::string CKSettingsStore::Location() const { return QFile::encodeName(Path()).toStdString(); }
