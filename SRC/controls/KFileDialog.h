// The open and save dialog with two more lists: the file's code page and its line ending.
#pragma once

#include <QFileDialog>

#include <string_view>

class QComboBox;

class CKFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Mode { Open, Save };

    // filter is in the "name|patterns|...||" form of the string table.
    CKFileDialog(Mode mode, const QString& fileName, std::string_view filter,
                 QWidget* parent = nullptr);

    // Set before the dialog shows; read after it was confirmed.
    int CodePage() const { return m_codePage; }
    void SetCodePage(int page) { m_codePage = page; }
    int LineEnding() const { return m_lineEnding; } // -1 "Auto" to 2
    void SetLineEnding(int mode) { m_lineEnding = mode; }

    // The dialog's name filters for a filter text.
    static QStringList NameFilters(std::string_view filter);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_codePageList;
    QComboBox* m_lineEndingList;
    int m_codePage = 0;
    int m_lineEnding = -1;
};
