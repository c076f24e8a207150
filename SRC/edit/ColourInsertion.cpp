// The colour dialog of colour insertion.
#include "edit/ColourInsertion.h"

#include <QColorDialog>

namespace {

// Colour values are 0x00BBGGRR.
QColor ToQColor(uint32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

uint32_t FromQColor(const QColor& colour)
{
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8
           | static_cast<uint32_t>(colour.blue()) << 16;
}

} // namespace

std::optional<uint32_t> PickWithColourDialog(QWidget* parent, uint32_t initial,
                                             CustomColours& custom)
{
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(custom[i]));
    QColorDialog dialog(ToQColor(initial), parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt; // nothing is kept, edited custom colours included
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        custom[i] = FromQColor(QColorDialog::customColor(i));
    return FromQColor(dialog.selectedColor());
}

std::optional<TagTexts> AskColourTexts(QWidget* parent, SettingsStore& store, bool hasSelection,
                                       const ColourPicker& pick)
{
    ColourChoice choice = ReadColourChoice(store);
    const std::optional<uint32_t> colour = pick(parent, choice.last, choice.custom);
    if (!colour)
        return std::nullopt;
    choice.last = *colour;
    WriteColourChoice(store, choice);
    return ColourInsertion(*colour, hasSelection);
}
