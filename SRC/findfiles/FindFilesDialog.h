// The Find in Files and Replace in Files dialog: what to look for, where, and how; the fields
// are kept in the settings store between runs.
#pragma once

#include "settings/core/SettingsStore.h"
#include "findfiles/core/FindFilesTypes.h"
#include "view/FindDialog.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

struct FindFilesFields {
    std::string findWhat;    // Windows-1251, as Find takes it
    std::string replaceWith; // Windows-1251
    QString folder;
    QString masks = QStringLiteral("*");
    uint32_t flags = 0; // FIND_MATCH_CASE, FIND_WHOLE_WORD, FIND_REGEXP
    bool subfolders = true;
    bool skipHiddenFolders = true;
    std::optional<CodePage> codePage; // none: each file in the page detection finds
};

// The fields across runs, in "Settings/FindInFiles". The folder and the text to find are
// not read from there: they come from the active document.
FindFilesFields ReadFindFilesSettings(const SettingsStore& store);
void WriteFindFilesSettings(SettingsStore& store, const FindFilesFields& fields);

// What the search core is asked for the fields; replace adds the replacement template.
FindFilesOptions FindFilesOptionsOf(const FindFilesFields& fields, bool replace);

class CKFindFilesDialog : public QDialog {
    Q_OBJECT
public:
    // check tells why the fields cannot start a search (empty when they can); the dialog
    // stays open with the message until they can.
    using Check = std::function<QString(const FindFilesFields&)>;

    CKFindFilesDialog(const FindFilesFields& initial, bool replace, Check check,
                      QWidget* parent = nullptr);

    FindFilesFields Fields() const;

    QLineEdit* FindEdit() const { return m_find; }
    QLineEdit* ReplaceEdit() const { return m_replace; }
    QLineEdit* FolderEdit() const { return m_folder; }
    QComboBox* MasksBox() const { return m_masks; }
    QComboBox* CodePageBox() const { return m_codePage; }
    QCheckBox* SubfoldersBox() const { return m_subfolders; }
    QCheckBox* SkipHiddenBox() const { return m_skipHidden; }
    const SearchOptionBoxes& Options() const { return m_options; }
    QPushButton* StartButton() const { return m_start; }
    // The last message the check gave, for tests.
    const QString& Problem() const { return m_problem; }

private:
    void UpdateButtons();
    void Browse();
    void TryAccept();

    Check m_check;
    QLineEdit* m_find;
    QLineEdit* m_replace = nullptr;
    QLineEdit* m_folder;
    QComboBox* m_masks;
    QComboBox* m_codePage;
    QCheckBox* m_subfolders;
    QCheckBox* m_skipHidden;
    SearchOptionBoxes m_options;
    QPushButton* m_start;
    QString m_problem;
};
