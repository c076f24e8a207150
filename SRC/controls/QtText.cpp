// Windows-1251 to and from QString through the project's own table, and UTF-8 texts.
#include "controls/QtText.h"

#include "res/Strings.h"
#include "res/VersionInfo.h"
#include "text/Cp1251.h"

#include <QList>

QString FromWindows1251(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (size_t i = 0; i < bytes.size(); ++i)
        out[i] = QChar(cp1251::ToUnicode(static_cast<uint8_t>(bytes[i])));
    return text;
}

std::string ToWindows1251(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const int b = cp1251::FromUnicode(cp);
        bytes.push_back(static_cast<char>(b < 0 ? '?' : b));
    }
    return bytes;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ResText(int id) { return FromUtf8(ResString(id)); }

QString VersionText()
{
    return ResText(IDS_VERSION_LINE)
        .arg(kVersionMajor)
        .arg(kVersionMinor, 2, 10, QLatin1Char('0'))
        .arg(kVersionBuild);
}
