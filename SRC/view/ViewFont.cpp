// Font and display characters of the text view.
#include "view/ViewFont.h"

#include "text/Cp1251.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <array>
#include <cstdlib>

QFont MakeViewFont(const LogFont& description)
{
    // The record's default face names a font the desktop may only map to a thin clone
    // without Cyrillic; the desktop's own fixed-pitch font stands in for it. A face the user
    // chose is taken by name.
    const std::string face = description.FaceName();
    QFont font = face == kDefaultFontFace ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                          : QFont(QString::fromLatin1(face.c_str()));
    // Quality 3 asks for glyphs without antialiasing, 4 and above for antialiased ones.
    QFont::StyleStrategy strategy = QFont::PreferNoShaping;
    if (description.quality == 3)
        strategy = QFont::StyleStrategy(strategy | QFont::NoAntialias);
    else if (description.quality >= 4)
        strategy = QFont::StyleStrategy(strategy | QFont::PreferAntialias);
    font.setStyleHint(QFont::TypeWriter, strategy);
    font.setFixedPitch(true);
    font.setKerning(false);
    const int height = std::abs(description.height);
    font.setPixelSize(height > 0 ? height : 13);
    if (description.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strikeOut != 0);
    return font;
}

LogFont LogFontOf(const QFont& font, const LogFont& base)
{
    LogFont description = base;
    description.height = -QFontInfo(font).pixelSize();
    description.width = 0;
    description.weight = font.weight();
    description.italic = font.italic() ? 1 : 0;
    description.underline = font.underline() ? 1 : 0;
    description.strikeOut = font.strikeOut() ? 1 : 0;
    description.faceName.fill(0);
    const QByteArray face = font.family().toLatin1();
    std::copy_n(face.constData(), std::min<qsizetype>(face.size(), description.faceName.size() - 1),
                description.faceName.begin());
    return description;
}

QChar DisplayChar(uint8_t byte)
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = QChar(cp1251::ToUnicode(static_cast<uint8_t>(b)));
        return t;
    }();
    return table[byte];
}
