// The open and save dialog with two more lists: the file's code page and its line ending.
#pragma once

#include "text/FileFormat.h"

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
    ::CodePage CodePage() const { return m_codePage; }
    void SetCodePage(::CodePage page) { m_codePage = page; }
    ::LineEnding LineEnding() const { return m_lineEnding; }
    void SetLineEnding(::LineEnding mode) { m_lineEnding = mode; }

    // The dialog's name filters for a filter text.
    static QStringList NameFilters(std::string_view filter);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_codePageList;
    QComboBox* m_lineEndingList;
    ::CodePage m_codePage = CodePage::Windows1251;
    ::LineEnding m_lineEnding = LineEnding::Auto;
};
