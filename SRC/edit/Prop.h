// The Options dialog: a tree of page names beside the page selected. The pages write the
// settings as the user changes them, so that the views show each change; Cancel puts back
// what they were when the dialog opened.
#pragma once

#include "settings/core/GlobalSettings.h"

#include <QDialog>

#include <string>
#include <vector>

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

    // OK closes only with browser paths that pass the Files page's checks; Cancel, Escape or
    // the window's close put every setting the pages changed back as it was.
    void done(int result) override;

private:
    // What the pages may change: the global record, the recovery switch, the letter case of
    // inserted tags and the macros.
    struct Snapshot {
        GlobalSettings global;
        bool recovery = true;
        bool lowerCaseTags = false;
        std::vector<std::string> macrosBefore, macrosAfter;
    };
    void Restore();

    // Shows the Files page again after a failed check.
    void ReturnToFiles();

    QTreeWidget* m_tree = nullptr;
    QStackedWidget* m_pages = nullptr;
    CPropEditing* m_editing = nullptr;
    CPropFormat* m_format = nullptr;
    CPropMacros* m_macros = nullptr;
    CPropFiles* m_files = nullptr;
    QTreeWidgetItem* m_filesItem = nullptr;
    AppSettings& m_settings;
    Snapshot m_opened;
};

// The Options command: the dialog, then the open views take the font and colours, and the
// debug flag is written where the next start reads it.
void RunOptionsDialog(AppSettings& settings, QWidget* parent);
