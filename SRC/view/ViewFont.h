// The view's font and colours from the preferences, and the character each byte is drawn as.
#pragma once

#include "settings/core/Preferences.h"

#include <QChar>
#include <QColor>
#include <QFont>

// The face of the record's default font description.
inline constexpr char kDefaultFontFace[] = "Courier";

// The font a record's font description asks for: the face (the desktop's fixed-pitch font for
// the default face, else resolved to an installed fixed-pitch face when missing), a negative
// height as the character height in pixels.
QFont MakeViewFont(const LogFont& description);
// The record's description of a chosen font: its face, pixel height, weight and style; the
// rest (character set, quality, pitch and family) stays as in base.
LogFont LogFontOf(const QFont& font, const LogFont& base);

// A colour as the record stores it, 0x00BBGGRR.
inline QColor StoredColour(uint32_t bbggrr)
{
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}
// A colour given as 0xRRGGBB.
inline QColor RgbColour(uint32_t rrggbb) { return QColor::fromRgb(rrggbb | 0xFF000000u); }

// The character a Windows-1251 byte is drawn as, one cell per byte. The painter draws the
// control bytes and the unassigned 0x98 itself.
QChar DisplayChar(uint8_t byte);
