// The Editing page: each control writes the global record at once.
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

CPropEditing::CPropEditing(AppSettings& settings, QWidget* parent) : QWidget(parent), m_settings(settings)
{
    GlobalSettings& global = settings.Global();
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    m_tabSize = new QLineEdit(QString::number(global.tabSize), this);
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
    // The record keeps "drag and drop switched off" and "use tabs": both show inverted.
    windowBoxes->addWidget(AddCheckBox(tr("&Drag&&Drop text editing"), global.dragDropDisabled, true));
    windowBoxes->addWidget(AddCheckBox(tr("Selection &Margin"), global.selectionMargin, false));
    windowBoxes->addWidget(AddCheckBox(tr("Smoot&h scroll"), global.smoothScroll, false));
    QCheckBox* autoIndent = AddCheckBox(tr("&Auto Indent"), global.autoIndent, false);
    windowBoxes->addWidget(autoIndent);
    m_smartIndent = AddCheckBox(tr("Smart &Indent"), global.smartIndent, false);
    windowBoxes->addWidget(m_smartIndent);
    windowBoxes->addWidget(AddCheckBox(tr("Smart &Undo"), global.smartUndo, false));
    // Smart Indent works only with Auto Indent; its own setting stays while greyed.
    m_smartIndent->setEnabled(autoIndent->isChecked());
    connect(autoIndent, &QCheckBox::toggled, m_smartIndent, &QWidget::setEnabled);

    auto* tabs = new QGroupBox(tr("Tabs:"), this);
    auto* tabBoxes = new QVBoxLayout(tabs);
    tabBoxes->addWidget(AddCheckBox(tr("Insert &Spaces"), global.useTabs, true));
    layout->addWidget(tabs);

    // The Insert menu, AutoExpand and the IMG and colour tags.
    auto* lowerCase = new QCheckBox(tr("Insert tags in lo&wer case"), this);
    lowerCase->setObjectName(QStringLiteral("lowerCaseTags"));
    lowerCase->setChecked(settings.LowerCaseTags());
    connect(lowerCase, &QCheckBox::toggled, this, [this](bool on) { m_settings.SetLowerCaseTags(on); });
    layout->addWidget(lowerCase);

    // Which source types are spell checked when a document opens; Check Spelling switches a
    // single document.
    auto* spelling = new QGroupBox(tr("Check spe&lling in:"), this);
    auto* spellingLayout = new QVBoxLayout(spelling);
    auto* types = new QListWidget(spelling);
    types->setObjectName(QStringLiteral("spellingTypes"));
    types->setAccessibleName(tr("Check spelling in"));
    for (int type = 0; type < kSourceTypeCount; ++type) {
        const std::string_view name = SourceTypeName(type);
        auto* item = new QListWidgetItem(QString::fromUtf8(name.data(), qsizetype(name.size())), types);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(settings.SpellingOnFor(type) ? Qt::Checked : Qt::Unchecked);
    }
    connect(types, &QListWidget::itemChanged, this, [this, types](QListWidgetItem* item) {
        m_settings.SetSpellingOnFor(types->row(item), item->checkState() == Qt::Checked);
    });
    spellingLayout->addWidget(types);
    layout->addWidget(spelling);
}

QCheckBox* CPropEditing::AddCheckBox(const QString& text, int32_t& field, bool inverted)
{
    auto* box = new QCheckBox(text, this);
    box->setChecked((field != 0) != inverted);
    connect(box, &QCheckBox::toggled, this, [&field, inverted](bool on) { field = on != inverted ? 1 : 0; });
    return box;
}

void CPropEditing::OnTabSizeEdited(const QString& text)
{
    bool isNumber = false;
    const int size = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return;
    if (size >= kMinTabSize && size <= kMaxTabSize) {
        m_settings.Global().tabSize = size;
        return;
    }
    m_settings.Global().tabSize = kFallbackTabSize;
    m_tabSize->setText(QString::number(kFallbackTabSize));
}

bool CPropEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabSize && event->type() == QEvent::FocusOut)
        m_tabSize->setText(QString::number(m_settings.Global().tabSize));
    return QWidget::eventFilter(watched, event);
}
