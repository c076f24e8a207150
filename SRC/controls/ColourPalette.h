// The colour picker's palette of named colours and its key navigation, free of widgets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Colours are 0x00BBGGRR; this value stands for the "Automatic" choice.
inline constexpr uint32_t kAutomaticColour = 0xFF000000u;

struct NamedColour {
    uint32_t colour;
    std::string_view name; // also the cell's tooltip
};
std::span<const NamedColour> PaletteColours();
inline constexpr int kPaletteColumns = 8;

// An entry of the popup: a palette index from 0, or one of these.
enum PickerEntry : int {
    PICK_NONE = -1,
    PICK_MORE_COLOURS = -2,
    PICK_AUTOMATIC = -3,
};

enum class PickerKey { Left, Right, Up, Down };

// Which special entries the popup shows (an entry with an empty text is left out).
struct PickerShape {
    int count; // palette cells
    bool automaticShown;
    bool moreShown;
};

// The entry a cursor key moves to from current. The cells run row by row; moving past either
// end of the grid passes the two special entries, skipping one that is not shown.
int NextPickerEntry(int current, PickerKey key, const PickerShape& shape);
