// "Customize Tools": the list of user tools with their name, command, arguments and folder,
// to add, change and remove tools.
#pragma once

#include "frame/core/UserTools.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

class CKUserToolsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKUserToolsDialog(std::vector<UserTool> tools, QWidget* parent = nullptr);

    // The tools as the dialog leaves them; those without a name or a command are left out.
    std::vector<UserTool> Tools() const;

    QListWidget* List() const { return m_list; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* CommandEdit() const { return m_command; }
    QLineEdit* ArgumentsEdit() const { return m_arguments; }
    QPushButton* AddButton() const { return m_add; }

private:
    void ShowTool(int row);
    void StoreField();
    void UpdateButtons();

    std::vector<UserTool> m_tools;
    QListWidget* m_list;
    QLineEdit* m_name;
    QLineEdit* m_command;
    QLineEdit* m_arguments;
    QLineEdit* m_folder;
    QPushButton* m_add;
    QPushButton* m_remove;
    bool m_showing = false; // fields are being filled from a record, not edited
};
