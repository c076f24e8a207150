// The palette table and the key navigation of the colour picker.
#include "controls/ColourPalette.h"

#include <array>

namespace {

constexpr std::array<NamedColour, 40> kPalette = {{
    {0x000000, "Black"},
    {0x002AA5, "Brown"},
    {0x404000, "Dark Olive Green"},
    {0x005500, "Dark Green"},
    {0x5E0000, "Dark Teal"},
    {0x8B0000, "Dark blue"},
    {0x82004B, "Indigo"},
    {0x282828, "Dark grey"},
    {0x00008B, "Dark red"},
    {0x2068FF, "Orange"},
    {0x008B8B, "Dark yellow"},
    {0x009300, "Green"},
    {0x8E8E38, "Teal"},
    {0xFF0000, "Blue"},
    {0xC07B7B, "Blue-grey"},
    {0x666666, "Grey - 40"},
    {0x0000FF, "Red"},
    {0x5BADFF, "Light orange"},
    {0x32CD32, "Lime"},
    {0x71B33C, "Sea green"},
    {0xD4FF7F, "Aqua"},
    {0xC09E7D, "Light blue"},
    {0x800080, "Violet"},
    {0x7F7F7F, "Grey - 50"},
    {0xCBC0FF, "Pink"},
    {0x00D7FF, "Gold"},
    {0x00FFFF, "Yellow"},
    {0x00FF00, "Bright green"},
    {0xD0E040, "Turquoise"},
    {0xFFFFC0, "Skyblue"},
    {0x480048, "Plum"},
    {0xC0C0C0, "Light grey"},
    {0xE1E4FF, "Rose"},
    {0x8CB4D2, "Tan"},
    {0xE0FFFF, "Light yellow"},
    {0x98FB98, "Pale green "},
    {0xEEEEAF, "Pale turquoise"},
    {0x8B8368, "Pale blue"},
    {0xFAE6E6, "Lavender"},
    {0xFFFFFF, "White"},
}};

// One step without regard to hidden entries.
int Step(int current, PickerKey key, int count)
{
    const int last = count - 1;
    switch (key) {
    case PickerKey::Right:
        if (current == PICK_MORE_COLOURS)
            return PICK_AUTOMATIC;
        if (current == PICK_AUTOMATIC || current < 0)
            return 0;
        return current < last ? current + 1 : PICK_MORE_COLOURS;
    case PickerKey::Left:
        if (current == PICK_AUTOMATIC)
            return PICK_MORE_COLOURS;
        if (current == PICK_MORE_COLOURS || current < 0)
            return last;
        return current > 0 ? current - 1 : PICK_AUTOMATIC;
    case PickerKey::Down:
        if (current == PICK_MORE_COLOURS)
            return PICK_AUTOMATIC;
        if (current == PICK_AUTOMATIC || current < 0)
            return 0;
        return current + kPaletteColumns <= last ? current + kPaletteColumns : PICK_MORE_COLOURS;
    case PickerKey::Up:
        if (current == PICK_AUTOMATIC)
            return PICK_MORE_COLOURS;
        if (current == PICK_MORE_COLOURS || current < 0)
            return last;
        return current >= kPaletteColumns ? current - kPaletteColumns : PICK_AUTOMATIC;
    }
    return current;
}

bool Shown(int entry, const PickerShape& shape)
{
    if (entry == PICK_AUTOMATIC)
        return shape.automaticShown;
    if (entry == PICK_MORE_COLOURS)
        return shape.moreShown;
    return true;
}

} // namespace

std::span<const NamedColour> PaletteColours() { return kPalette; }

int NextPickerEntry(int current, PickerKey key, const PickerShape& shape)
{
    if (shape.count <= 0)
        return current;
    // At most both special entries lie hidden in a row.
    int next = Step(current, key, shape.count);
    for (int i = 0; i < 2 && !Shown(next, shape); ++i)
        next = Step(next, key, shape.count);
    return next;
}
