// Help > Keyboard Shortcuts, generated from the command table.
#include "app/ShortcutsDialog.h"

#include "controls/QtText.h"
#include "res/CommandTable.h"
#include "view/CommandKeys.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The menu text without its mnemonic and the dots of a command that asks more; the prompt
// for a command that has no menu item.
QString CommandName(const CommandSpec& spec)
{
    if (spec.menu.empty())
        return FromUtf8(spec.prompt);
    QString name = FromUtf8(spec.menu);
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (name.endsWith(QStringLiteral("...")))
        name.chop(3);
    return name;
}

} // namespace

CKShortcutsDialog::CKShortcutsDialog(QWidget* parent)
    : QDialog(parent), m_search(new QLineEdit(this)), m_table(new QTableWidget(0, 2, this))
{
    setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchLabel->setBuddy(m_search);
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(QStringLiteral("Search the shortcuts"));
    connect(m_search, &QLineEdit::textChanged, this, &CKShortcutsDialog::Filter);

    m_table->setHorizontalHeaderLabels({QStringLiteral("Command"), QStringLiteral("Keys")});
    m_table->setAccessibleName(QStringLiteral("Shortcuts"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    const CKCommandKeys& keys = CKCommandKeys::Commands();
    for (const CommandSpec& spec : CommandTable()) {
        QStringList shown;
        for (const QKeySequence& key : keys.KeysOf(spec.id))
            shown << key.toString(QKeySequence::NativeText);
        if (shown.isEmpty())
            continue;
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(CommandName(spec)));
        m_table->setItem(row, 1, new QTableWidgetItem(shown.join(QStringLiteral(", "))));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(520, 560);
}

void CKShortcutsDialog::Filter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const bool matches = wanted.isEmpty()
                             || m_table->item(row, 0)->text().contains(wanted, Qt::CaseInsensitive)
                             || m_table->item(row, 1)->text().contains(wanted, Qt::CaseInsensitive);
        m_table->setRowHidden(row, !matches);
    }
}
