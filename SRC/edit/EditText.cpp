// Conversion of clipboard, dropped and typed text through the Windows-1251 table.
#include "edit/EditText.h"

#include "text/Cp1251.h"

#include <QList>

QString ClipboardTextFromBuffer(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i) {
        const uint8_t b = static_cast<uint8_t>(bytes[i]);
        if (b == '\r') {
            text.append(QChar(u'\n'));
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            text.append(QChar(cp1251::ToUnicode(b)));
        }
    }
    return text;
}

BufferText BufferTextFromClipboard(const QString& text)
{
    BufferText result;
    const QList<uint> points = text.normalized(QString::NormalizationForm_C).toUcs4();
    result.bytes.reserve(static_cast<size_t>(points.size()));
    for (qsizetype i = 0; i < points.size(); ++i) {
        const char32_t cp = points[i];
        if (cp == u'\r' || cp == u'\n') {
            result.bytes += "\r\n";
            if (cp == u'\r' && i + 1 < points.size() && points[i + 1] == u'\n')
                ++i;
            continue;
        }
        const int b = cp1251::FromUnicode(cp);
        if (b < 0)
            ++result.missing;
        else
            result.bytes.push_back(static_cast<char>(b));
    }
    return result;
}

std::optional<uint8_t> TypedByte(const QString& typed)
{
    const QList<uint> points = typed.normalized(QString::NormalizationForm_C).toUcs4();
    if (points.size() != 1)
        return std::nullopt;
    const char32_t cp = points[0];
    if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0))
        return std::nullopt;
    const int b = cp1251::FromUnicode(cp);
    if (b < 0)
        return std::nullopt;
    return static_cast<uint8_t>(b);
}
