// The Options dialog: a tree of page names beside the page selected. The pages write the
// global record as the user changes them, so there is nothing to cancel.
#pragma once

#include <QDialog>

class AppSettings;
class CPropEditing;
class CPropFiles;
class CPropFormat;
class CPropMacros;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

class COptionsDialog : public QDialog {
    Q_OBJECT
public:
    COptionsDialog(AppSettings& settings, QWidget* parent = nullptr);

    QTreeWidget* Tree() const { return m_tree; }
    QWidget* CurrentPage() const;
    CPropEditing& EditingPage() const { return *m_editing; }
    CPropFormat& FormatPage() const { return *m_format; }
    CPropMacros& MacrosPage() const { return *m_macros; }
    CPropFiles& FilesPage() const { return *m_files; }

    // The dialog closes (OK, Escape or the window's close) only with browser paths that pass
    // the Files page's checks.
    void done(int result) override;

private:
    // Shows the Files page again after a failed check.
    void ReturnToFiles();

    QTreeWidget* m_tree = nullptr;
    QStackedWidget* m_pages = nullptr;
    CPropEditing* m_editing = nullptr;
    CPropFormat* m_format = nullptr;
    CPropMacros* m_macros = nullptr;
    CPropFiles* m_files = nullptr;
    QTreeWidgetItem* m_filesItem = nullptr;
};

// The Options command: the dialog, then the open views take the font and colours, and the
// debug flag is written where the next start reads it.
void RunOptionsDialog(AppSettings& settings, QWidget* parent);
