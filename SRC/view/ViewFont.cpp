// Font and display characters of the text view.
#include "view/ViewFont.h"

#include "text/Cp1251.h"

#include <algorithm>
#include <array>
#include <cstdlib>

QFont MakeViewFont(const LogFont& description)
{
    QFont font(QString::fromLatin1(description.FaceName().c_str()));
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

QChar DisplayChar(uint8_t byte)
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = QChar(cp1251::ToUnicode(static_cast<uint8_t>(b)));
        // Control bytes show as their control pictures, the unassigned byte as a replacement
        // mark, so no byte ever disappears from the screen.
        for (int b = 0; b < 0x20; ++b)
            t[b] = QChar(0x2400 + b);
        t[0x7F] = QChar(0x2421);
        t[0x98] = QChar(0xFFFD);
        return t;
    }();
    return table[byte];
}
