// The Find dialog and the Go to line dialog.
#include "view/FindDialog.h"

#include "controls/QtText.h"
#include "res/Strings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

// The store keeps texts as UTF-8; the fields are Windows-1251 like the text searched.
std::string ReadSettingsText(const SettingsStore& store, std::string_view key,
                             std::string_view name)
{
    return ToWindows1251(QString::fromStdString(store.ReadString(key, name)));
}

void WriteSettingsText(SettingsStore& store, std::string_view key, std::string_view name,
                       std::string_view text)
{
    store.WriteString(key, name, FromWindows1251(text).toStdString());
}

FindOptions ReadFindSettings(const SettingsStore& store)
{
    return {ReadSettingsText(store, kFindKey, kFindWhatValue),
            static_cast<uint32_t>(store.ReadNumber(kFindKey, kFlagsValue, 0))};
}

void WriteFindSettings(SettingsStore& store, const FindOptions& fields)
{
    store.WriteNumber(kFindKey, kFlagsValue, static_cast<int32_t>(fields.flags));
    WriteSettingsText(store, kFindKey, kFindWhatValue, fields.text);
}

SearchOptionBoxes::SearchOptionBoxes(uint32_t flags)
    : wholeWord(new QCheckBox(QStringLiteral("Match &whole word only"))),
      matchCase(new QCheckBox(QStringLiteral("Match &case"))),
      regex(new QCheckBox(QStringLiteral("R&egular Expression")))
{
    wholeWord->setChecked(flags & FIND_WHOLE_WORD);
    matchCase->setChecked(flags & FIND_MATCH_CASE);
    regex->setChecked(flags & FIND_REGEXP);
    const auto follow = [box = wholeWord](bool regexOn) {
        if (regexOn)
            box->setChecked(false);
        box->setEnabled(!regexOn);
    };
    follow(regex->isChecked());
    QObject::connect(regex, &QCheckBox::toggled, wholeWord, follow);
}

uint32_t SearchOptionBoxes::Flags() const
{
    return (matchCase->isChecked() ? FIND_MATCH_CASE : 0)
           | (wholeWord->isChecked() ? FIND_WHOLE_WORD : 0)
           | (regex->isChecked() ? FIND_REGEXP : 0);
}

CKFindDialog::CKFindDialog(const FindOptions& initial, FindNext findNext, QWidget* parent)
    : QDialog(parent), m_onFindNext(std::move(findNext)), m_options(initial.flags)
{
    setWindowTitle(QStringLiteral("Find"));
    m_text = new QLineEdit(FromWindows1251(initial.text));
    m_text->selectAll(); // typing replaces the proposed text
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"));
    label->setBuddy(m_text);

    auto* direction = new QGroupBox(QStringLiteral("Direction"));
    m_up = new QRadioButton(QStringLiteral("&Up"));
    m_down = new QRadioButton(QStringLiteral("&Down"));
    (initial.flags & FIND_UP ? m_up : m_down)->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    m_findNext = new QPushButton(QStringLiteral("&Find Next"));
    m_findNext->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(m_options.wholeWord, 1, 0, 1, 2);
    grid->addWidget(m_options.matchCase, 2, 0, 1, 2);
    grid->addWidget(m_options.regex, 3, 0, 1, 2);
    grid->addWidget(direction, 1, 2, 3, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 4, 1);

    connect(m_text, &QLineEdit::textChanged, this, &CKFindDialog::UpdateButtons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_findNext, &QPushButton::clicked, this, [this] {
        if (m_onFindNext && m_onFindNext(Fields()))
            accept();
    });
    UpdateButtons();
}

void CKFindDialog::UpdateButtons() { m_findNext->setEnabled(!m_text->text().isEmpty()); }

FindOptions CKFindDialog::Fields() const
{
    FindOptions fields;
    fields.text = ToWindows1251(m_text->text());
    fields.flags = m_options.Flags() | (m_up->isChecked() ? FIND_UP : 0);
    return fields;
}

CKGotoLineDialog::CKGotoLineDialog(int lineCount, int proposed, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Go to line number"));
    auto* prompt = new QLabel(ResText(IDS_GOTO_LINE_PROMPT).arg(lineCount));
    m_number = new QLineEdit(QString::number(proposed));
    m_number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));
    m_number->selectAll();
    prompt->setBuddy(m_number);
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(prompt, 0, 0);
    layout->addWidget(m_number, 1, 0);
    layout->addWidget(m_ok, 0, 1);
    layout->addWidget(cancel, 1, 1);

    connect(m_number, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.isEmpty()); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

long long CKGotoLineDialog::Number() const
{
    const QString digits = m_number->text();
    if (digits.size() > 15)
        return 999'999'999'999'999LL;
    return digits.toLongLong();
}
