// The list shows one row per copy; the buttons act on the selected row and take it off the list
// once it is restored or discarded. Closing the dialog leaves the rest for the next start.
#include "recovery/RecoveryDialog.h"

#include "controls/QtText.h"
#include "doc/TagwrightDoc.h"
#include "recovery/core/RecoveryFolder.h"
#include "res/Strings.h"
#include "text/KTextBuffer.h"
#include "text/UnifiedDiff.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString DisplayName(const RecoveryCandidate& c)
{
    const RecoveryInfo& info = c.read.info;
    if (!c.read.Ok())
        return QFileInfo(ShownPath(c.file)).fileName();
    return info.path.empty() ? FromUtf8(info.title) : QFileInfo(ShownPath(info.path)).fileName();
}

QString DiskText(const RecoveryCandidate& c)
{
    if (!c.read.Ok())
        return ResText(IDS_RECOVERY_UNREADABLE);
    switch (c.disk) {
    case RecoveryCandidate::Disk::Unchanged:
        return ResText(IDS_RECOVERY_DISK_UNCHANGED);
    case RecoveryCandidate::Disk::Changed:
        return ResText(IDS_RECOVERY_DISK_CHANGED);
    case RecoveryCandidate::Disk::Missing:
        return ResText(IDS_RECOVERY_DISK_MISSING);
    case RecoveryCandidate::Disk::NeverSaved:
        return ResText(IDS_RECOVERY_DISK_NEVER_SAVED);
    }
    return {};
}

} // namespace

RecoveryCandidate::Disk DiskStateOf(const RecoveryInfo& info)
{
    using Disk = RecoveryCandidate::Disk;
    if (info.path.empty())
        return Disk::NeverSaved;
    int64_t time = -1, size = -1;
    if (!DiskStamp(info.path, time, size))
        return info.diskSize < 0 ? Disk::NeverSaved : Disk::Missing;
    if (!info.diskIdentity)
        return time == info.diskTime && size == info.diskSize ? Disk::Unchanged : Disk::Changed;
    // The rule of the open documents: a touched file with the same bytes is unchanged.
    return CheckDiskFile(RecordedDiskState(info), info.path) == DiskChange::None ? Disk::Unchanged
                                                                                 : Disk::Changed;
}

std::vector<RecoveryCandidate>
ReadRecoveryCandidates(const std::vector<std::unique_ptr<RecoveryFolder>>& folders)
{
    std::vector<RecoveryCandidate> candidates;
    for (const auto& folder : folders)
        for (const std::string& name : folder->Files()) {
            RecoveryCandidate c;
            c.file = folder->Path() + "/" + name;
            c.read = ReadRecoveryFile(c.file);
            if (c.read.Ok())
                c.disk = DiskStateOf(c.read.info);
            candidates.push_back(std::move(c));
        }
    return candidates;
}

QString RecoveryDifferences(const RecoveryCandidate& candidate)
{
    const RecoveryInfo& info = candidate.read.info;
    std::string original;
    int64_t time = -1, size = -1;
    if (!info.path.empty() && DiskStamp(info.path, time, size)) {
        CKTextBuffer buffer;
        if (buffer.Load(info.path.c_str(), info.lineEnding, info.codePage))
            buffer.CopyText(0, 0, buffer.LineCount() - 1, buffer.LineLength(buffer.LineCount() - 1),
                            original);
    }
    const QString name = info.path.empty() ? FromUtf8(info.title) : ShownPath(info.path);
    const QString recovered = name + " (" + ResText(IDS_RECOVERY_RECOVERED) + ")";
    return FromWindows1251(UnifiedDiff(SplitRecoveryLines(original),
                                       SplitRecoveryLines(candidate.read.text), ToWindows1251(name),
                                       ToWindows1251(recovered)));
}

CKRecoveryDialog::CKRecoveryDialog(std::vector<RecoveryCandidate> candidates, Actions actions,
                                   QWidget* parent)
    : QDialog(parent), m_candidates(std::move(candidates)), m_actions(std::move(actions))
{
    setWindowTitle(ResText(IDS_RECOVERY_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(ResText(IDS_RECOVERY_INTRO), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    // An item view is not named by the text above it.
    m_list->setAccessibleName(QStringLiteral("Unsaved documents"));
    m_list->setHeaderLabels(
        {ResText(IDS_RECOVERY_COLUMN_FILE), ResText(IDS_RECOVERY_COLUMN_WRITTEN),
         ResText(IDS_RECOVERY_COLUMN_DISK), ResText(IDS_RECOVERY_COLUMN_FOLDER)});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(ResText(IDS_RECOVERY_RESTORE), QDialogButtonBox::ActionRole);
    m_differences =
        buttons->addButton(ResText(IDS_RECOVERY_SHOW_DIFFERENCES), QDialogButtonBox::ActionRole);
    m_discard = buttons->addButton(ResText(IDS_RECOVERY_DISCARD), QDialogButtonBox::ActionRole);
    QPushButton* later =
        buttons->addButton(ResText(IDS_RECOVERY_LATER), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(m_restore, &QPushButton::clicked, this, &CKRecoveryDialog::RestoreCurrent);
    connect(m_differences, &QPushButton::clicked, this, &CKRecoveryDialog::ShowCurrentDifferences);
    connect(m_discard, &QPushButton::clicked, this, &CKRecoveryDialog::DiscardCurrent);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &CKRecoveryDialog::UpdateButtons);
    Fill();
    resize(640, 320);
}

void CKRecoveryDialog::Fill()
{
    const QLocale locale;
    for (const RecoveryCandidate& c : m_candidates) {
        QString written;
        if (c.read.Ok())
            written = locale.toString(QDateTime::fromSecsSinceEpoch(c.read.info.writeTime),
                                      QLocale::ShortFormat);
        const RecoveryInfo& info = c.read.info;
        // Pages of a site often share their names; the folder tells them apart.
        const QString folder = c.read.Ok() && !info.path.empty()
                                   ? QFileInfo(ShownPath(info.path)).absolutePath()
                                   : QString();
        auto* item = new QTreeWidgetItem(m_list, {DisplayName(c), written, DiskText(c), folder});
        QString tip = QString::fromStdString(c.file);
        if (!c.read.Ok())
            tip =
                ResText(IDS_RECOVERY_DAMAGED).arg(tip, FromUtf8(RecoveryStatusText(c.read.status)));
        else if (!info.path.empty())
            tip = ShownPath(info.path);
        for (int column = 0; column < m_list->columnCount(); ++column)
            item->setToolTip(column, tip);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    UpdateButtons();
}

int CKRecoveryDialog::Current() const
{
    QTreeWidgetItem* item = m_list->currentItem();
    return item ? m_list->indexOfTopLevelItem(item) : -1;
}

void CKRecoveryDialog::UpdateButtons()
{
    const int i = Current();
    const bool readable = i >= 0 && m_candidates[i].read.Ok();
    m_restore->setEnabled(readable);
    m_differences->setEnabled(readable);
    m_discard->setEnabled(i >= 0);
}

void CKRecoveryDialog::RemoveCurrent()
{
    const int i = Current();
    delete m_list->takeTopLevelItem(i);
    m_candidates.erase(m_candidates.begin() + i);
    UpdateButtons();
    if (m_candidates.empty())
        accept();
}

void CKRecoveryDialog::RestoreCurrent()
{
    const int i = Current();
    if (i < 0 || !m_candidates[i].read.Ok())
        return;
    if (m_actions.restore && m_actions.restore(m_candidates[i]))
        RemoveCurrent();
}

void CKRecoveryDialog::ShowCurrentDifferences()
{
    const int i = Current();
    if (i >= 0 && m_candidates[i].read.Ok() && m_actions.showDifferences)
        m_actions.showDifferences(m_candidates[i]);
}

void CKRecoveryDialog::DiscardCurrent()
{
    const int i = Current();
    if (i < 0)
        return;
    if (m_actions.confirm
        && !m_actions.confirm(ResText(IDS_RECOVERY_DISCARD_ASK).arg(DisplayName(m_candidates[i]))))
        return;
    const std::string& file = m_candidates[i].file;
    if (unlink(file.c_str()) != 0 && errno != ENOENT) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        if (m_actions.showError)
            m_actions.showError(
                ResText(IDS_RECOVERY_CANNOT_DISCARD).arg(QString::fromStdString(file), reason));
        return;
    }
    RemoveCurrent();
}

void ShowTextWindow(const QString& title, const QString& content, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QPlainTextEdit(&dialog);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(content);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 480);
    dialog.exec();
}

void ShowRecoveryDifferences(const RecoveryCandidate& candidate, QWidget* parent)
{
    const RecoveryInfo& info = candidate.read.info;
    const QString name = info.path.empty() ? FromUtf8(info.title) : ShownPath(info.path);
    const QString diff = RecoveryDifferences(candidate);
    ShowTextWindow(ResText(IDS_RECOVERY_DIFFERENCES_TITLE).arg(name),
                   diff.isEmpty() ? ResText(IDS_RECOVERY_NO_DIFFERENCES) : diff, parent);
}
