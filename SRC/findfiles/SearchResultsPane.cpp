// The "Search Results" pane.
#include "findfiles/SearchResultsPane.h"

#include "controls/QtText.h"
#include "text/CodePages.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kMatchRole = Qt::UserRole + 1; // -1 on a file's row
constexpr int kMarkStartRole = Qt::UserRole + 2;
constexpr int kMarkLengthRole = Qt::UserRole + 3;

QString FromLocal(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The line as the pane shows it: a tab takes one place, so that match columns stay columns.
QString ShownLine(const std::string& text)
{
    QString line = FromWindows1251(text);
    line.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return line;
}

// Paints a match row with its match on the highlight colour.
class CMatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QVariant start = index.data(kMarkStartRole);
        if (!start.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect area =
            style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(2, 0, -2, 0);
        const int from = std::clamp(start.toInt(), 0, int(text.size()));
        const int length =
            std::clamp(index.data(kMarkLengthRole).toInt(), 0, int(text.size()) - from);
        const QFontMetrics metrics(item.font);
        const bool selected = item.state & QStyle::State_Selected;
        const QPalette::ColorRole textRole = selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setClipRect(area);
        int x = area.left();
        const auto draw = [&](const QString& part, bool marked) {
            const int width = metrics.horizontalAdvance(part);
            const QRect box(x, area.top(), width, area.height());
            if (marked) {
                painter->fillRect(box, selected ? item.palette.color(QPalette::Base)
                                                : item.palette.color(QPalette::Highlight));
                painter->setPen(selected ? item.palette.color(QPalette::Text)
                                         : item.palette.color(QPalette::HighlightedText));
            } else {
                painter->setPen(item.palette.color(textRole));
            }
            painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, part);
            x += width;
        };
        draw(text.left(from), false);
        draw(text.mid(from, length), true);
        draw(text.mid(from + length), false);
        painter->restore();
    }
};

} // namespace

CKSearchResultsPane::CKSearchResultsPane(QWidget* parent)
    : QDockWidget(QStringLiteral("Search Results"), parent)
{
    setObjectName(QStringLiteral("searchResults"));
    auto* body = new QWidget;
    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("searchResultsTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setItemDelegate(new CMatchDelegate(m_tree));
    m_tree->installEventFilter(this);
    m_status = new QLabel;
    m_stop = new QPushButton(QStringLiteral("&Stop"));
    m_stop->setEnabled(false);
    m_replaceButton = new QPushButton(QStringLiteral("&Replace"));
    m_replaceButton->hide();

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_status, 1);
    bar->addWidget(m_replaceButton);
    bar->addWidget(m_stop);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(m_tree, 1);
    setWidget(body);

    connect(m_stop, &QPushButton::clicked, this, &CKSearchResultsPane::stopRequested);
    connect(m_replaceButton, &QPushButton::clicked, this, &CKSearchResultsPane::replaceRequested);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OpenItem(item); });
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            &CKSearchResultsPane::ShowContextMenu);
}

void CKSearchResultsPane::Begin(const QString& folder, bool replace)
{
    m_tree->clear();
    m_problems = nullptr;
    const bool hadResults = HasResults();
    m_files.clear();
    if (hadResults)
        emit resultsChanged();
    m_running = true;
    m_replace = replace;
    m_stop->setEnabled(true);
    m_replaceButton->setVisible(replace);
    m_replaceButton->setEnabled(false);
    setWindowTitle(QStringLiteral("Search Results - %1").arg(folder));
    ShowProgress({});
}

void CKSearchResultsPane::AddFile(FileResult file)
{
    const int fileIndex = static_cast<int>(m_files.size());
    auto* fileItem = new QTreeWidgetItem;
    fileItem->setText(0, QStringLiteral("%1 (%2, %3)")
                             .arg(FromLocal(file.relativePath),
                                  QString::fromUtf8(CodePageName(file.codePage).data(),
                                                    qsizetype(CodePageName(file.codePage).size())))
                             .arg(file.matches.size()));
    fileItem->setData(0, kFileRole, fileIndex);
    fileItem->setData(0, kMatchRole, -1);
    if (m_replace) {
        fileItem->setFlags(fileItem->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        fileItem->setCheckState(0, Qt::Checked);
    }
    QList<QTreeWidgetItem*> children;
    for (size_t i = 0; i < file.matches.size(); ++i) {
        const FoundMatch& match = file.matches[i];
        const FoundLine& line = file.lines[match.lineIndex];
        const QString prefix = QStringLiteral("%1: ").arg(line.line + 1);
        const QString shown = ShownLine(line.text);
        const int end = match.end.y == match.start.y ? match.end.x : int(shown.size());
        auto* item = new QTreeWidgetItem;
        item->setText(0, prefix + shown);
        item->setData(0, kFileRole, fileIndex);
        item->setData(0, kMatchRole, int(i));
        item->setData(0, kMarkStartRole, int(prefix.size()) + match.start.x);
        item->setData(0, kMarkLengthRole, std::max(0, end - match.start.x));
        if (m_replace) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Checked);
        }
        children.append(item);
    }
    fileItem->addChildren(children);
    // Files in the order of their paths, whichever thread found them first; the problems
    // below them.
    int at = 0;
    int end = m_problems ? m_tree->indexOfTopLevelItem(m_problems) : m_tree->topLevelItemCount();
    while (at < end) {
        const int middle = (at + end) / 2;
        if (m_files[m_tree->topLevelItem(middle)->data(0, kFileRole).toInt()].relativePath
            < file.relativePath)
            at = middle + 1;
        else
            end = middle;
    }
    m_files.push_back(std::move(file));
    m_tree->insertTopLevelItem(at, fileItem);
    fileItem->setExpanded(true);
    if (!m_tree->currentItem())
        m_tree->setCurrentItem(fileItem);
    if (m_files.size() == 1)
        emit resultsChanged();
}

void CKSearchResultsPane::AddProblem(const SearchProblem& problem)
{
    if (!m_problems) {
        m_problems = new QTreeWidgetItem(m_tree);
        m_problems->setData(0, kFileRole, -1);
        m_problems->setData(0, kMatchRole, -1);
    }
    auto* item = new QTreeWidgetItem(m_problems);
    item->setText(0, QStringLiteral("%1: %2").arg(FromLocal(problem.path),
                                                  QString::fromStdString(problem.reason)));
    item->setData(0, kFileRole, -1);
    item->setData(0, kMatchRole, -1);
    m_problems->setText(0, QStringLiteral("Not searched (%1)").arg(m_problems->childCount()));
}

QString CKSearchResultsPane::TotalsText(const FindFilesTotals& totals) const
{
    QString text = QStringLiteral("%1 files searched, %2 matches in %3 files")
                       .arg(totals.filesSearched)
                       .arg(totals.matches)
                       .arg(totals.filesMatched);
    if (totals.binarySkipped > 0)
        text += QStringLiteral(", %1 binary files skipped").arg(totals.binarySkipped);
    if (totals.problems > 0)
        text += QStringLiteral(", %1 not searched").arg(totals.problems);
    return text;
}

void CKSearchResultsPane::ShowProgress(const FindFilesTotals& totals)
{
    m_status->setText(QStringLiteral("Searching: ") + TotalsText(totals));
}

void CKSearchResultsPane::Finish(const FindFilesTotals& totals)
{
    m_running = false;
    m_stop->setEnabled(false);
    m_status->setText((totals.cancelled ? QStringLiteral("Stopped: ") : QStringLiteral("Done: "))
                      + TotalsText(totals));
    m_replaceButton->setEnabled(m_replace && !m_files.empty() && !totals.cancelled);
}

void CKSearchResultsPane::BeginReplacing(int64_t files)
{
    m_running = true;
    m_stop->setEnabled(true);
    m_replaceButton->setEnabled(false);
    ShowReplaceProgress(0, files);
}

void CKSearchResultsPane::ShowReplaceProgress(int64_t done, int64_t files)
{
    m_status->setText(QStringLiteral("Replacing: %1 of %2 files").arg(done).arg(files));
}

void CKSearchResultsPane::ShowReplaced(const QString& summary)
{
    m_running = false;
    m_stop->setEnabled(false);
    m_replaceButton->setEnabled(false);
    m_status->setText(summary);
}

std::vector<FileResult> CKSearchResultsPane::ChosenFiles() const
{
    std::vector<FileResult> files = m_files;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* fileItem = m_tree->topLevelItem(i);
        const int file = fileItem->data(0, kFileRole).toInt();
        if (file < 0)
            continue;
        for (int k = 0; k < fileItem->childCount(); ++k) {
            const QTreeWidgetItem* item = fileItem->child(k);
            files[file].matches[item->data(0, kMatchRole).toInt()].chosen =
                !m_replace || item->checkState(0) == Qt::Checked;
        }
    }
    return files;
}

QTreeWidgetItem* CKSearchResultsPane::MatchItem(int file, int match) const
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* fileItem = m_tree->topLevelItem(i);
        if (fileItem->data(0, kFileRole).toInt() == file)
            return match < fileItem->childCount() ? fileItem->child(match) : nullptr;
    }
    return nullptr;
}

void CKSearchResultsPane::GoToResult(int step)
{
    std::vector<QTreeWidgetItem*> matches;
    int current = -1;
    QTreeWidgetItem* at = m_tree->currentItem();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* fileItem = m_tree->topLevelItem(i);
        if (fileItem->data(0, kFileRole).toInt() < 0)
            continue;
        // On a file's row, "next" is its first match and "previous" the match before it.
        if (fileItem == at)
            current = static_cast<int>(matches.size()) - (step > 0 ? 1 : 0);
        for (int k = 0; k < fileItem->childCount(); ++k) {
            if (fileItem->child(k) == at)
                current = static_cast<int>(matches.size());
            matches.push_back(fileItem->child(k));
        }
    }
    if (matches.empty())
        return;
    const int count = static_cast<int>(matches.size());
    int next;
    if (current < 0)
        next = step > 0 ? 0 : count - 1;
    else
        next = ((current + step) % count + count) % count;
    m_tree->setCurrentItem(matches[next]);
    m_tree->scrollToItem(matches[next]);
    OpenItem(matches[next]);
}

void CKSearchResultsPane::OpenItem(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const int file = item->data(0, kFileRole).toInt();
    if (file < 0)
        return;
    const int match = item->data(0, kMatchRole).toInt();
    emit openRequested(file, match < 0 ? 0 : match);
}

QString CKSearchResultsPane::MatchLine(int file, int match) const
{
    const FileResult& result = m_files[file];
    const FoundMatch& found = result.matches[match];
    return QStringLiteral("%1:%2:%3: %4")
        .arg(FromLocal(result.relativePath))
        .arg(found.start.y + 1)
        .arg(found.start.x + 1)
        .arg(FromWindows1251(result.lines[found.lineIndex].text));
}

QString CKSearchResultsPane::SelectedText() const
{
    QStringList lines;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* fileItem = m_tree->topLevelItem(i);
        const int file = fileItem->data(0, kFileRole).toInt();
        for (int k = 0; k < fileItem->childCount(); ++k) {
            const QTreeWidgetItem* item = fileItem->child(k);
            if (!item->isSelected() && !fileItem->isSelected())
                continue;
            if (file < 0)
                lines << item->text(0);
            else
                lines << MatchLine(file, k);
        }
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CKSearchResultsPane::AllText() const
{
    QStringList lines;
    for (size_t file = 0; file < m_files.size(); ++file)
        for (size_t match = 0; match < m_files[file].matches.size(); ++match)
            lines << MatchLine(int(file), int(match));
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CKSearchResultsPane::ShowContextMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    copy->setEnabled(!m_tree->selectedItems().isEmpty());
    QAction* copyAll = menu.addAction(QStringLiteral("Copy &All"));
    copyAll->setEnabled(!m_files.empty());
    QAction* chosen = menu.exec(m_tree->viewport()->mapToGlobal(at));
    if (chosen == copy)
        QApplication::clipboard()->setText(SelectedText());
    else if (chosen == copyAll)
        QApplication::clipboard()->setText(AllText());
}

bool CKSearchResultsPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OpenItem(m_tree->currentItem());
            return true;
        }
        if (key->key() == Qt::Key_Escape && m_running) {
            emit stopRequested();
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(SelectedText());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
