// The Find in Files and Replace in Files dialog.
#include "findfiles/FindFilesDialog.h"

#include "controls/QtText.h"
#include "findfiles/core/FindInFiles.h"
#include "findfiles/core/FolderWalk.h"
#include "res/Strings.h"
#include "text/CodePages.h"
#include "text/FileFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::string_view kFindFilesKey = "Settings/FindInFiles";

} // namespace

FindFilesFields ReadFindFilesSettings(const SettingsStore& store)
{
    FindFilesFields fields;
    fields.findWhat = ReadSettingsText(store, kFindFilesKey, "FindWhat");
    fields.replaceWith = ReadSettingsText(store, kFindFilesKey, "ReplaceWith");
    fields.scope = store.ReadNumber(kFindFilesKey, "Scope", 0) == 1 ? FindFilesScope::Project
                                                                    : FindFilesScope::Folder;
    fields.folder = FromUtf8(store.ReadString(kFindFilesKey, "Folder"));
    fields.masks = FromUtf8(store.ReadString(kFindFilesKey, "Masks", DefaultFileMasks()));
    fields.flags = static_cast<uint32_t>(store.ReadNumber(kFindFilesKey, "Flags", 0))
                   & (FIND_MATCH_CASE | FIND_WHOLE_WORD | FIND_REGEXP);
    fields.subfolders = store.ReadNumber(kFindFilesKey, "Subfolders", 1) != 0;
    fields.skipHiddenFolders = store.ReadNumber(kFindFilesKey, "SkipHiddenFolders", 1) != 0;
    // Detection is stored as -1.
    const auto page = static_cast<CodePage>(store.ReadNumber(kFindFilesKey, "CodePage", -1));
    if (IsKnown(page))
        fields.codePage = page;
    return fields;
}

void WriteFindFilesSettings(SettingsStore& store, const FindFilesFields& fields)
{
    WriteSettingsText(store, kFindFilesKey, "FindWhat", fields.findWhat);
    WriteSettingsText(store, kFindFilesKey, "ReplaceWith", fields.replaceWith);
    store.WriteNumber(kFindFilesKey, "Scope", static_cast<int32_t>(fields.scope));
    store.WriteString(kFindFilesKey, "Folder", fields.folder.toStdString());
    store.WriteString(kFindFilesKey, "Masks", fields.masks.toStdString());
    store.WriteNumber(kFindFilesKey, "Flags", static_cast<int32_t>(fields.flags));
    store.WriteNumber(kFindFilesKey, "Subfolders", fields.subfolders ? 1 : 0);
    store.WriteNumber(kFindFilesKey, "SkipHiddenFolders", fields.skipHiddenFolders ? 1 : 0);
    store.WriteNumber(kFindFilesKey, "CodePage", fields.codePage ? Number(*fields.codePage) : -1);
}

FindFilesOptions FindFilesOptionsOf(const FindFilesFields& fields, bool replace,
                                    const QStringList& projectFiles)
{
    FindFilesOptions options;
    options.pattern = fields.findWhat;
    options.flags = fields.flags;
    if (replace)
        options.replacement = fields.replaceWith;
    if (fields.scope == FindFilesScope::Project) {
        std::vector<std::string>& files = options.files.emplace();
        for (const QString& path : projectFiles)
            files.push_back(QFile::encodeName(path).toStdString());
        options.folder = CommonFolder(files);
    } else {
        options.folder = QFile::encodeName(fields.folder).toStdString();
    }
    options.masks = ParseFileMasks(fields.masks.toStdString());
    options.subfolders = fields.subfolders;
    options.skipHiddenFolders = fields.skipHiddenFolders;
    options.codePage = fields.codePage;
    // One core stays free for the window, so typing keeps its pace while a search runs.
    options.threads = std::max(1, QThread::idealThreadCount() - 1);
    return options;
}

CKFindFilesDialog::CKFindFilesDialog(const FindFilesFields& initial, bool replace, Check check,
                                     QWidget* parent, int projectFiles)
    : QDialog(parent), m_check(std::move(check)), m_options(initial.flags)
{
    setWindowTitle(replace ? QStringLiteral("Replace in Files") : QStringLiteral("Find in Files"));
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& text, QWidget* field, QWidget* extra = nullptr) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, extra ? 1 : 2);
        if (extra)
            grid->addWidget(extra, row, 2);
        ++row;
    };

    m_find = new QLineEdit(FromWindows1251(initial.findWhat));
    addRow(QStringLiteral("Fi&nd what:"), m_find);
    if (replace) {
        m_replace = new QLineEdit(FromWindows1251(initial.replaceWith));
        addRow(QStringLiteral("Re&place with:"), m_replace);
    }
    m_scope = new QComboBox;
    m_scope->addItem(QStringLiteral("A folder"), static_cast<int>(FindFilesScope::Folder));
    m_scope->addItem(projectFiles > 0 ? QStringLiteral("The Project's files (%1)").arg(projectFiles)
                                      : QStringLiteral("The Project's files (none)"),
                     static_cast<int>(FindFilesScope::Project));
    if (projectFiles <= 0) {
        // Nothing to search there: the choice is shown, but a folder is searched.
        if (auto* model = qobject_cast<QStandardItemModel*>(m_scope->model()))
            model->item(1)->setEnabled(false);
    }
    const bool project = initial.scope == FindFilesScope::Project && projectFiles > 0;
    m_scope->setCurrentIndex(project ? 1 : 0);
    addRow(QStringLiteral("Look &in:"), m_scope);
    m_folder = new QLineEdit(initial.folder);
    m_browse = new QPushButton(QStringLiteral("&Browse..."));
    addRow(QStringLiteral("F&older:"), m_folder, m_browse);

    m_masks = new QComboBox;
    m_masks->setEditable(true);
    m_masks->setInsertPolicy(QComboBox::NoInsert);
    for (const FileFilterEntry& entry : ParseFileFilter(ResString(IDS_FILE_FILTER)))
        m_masks->addItem(QString::fromStdString(entry.patternText));
    m_masks->setCurrentText(initial.masks);
    addRow(QStringLiteral("File &types:"), m_masks);

    m_codePage = new QComboBox;
    // The items hold their page's number, -1 for detection.
    m_codePage->addItem(QStringLiteral("Detect"), -1);
    for (int page = 0; page < kCodePageCount; ++page)
        m_codePage->addItem(FromUtf8(CodePageName(static_cast<CodePage>(page))), page);
    m_codePage->setCurrentIndex(
        std::max(0, m_codePage->findData(initial.codePage ? Number(*initial.codePage) : -1)));
    addRow(QStringLiteral("Enco&ding:"), m_codePage);

    m_subfolders = new QCheckBox(QStringLiteral("Look in &subfolders"));
    m_subfolders->setChecked(initial.subfolders);
    m_skipHidden = new QCheckBox(QStringLiteral("Skip &hidden folders"));
    m_skipHidden->setChecked(initial.skipHiddenFolders);
    auto* boxes = new QGridLayout;
    boxes->addWidget(m_options.wholeWord, 0, 0);
    boxes->addWidget(m_options.matchCase, 1, 0);
    boxes->addWidget(m_options.regex, 2, 0);
    boxes->addWidget(m_subfolders, 0, 1);
    boxes->addWidget(m_skipHidden, 1, 1);
    grid->addLayout(boxes, row++, 0, 1, 3);

    auto* problem = new QLabel;
    problem->setObjectName(QStringLiteral("problem"));
    problem->setWordWrap(true);
    problem->setStyleSheet(QStringLiteral("color: #b00000"));
    problem->hide();
    grid->addWidget(problem, row++, 0, 1, 3);

    m_start = new QPushButton(replace ? QStringLiteral("Pre&view") : QStringLiteral("&Find"));
    m_start->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(m_find, &QLineEdit::textChanged, this, &CKFindFilesDialog::UpdateButtons);
    connect(m_folder, &QLineEdit::textChanged, this, &CKFindFilesDialog::UpdateButtons);
    connect(m_scope, &QComboBox::currentIndexChanged, this, &CKFindFilesDialog::UpdateButtons);
    connect(m_browse, &QPushButton::clicked, this, &CKFindFilesDialog::Browse);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_start, &QPushButton::clicked, this, [this, problem] {
        TryAccept();
        problem->setText(m_problem);
        problem->setVisible(!m_problem.isEmpty());
    });
    m_find->selectAll();
    UpdateButtons();
}

void CKFindFilesDialog::UpdateButtons()
{
    // The folder and how it is walked mean nothing for the Project's list of files.
    const bool folder = Fields().scope == FindFilesScope::Folder;
    for (QWidget* field :
         {static_cast<QWidget*>(m_folder), static_cast<QWidget*>(m_browse),
          static_cast<QWidget*>(m_subfolders), static_cast<QWidget*>(m_skipHidden)})
        field->setEnabled(folder);
    m_start->setEnabled(!m_find->text().isEmpty()
                        && (!folder || !m_folder->text().trimmed().isEmpty()));
}

void CKFindFilesDialog::Browse()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder to Search"), m_folder->text());
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

void CKFindFilesDialog::TryAccept()
{
    m_problem = m_check ? m_check(Fields()) : QString();
    if (m_problem.isEmpty())
        accept();
}

FindFilesFields CKFindFilesDialog::Fields() const
{
    FindFilesFields fields;
    fields.findWhat = ToWindows1251(m_find->text());
    if (m_replace)
        fields.replaceWith = ToWindows1251(m_replace->text());
    fields.scope = static_cast<FindFilesScope>(m_scope->currentData().toInt());
    fields.folder = m_folder->text().trimmed();
    fields.masks = m_masks->currentText().trimmed();
    fields.flags = m_options.Flags();
    fields.subfolders = m_subfolders->isChecked();
    fields.skipHiddenFolders = m_skipHidden->isChecked();
    if (const int page = m_codePage->currentData().toInt(); page >= 0)
        fields.codePage = static_cast<CodePage>(page);
    return fields;
}
