// Help > Keyboard Shortcuts: every command that has keys, with its keys, from the command
// table; a search field narrows the list to the rows whose name or keys contain its text.
#pragma once

#include <QDialog>

class QLineEdit;
class QTableWidget;

class CKShortcutsDialog : public QDialog {
public:
    explicit CKShortcutsDialog(QWidget* parent = nullptr);

    QLineEdit* SearchField() const { return m_search; }
    QTableWidget* Table() const { return m_table; }

private:
    void Filter(const QString& text);

    QLineEdit* m_search;
    QTableWidget* m_table;
};
