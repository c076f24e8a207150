// The Editing page: each control changes its preference at once.
#include "edit/PropEditing.h"

#include "settings/core/AppSettings.h"
#include "syntax/SourceTypes.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMinTabSize = 1;
constexpr int kMaxTabSize = 63;
constexpr int kFallbackTabSize = 4;

} // namespace

CPropEditing::CPropEditing(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    m_tabSize = new QLineEdit(QString::number(settings.Preferences().TabSize()), this);
    m_tabSize->setObjectName(QStringLiteral("tabSize"));
    m_tabSize->setMaxLength(6);
    m_tabSize->installEventFilter(this);
    // Every change counts, however it came: typed, pasted or set by a screen reader.
    connect(m_tabSize, &QLineEdit::textChanged, this, &CPropEditing::OnTabSizeEdited);
    form->addRow(tr("&Tab Size:"), m_tabSize);
    layout->addLayout(form);

    auto* window = new QGroupBox(tr("Window Settings:"), this);
    auto* windowBoxes = new QVBoxLayout(window);
    layout->addWidget(window);
    // The preferences are "drag and drop switched off" and "use tabs": both show inverted.
    windowBoxes->addWidget(
        AddCheckBox(tr("&Drag&&Drop text editing"), Switch::DragDropDisabled, true));
    windowBoxes->addWidget(AddCheckBox(tr("Selection &Margin"), Switch::SelectionMargin, false));
    windowBoxes->addWidget(AddCheckBox(tr("Smoot&h scroll"), Switch::SmoothScroll, false));
    QCheckBox* autoIndent = AddCheckBox(tr("&Auto Indent"), Switch::AutoIndent, false);
    windowBoxes->addWidget(autoIndent);
    m_smartIndent = AddCheckBox(tr("Smart &Indent"), Switch::SmartIndent, false);
    windowBoxes->addWidget(m_smartIndent);
    windowBoxes->addWidget(AddCheckBox(tr("Smart &Undo"), Switch::SmartUndo, false));
    // Smart Indent works only with Auto Indent; its own setting stays while greyed.
    m_smartIndent->setEnabled(autoIndent->isChecked());
    connect(autoIndent, &QCheckBox::toggled, m_smartIndent, &QWidget::setEnabled);

    auto* tabs = new QGroupBox(tr("Tabs:"), this);
    auto* tabBoxes = new QVBoxLayout(tabs);
    tabBoxes->addWidget(AddCheckBox(tr("Insert &Spaces"), Switch::UseTabs, true));
    layout->addWidget(tabs);

    // The Insert menu, AutoExpand and the IMG and colour tags.
    QCheckBox* lowerCase =
        AddCheckBox(tr("Insert tags in lo&wer case"), Switch::LowerCaseTags, false);
    lowerCase->setObjectName(QStringLiteral("lowerCaseTags"));
    layout->addWidget(lowerCase);

    // Which source types are spell checked when a document opens; Check Spelling switches a
    // single document.
    auto* spelling = new QGroupBox(tr("Check spe&lling in:"), this);
    auto* spellingLayout = new QVBoxLayout(spelling);
    auto* types = new QListWidget(spelling);
    types->setObjectName(QStringLiteral("spellingTypes"));
    types->setAccessibleName(tr("Check spelling in"));
    for (int number = 0; number < kSourceTypeCount; ++number) {
        const auto type = static_cast<SourceType>(number);
        const std::string_view name = SourceTypeName(type);
        auto* item =
            new QListWidgetItem(QString::fromUtf8(name.data(), qsizetype(name.size())), types);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(settings.Preferences().SpellingOnFor(type) ? Qt::Checked
                                                                       : Qt::Unchecked);
    }
    connect(types, &QListWidget::itemChanged, this, [this, types](QListWidgetItem* item) {
        m_settings.Preferences().SetSpellingOnFor(static_cast<SourceType>(types->row(item)),
                                                  item->checkState() == Qt::Checked);
    });
    spellingLayout->addWidget(types);
    layout->addWidget(spelling);
}

QCheckBox* CPropEditing::AddCheckBox(const QString& text, Switch preference, bool inverted)
{
    auto* box = new QCheckBox(text, this);
    box->setChecked(m_settings.Preferences().IsOn(preference) != inverted);
    connect(box, &QCheckBox::toggled, this, [this, preference, inverted](bool on) {
        m_settings.Preferences().SetOn(preference, on != inverted);
    });
    return box;
}

void CPropEditing::OnTabSizeEdited(const QString& text)
{
    bool isNumber = false;
    const int size = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return;
    if (size >= kMinTabSize && size <= kMaxTabSize) {
        m_settings.Preferences().SetTabSize(size);
        return;
    }
    m_settings.Preferences().SetTabSize(kFallbackTabSize);
    m_tabSize->setText(QString::number(kFallbackTabSize));
}

bool CPropEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabSize && event->type() == QEvent::FocusOut)
        m_tabSize->setText(QString::number(m_settings.Preferences().TabSize()));
    return QWidget::eventFilter(watched, event);
}
