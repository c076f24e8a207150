// The Options dialog and its command.
#include "edit/Prop.h"

#include "edit/PropEditing.h"
#include "edit/PropFiles.h"
#include "edit/PropFormat.h"
#include "edit/PropMacros.h"
#include "edit/core/MacroFile.h"
#include "edit/core/Macros.h"
#include "settings/core/AppSettings.h"
#include "settings/core/DebugTrace.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

COptionsDialog::COptionsDialog(AppSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    m_opened.preferences = settings.Preferences().Values();
    for (int i = 0; i < kMacroCount; ++i) {
        m_opened.macrosBefore.push_back(
            settings.Store().ReadString(kMacrosBeforeKey, MacroName(i)));
        m_opened.macrosAfter.push_back(settings.Store().ReadString(kMacrosAfterKey, MacroName(i)));
    }

    setWindowTitle(tr("Options..."));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    layout->addLayout(row, 1);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("pages"));
    m_tree->setAccessibleName(tr("Pages"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_pages = new QStackedWidget(this);
    row->addWidget(m_tree);
    row->addWidget(m_pages, 1);

    // All pages live from the opening to the end of the dialog.
    m_editing = new CPropEditing(settings, m_pages);
    m_format = new CPropFormat(settings, m_pages);
    m_macros = new CPropMacros(settings, m_pages);
    m_files = new CPropFiles(settings, m_pages);
    const auto addPage = [this](QTreeWidgetItem* item, const QString& name, QWidget* page) {
        item->setText(0, name);
        item->setData(0, Qt::UserRole, m_pages->addWidget(page));
        return item;
    };
    QTreeWidgetItem* editing = addPage(new QTreeWidgetItem(m_tree), tr("Editing"), m_editing);
    addPage(new QTreeWidgetItem(editing), tr("Format"), m_format);
    addPage(new QTreeWidgetItem(editing), tr("Macros"), m_macros);
    m_filesItem = addPage(new QTreeWidgetItem(m_tree), tr("Files"), m_files);
    const int nameWidth = m_tree->fontMetrics().horizontalAdvance(tr("Editing")) * 2;
    m_tree->setFixedWidth(nameWidth + m_tree->indentation() * 2 + 16);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem* previous) {
                // The Files page is left only with browser paths that pass its checks.
                if (previous == m_filesItem && item != m_filesItem
                    && !m_files->CheckBrowserPaths()) {
                    ReturnToFiles();
                    return;
                }
                if (item)
                    m_pages->setCurrentIndex(item->data(0, Qt::UserRole).toInt());
            });
    editing->setExpanded(true);
    m_tree->setCurrentItem(editing);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_tree->setFocus();
}

QWidget* COptionsDialog::CurrentPage() const { return m_pages->currentWidget(); }

void COptionsDialog::done(int result)
{
    if (result != Accepted) {
        Restore();
        QDialog::done(result);
        return;
    }
    if (!m_files->CheckBrowserPaths()) {
        ReturnToFiles();
        return;
    }
    QDialog::done(result);
}

void COptionsDialog::Restore()
{
    m_settings.Preferences().SetValues(m_opened.preferences);
    SettingsStore& store = m_settings.Store();
    for (int i = 0; i < kMacroCount; ++i) {
        const std::string name = MacroName(i);
        if (store.ReadString(kMacrosBeforeKey, name) != m_opened.macrosBefore[i])
            store.WriteString(kMacrosBeforeKey, name, m_opened.macrosBefore[i]);
        if (store.ReadString(kMacrosAfterKey, name) != m_opened.macrosAfter[i])
            store.WriteString(kMacrosAfterKey, name, m_opened.macrosAfter[i]);
    }
}

void COptionsDialog::ReturnToFiles()
{
    // Deferred: the tree is in the middle of changing its current item when a check fails.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QSignalBlocker quiet(m_tree);
            m_tree->setCurrentItem(m_filesItem);
            m_pages->setCurrentWidget(m_files);
        },
        Qt::QueuedConnection);
}

void RunOptionsDialog(AppSettings& settings, QWidget* parent)
{
    {
        COptionsDialog dialog(settings, parent);
        dialog.exec();
    }
    settings.SaveDebugMode();
}
