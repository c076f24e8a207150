// The Replace dialog.
#include "view/ReplaceDialog.h"

#include "controls/QtText.h"
#include "res/Strings.h"
#include "view/FindDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace {

QString Message(StringId id, const std::string& text)
{
    return ResText(id).arg(FromWindows1251(text));
}

} // namespace

ReplaceFields ReadReplaceSettings(const SettingsStore& store)
{
    ReplaceFields fields;
    fields.flags = static_cast<uint32_t>(store.ReadNumber(kReplaceKey, kFlagsValue, 0));
    fields.findWhat = ReadSettingsText(store, kReplaceKey, kFindWhatValue);
    fields.replaceWith = ReadSettingsText(store, kReplaceKey, kReplaceWithValue);
    return fields;
}

void WriteReplaceSettings(SettingsStore& store, const ReplaceFields& fields)
{
    store.WriteNumber(kReplaceKey, kFlagsValue, static_cast<int32_t>(fields.flags));
    WriteSettingsText(store, kReplaceKey, kFindWhatValue, fields.findWhat);
    WriteSettingsText(store, kReplaceKey, kReplaceWithValue, fields.replaceWith);
}

QString ReplaceProblemText(ReplaceProblem problem, const ReplaceFields& fields)
{
    switch (problem) {
    case ReplaceProblem::NotFound:
        return Message(IDS_CANNOT_FIND, fields.findWhat);
    case ReplaceProblem::InvalidPattern:
        return Message(IDS_INVALID_PATTERN, fields.findWhat);
    case ReplaceProblem::TooCostly:
        return Message(IDS_PATTERN_TOO_COSTLY, fields.findWhat);
    case ReplaceProblem::CannotExpand:
        return Message(IDS_CANNOT_EXPAND, fields.replaceWith);
    case ReplaceProblem::None:
        break;
    }
    return {};
}

QString ReplaceAllText(const ReplaceOutcome& outcome, const ReplaceFields& fields)
{
    // Running out of occurrences is how Replace All ends, not a problem, once it replaced some.
    if (outcome.replaced > 0
        && (outcome.problem == ReplaceProblem::None || outcome.problem == ReplaceProblem::NotFound))
        return Message(IDS_REPLACED_COUNT, std::to_string(outcome.replaced));
    return ReplaceProblemText(outcome.problem, fields);
}

CKReplaceDialog::CKReplaceDialog(CReplaceSession& session, const ReplaceFields& initial,
                                 ShowState show, QWidget* parent)
    : QDialog(parent), m_session(session), m_show(std::move(show)), m_options(initial.flags)
{
    setWindowTitle(QStringLiteral("Replace"));
    m_tell = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Tagwright"), text);
    };
    m_ask = [this](const QString& text) {
        return QMessageBox::question(this, QStringLiteral("Tagwright"), text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    };
    m_find = new QLineEdit(FromWindows1251(initial.findWhat));
    m_replace = new QLineEdit(FromWindows1251(initial.replaceWith));
    m_find->selectAll(); // typing replaces the proposed text
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    findLabel->setBuddy(m_find);
    auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"));
    replaceLabel->setBuddy(m_replace);

    auto* scope = new QGroupBox(QStringLiteral("Replace in"));
    m_selection = new QRadioButton(QStringLiteral("&Selection"));
    m_wholeFile = new QRadioButton(QStringLiteral("Wh&ole file"));
    m_selection->setEnabled(session.SelectionScopeAllowed());
    (initial.scope == ReplaceScope::Selection && session.SelectionScopeAllowed() ? m_selection
                                                                                 : m_wholeFile)
        ->setChecked(true);
    auto* scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(m_selection);
    scopeLayout->addWidget(m_wholeFile);

    m_findNextButton = new QPushButton(QStringLiteral("&Find Next"));
    m_replaceButton = new QPushButton(QStringLiteral("&Replace"));
    m_replaceAllButton = new QPushButton(QStringLiteral("Replace &All"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    for (QPushButton* b : {m_findNextButton, m_replaceButton, m_replaceAllButton, cancel})
        b->setAutoDefault(false);
    SetDefaultButton(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_find, 0, 1, 1, 2);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replace, 1, 1, 1, 2);
    grid->addWidget(m_options.wholeWord, 2, 0, 1, 2);
    grid->addWidget(m_options.matchCase, 3, 0, 1, 2);
    grid->addWidget(m_options.regex, 4, 0, 1, 2);
    grid->addWidget(scope, 2, 2, 3, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_findNextButton, m_replaceButton, m_replaceAllButton, cancel})
        buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 3, 5, 1);

    connect(m_find, &QLineEdit::textChanged, this, &CKReplaceDialog::UpdateButtons);
    connect(m_findNextButton, &QPushButton::clicked, this, &CKReplaceDialog::FindNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &CKReplaceDialog::Replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &CKReplaceDialog::ReplaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateButtons();
}

void CKReplaceDialog::UpdateButtons()
{
    const bool any = !m_find->text().isEmpty();
    for (QPushButton* b : {m_findNextButton, m_replaceButton, m_replaceAllButton})
        b->setEnabled(any);
}

ReplaceFields CKReplaceDialog::Fields() const
{
    ReplaceFields fields;
    fields.findWhat = ToWindows1251(m_find->text());
    fields.replaceWith = ToWindows1251(m_replace->text());
    fields.flags = m_options.Flags();
    fields.scope = m_selection->isChecked() ? ReplaceScope::Selection : ReplaceScope::WholeFile;
    return fields;
}

void CKReplaceDialog::SetDefaultButton(bool found)
{
    m_findNextButton->setDefault(!found);
    m_replaceButton->setDefault(found);
}

void CKReplaceDialog::Show(const QString& told)
{
    if (m_show)
        m_show(m_session.State());
    SetDefaultButton(m_session.Found());
    if (!told.isEmpty() && m_tell)
        m_tell(told);
}

void CKReplaceDialog::FindNext()
{
    const ReplaceFields fields = Fields();
    Show(ReplaceProblemText(m_session.FindNext(fields).problem, fields));
}

void CKReplaceDialog::Replace()
{
    const ReplaceFields fields = Fields();
    Show(ReplaceProblemText(m_session.Replace(fields).problem, fields));
}

void CKReplaceDialog::ReplaceAll()
{
    const ReplaceFields fields = Fields();
    // A remembered find text with an empty replacement would delete every match in one click.
    if (fields.replaceWith.empty()) {
        const ReplaceOutcome counted = m_session.CountAll(fields);
        if (counted.replaced == 0) {
            Show(ReplaceProblemText(counted.problem, fields));
            return;
        }
        const std::string_view ask = ResString(IDS_DELETE_ALL_ASK);
        const QString question = QString::fromLatin1(ask.data(), int(ask.size()))
                                     .arg(counted.replaced)
                                     .arg(FromWindows1251(fields.findWhat));
        if (m_ask && !m_ask(question))
            return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The progress window appears only when the work takes a while; its Cancel button and
    // Escape stop the loop, keeping what was replaced.
    QProgressDialog progress(QStringLiteral("Replacing..."), QStringLiteral("Cancel"), 0, 100,
                             this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const ReplaceOutcome outcome = m_session.ReplaceAll(fields, [&](int done, int total) {
        if (sinceEvents.elapsed() < 50)
            return !progress.wasCanceled();
        sinceEvents.restart();
        progress.setValue(total > 0 ? int(qint64(done) * 100 / total) : 0);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();
    QApplication::restoreOverrideCursor();
    Show(ReplaceAllText(outcome, fields));
}

void CKReplaceDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_findNextButton->isDefault())
            FindNext();
        else
            Replace();
        return;
    }
    QDialog::keyPressEvent(event);
}
