// Settings values in an INI file, written out at the points the program chooses.
#include "settings/KSettingsStore.h"

#include "settings/core/MemorySettingsStore.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr mode_t kPrivateFile = S_IRUSR | S_IWUSR;

// The file exists afterwards and only its owner may read it.
bool MakePrivateFile(const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kPrivateFile);
    if (fd >= 0)
        return ::close(fd) == 0;
    if (errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return false;
    // A file an earlier version left readable by others; the toolkit keeps the mode it finds.
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0 && st.st_uid == ::geteuid())
        ::chmod(native.constData(), st.st_mode & 07700);
    return true;
}

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

std::unique_ptr<SettingsStore> CKSettingsStore::Open(const QString& iniPath, bool& refused)
{
    struct stat st {};
    refused = ::stat(QFile::encodeName(iniPath).constData(), &st) == 0
              && (!S_ISREG(st.st_mode) || st.st_size > kMaxFileBytes);
    if (refused)
        return std::make_unique<MemorySettingsStore>();
    return std::make_unique<CKSettingsStore>(iniPath);
}

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

bool CKSettingsStore::BatchedSettings::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest)
        return true;
    return QSettings::event(event);
}

bool CKSettingsStore::Write(std::string_view key, std::string_view name, const QVariant& value)
{
    m_settings.setValue(KeyPath(key, name), value);
    return true;
}

bool CKSettingsStore::WriteOut()
{
    if (!MakePrivateFile(Path()))
        return false;
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
    return Write(key, name,
                 QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size)));
}

bool CKSettingsStore::DeleteAll()
{
    m_settings.clear();
    return true;
}

std::string CKSettingsStore::Location() const { return QFile::encodeName(Path()).toStdString(); }
