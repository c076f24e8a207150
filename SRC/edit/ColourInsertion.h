// Colour insertion: the platform's colour dialog with the kept custom colours, and the texts
// the chosen colour gives.
#pragma once

#include "edit/core/InsertTexts.h"

#include <functional>
#include <optional>

class QWidget;

// Asks for a colour, starting from initial; the custom colours may be edited on the way.
// None on cancel.
using ColourPicker = std::function<std::optional<uint32_t>(QWidget* parent, uint32_t initial,
                                                           CustomColours& custom)>;

std::optional<uint32_t> PickWithColourDialog(QWidget* parent, uint32_t initial,
                                             CustomColours& custom);

// Reads the custom and last colours from the store, asks, keeps both again and gives the
// texts for InsertTag; none when the user cancels.
std::optional<TagTexts> AskColourTexts(QWidget* parent, SettingsStore& store, bool hasSelection,
                                       const ColourPicker& pick = &PickWithColourDialog);
