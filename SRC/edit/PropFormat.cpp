// The Format page: choosing a colour stores it at once and the open views follow.
#include "edit/PropFormat.h"

#include "controls/ColourPicker.h"
#include "settings/core/AppSettings.h"
#include "syntax/ColourClass.h"
#include "view/ViewFont.h"

#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QFont> AskFixedPitchFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, initial, parent, QString(), QFontDialog::MonospacedFonts);
    if (!ok)
        return std::nullopt;
    return font;
}

CPropFormat::CPropFormat(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    m_classes = new QListWidget(this);
    m_classes->setObjectName(QStringLiteral("classes"));
    for (int c = 0; c < kColourClassCount; ++c) {
        const std::string_view label = ColourClassLabel(static_cast<ColourClass>(c));
        m_classes->addItem(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())));
    }
    auto* classesLabel = new QLabel(tr("E&xisting Colors:"), this);
    classesLabel->setBuddy(m_classes);
    // A list is not named by its buddy label, as other controls are.
    m_classes->setAccessibleName(tr("Existing Colors"));
    left->addWidget(classesLabel);
    left->addWidget(m_classes);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    const auto addPicker = [&](const QString& group, const QString& name, CColourPicker::Mode mode,
                               bool text) {
        auto* box = new QGroupBox(group, this);
        auto* boxLayout = new QVBoxLayout(box);
        auto* picker = new CColourPicker(box);
        picker->setObjectName(name);
        picker->setAccessibleName(name);
        picker->SetMode(mode);
        picker->SetTrackSelection(true);
        connect(picker, &CColourPicker::selectionChanged, this,
                [this, text](uint32_t c) { StoreColour(text, c); });
        connect(picker, &CColourPicker::selectionConfirmed, this,
                [this, text](uint32_t c) { StoreColour(text, c); });
        connect(picker, &CColourPicker::selectionCancelled, this,
                [this, text](uint32_t c) { StoreColour(text, c); });
        boxLayout->addWidget(picker);
        right->addWidget(box);
        return picker;
    };
    m_foreground = addPicker(tr("&Foreground color:"), QStringLiteral("Foreground"),
                             CColourPicker::Mode::Text, true);
    m_background = addPicker(tr("&Background color:"), QStringLiteral("Background"),
                             CColourPicker::Mode::Background, false);
    auto* font = new QPushButton(tr("Change F&ont"), this);
    font->setObjectName(QStringLiteral("changeFont"));
    connect(font, &QPushButton::clicked, this, &CPropFormat::ChangeFont);
    right->addWidget(font);
    right->addStretch();
    layout->addLayout(right);

    connect(m_classes, &QListWidget::currentRowChanged, this, &CPropFormat::ShowClass);
    m_classes->setCurrentRow(0);
}

void CPropFormat::ShowClass(int index)
{
    if (index < 0 || index >= kColourClassCount)
        return;
    const StoredColours colours = m_settings.Preferences().Colours(static_cast<ColourClass>(index));
    m_foreground->SetColour(colours.text);
    m_background->SetColour(colours.background);
}

void CPropFormat::StoreColour(bool text, uint32_t colour)
{
    const int index = m_classes->currentRow();
    if (index < 0 || index >= kColourClassCount)
        return;
    if (colour == kAutomaticColour) {
        const StoredColours automatic = AutomaticStoredColours(static_cast<ColourClass>(index));
        colour = text ? automatic.text : automatic.background;
        (text ? m_foreground : m_background)->SetColour(colour);
    }
    // The views show the colour while the popup tracks it.
    StoredColours stored = m_settings.Preferences().Colours(static_cast<ColourClass>(index));
    (text ? stored.text : stored.background) = colour;
    m_settings.Preferences().SetColours(static_cast<ColourClass>(index), stored);
}

void CPropFormat::ChangeFont()
{
    const LogFont& font = m_settings.Preferences().Font();
    const std::optional<QFont> chosen = m_askFont(this, MakeViewFont(font));
    if (!chosen)
        return;
    m_settings.Preferences().SetFont(LogFontOf(*chosen, font));
}
