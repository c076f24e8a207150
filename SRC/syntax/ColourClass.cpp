// The labels and default colours of the colour classes.
#include "syntax/ColourClass.h"

#include <array>

namespace {

// The automatic colours are what the options page's "Automatic" choice restores.
struct ClassInfo {
    std::string_view label;
    ColourPair colours;
    ColourPair automatic;
    ReaderText reader;
};

constexpr std::array<ClassInfo, kColourClassCount> kClasses = {{
    {"Normal text", {0x000000, 0xC0C0C0}, {0x000000, 0xC0C0C0}, ReaderText::InMarkup},
    {"Selection margin", {0x000000, 0xE0E0E0}, {0x000000, 0xE0E0E0}, ReaderText::Nowhere},
    {"Selected text", {0xC0C0C0, 0x000000}, {0xC0C0C0, 0x000000}, ReaderText::Nowhere},
    {"Tag/keyword", {0x0000C0, 0xC0C0C0}, {0x0000C0, 0xC0C0C0}, ReaderText::Nowhere},
    {"Closing tag", {0x6040C0, 0xC0C0C0}, {0x6040C0, 0xC0C0C0}, ReaderText::Nowhere},
    {"Number", {0x804040, 0xC0C0C0}, {0x804040, 0xC0C0C0}, ReaderText::Nowhere},
    {"String", {0x804080, 0xC0C0C0}, {0x804080, 0xC0C0C0}, ReaderText::InSource},
    {"Comment", {0x008000, 0xC0C0C0}, {0x008000, 0xC0C0C0}, ReaderText::InSource},
    {"Operator", {0x000080, 0xC0C0C0}, {0x000080, 0xC0C0C0}, ReaderText::Nowhere},
    {"Tag parameter/preprocessor", {0x004080, 0xC0C0C0}, {0x004080, 0xC0C0C0}, ReaderText::Nowhere},
    {"Tag value/usr1", {0x804080, 0xC0C0C0}, {0x804080, 0xC0C0C0}, ReaderText::Nowhere},
    {"Function", {0x808040, 0xC0C0C0}, {0x808040, 0xC0C0C0}, ReaderText::Nowhere},
    {"Tag enum/usr2", {0x404080, 0xC0C0C0}, {0x404080, 0xC0C0C0}, ReaderText::Nowhere},
    {"&-values", {0x400000, 0xC0C0C0}, {0x808040, 0xC0C0C0}, ReaderText::Nowhere},
    {"Unknown", {0x800000, 0xC0C0C0}, {0x800000, 0xC0C0C0}, ReaderText::Nowhere},
    {"Error", {0xFFFFFF, 0xFF0000}, {0xFFFFFF, 0xFF0000}, ReaderText::Nowhere},
}};

// A value outside the enumeration (a damaged settings record, say) reads as normal text.
const ClassInfo& Info(ColourClass colourClass)
{
    const auto index = static_cast<int32_t>(colourClass);
    return kClasses[index >= 0 && index < kColourClassCount ? index : 0];
}

} // namespace

ColourPair DefaultColours(ColourClass colourClass) { return Info(colourClass).colours; }

ColourPair AutomaticColours(ColourClass colourClass) { return Info(colourClass).automatic; }

std::string_view ColourClassLabel(ColourClass colourClass) { return Info(colourClass).label; }

ReaderText ReaderTextOf(ColourClass colourClass) { return Info(colourClass).reader; }
