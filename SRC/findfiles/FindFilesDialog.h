// The Find in Files and Replace in Files dialog: what to look for, where, and how; the fields
// are kept in the settings store between runs.
#pragma once

#include "findfiles/core/FindFilesTypes.h"
#include "settings/core/SettingsStore.h"
#include "view/FindDialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// Where a search looks: below a folder, or in the files gathered in the Project pane.
enum class FindFilesScope { Folder = 0, Project = 1 };

struct FindFilesFields {
    std::string findWhat;    // Windows-1251, as Find takes it
    std::string replaceWith; // Windows-1251
    FindFilesScope scope = FindFilesScope::Folder;
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

// What the search core is asked for the fields; replace adds the replacement template. A
// search of the Project takes projectFiles (full paths), shown below their common folder; the
// masks apply to them too, as the dialog shows them, while the folder's own choices do not.
FindFilesOptions FindFilesOptionsOf(const FindFilesFields& fields, bool replace,
                                    const QStringList& projectFiles = {});

class CKFindFilesDialog : public QDialog {
    Q_OBJECT
public:
    // check tells why the fields cannot start a search (empty when they can); the dialog
    // stays open with the message until they can. projectFiles: the files in the Project
    // pane; with none, only a folder can be searched.
    using Check = std::function<QString(const FindFilesFields&)>;

    CKFindFilesDialog(const FindFilesFields& initial, bool replace, Check check,
                      QWidget* parent = nullptr, int projectFiles = 0);

    FindFilesFields Fields() const;

    QLineEdit* FindEdit() const { return m_find; }
    QLineEdit* ReplaceEdit() const { return m_replace; }
    QComboBox* ScopeBox() const { return m_scope; }
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
    QComboBox* m_scope;
    QLineEdit* m_folder;
    QPushButton* m_browse;
    QComboBox* m_masks;
    QComboBox* m_codePage;
    QCheckBox* m_subfolders;
    QCheckBox* m_skipHidden;
    SearchOptionBoxes m_options;
    QPushButton* m_start;
    QString m_problem;
};
