// The file dialog's code-page and line-ending lists below its own controls.
#include "controls/KFileDialog.h"

#include "controls/QtText.h"
#include "res/Strings.h"
#include "text/CodePages.h"
#include "text/FileFilter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTreeView>

QStringList CKFileDialog::NameFilters(std::string_view filter)
{
    QStringList filters;
    for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
        QStringList patterns;
        for (const std::string& pattern : entry.patterns)
            patterns << QString::fromStdString(pattern);
        filters << QString::fromStdString(entry.name) + QStringLiteral(" (")
                       + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

CKFileDialog::CKFileDialog(Mode mode, const QString& fileName, std::string_view filter,
                           QWidget* parent)
    : QFileDialog(parent), m_codePageList(new QComboBox(this)),
      m_lineEndingList(new QComboBox(this))
{
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::HideNameFilterDetails);
    if (mode == Mode::Open) {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFiles);
    } else {
        // The dialog asks before it lets a save replace an existing file.
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
    }
    setNameFilters(NameFilters(filter));
    // Name, size, type and date side by side, in a window wide enough to show them.
    setViewMode(QFileDialog::Detail);
    QSize size(860, 540);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    if (!fileName.isEmpty())
        selectFile(fileName);

    m_codePageList->setObjectName(QStringLiteral("fileEncoding"));
    // The lists hold the pages and the endings in the order of their numbers, "Auto" first.
    // Only a file that exists can show its page: "Detect" is a choice of the open dialog.
    const int choices = mode == Mode::Open ? kCodePageChoiceCount : kCodePageCount;
    for (int page = 0; page < choices; ++page)
        m_codePageList->addItem(FromUtf8(CodePageName(static_cast<::CodePage>(page))));
    m_lineEndingList->setObjectName(QStringLiteral("lineEnding"));
    for (int mode = Number(LineEnding::Auto); mode < kLineEndingCount; ++mode)
        m_lineEndingList->addItem(FromUtf8(LineEndingName(static_cast<::LineEnding>(mode))));

    // Sizes, types and dates show whole; the name takes the room that is left.
    if (auto* files = findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = files->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    // The name field's completion list would take the arrow keys meant for these lists.
    m_codePageList->installEventFilter(this);
    m_lineEndingList->installEventFilter(this);

    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        auto* encodingLabel = new QLabel(ResText(IDS_FILE_ENCODING), this);
        auto* lineEndingLabel = new QLabel(ResText(IDS_LINE_ENDING), this);
        encodingLabel->setBuddy(m_codePageList);
        lineEndingLabel->setBuddy(m_lineEndingList);
        grid->addWidget(encodingLabel, row, 0);
        grid->addWidget(m_codePageList, row, 1);
        grid->addWidget(lineEndingLabel, row + 1, 0);
        grid->addWidget(m_lineEndingList, row + 1, 1);
    }
}

void CKFileDialog::showEvent(QShowEvent* event)
{
    const int page = Number(m_codePage);
    m_codePageList->setCurrentIndex(page >= 0 && page < m_codePageList->count() ? page : 0);
    const int position = Number(m_lineEnding) - Number(LineEnding::Auto);
    m_lineEndingList->setCurrentIndex(
        position >= 0 && position < m_lineEndingList->count() ? position : 0);
    QFileDialog::showEvent(event);
}

bool CKFileDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name && name->completer() && name->completer()->popup())
            name->completer()->popup()->hide();
    }
    return QFileDialog::eventFilter(watched, event);
}

void CKFileDialog::accept()
{
    m_codePage = static_cast<::CodePage>(m_codePageList->currentIndex());
    m_lineEnding =
        static_cast<::LineEnding>(m_lineEndingList->currentIndex() + Number(LineEnding::Auto));
    QFileDialog::accept();
}
