// The Insert Image dialog: the fields of an IMG tag, with a file browser for its source.
#pragma once

#include "edit/core/InsertTexts.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class SettingsStore;

class CInsertImageDialog : public QDialog {
    Q_OBJECT
public:
    // Picks an existing file from the current name and the dialog's filters; empty on cancel.
    using FileChooser = std::function<QString(QWidget* parent, const QString& current,
                                              const QStringList& filters)>;

    explicit CInsertImageDialog(const ImageFields& fields, QWidget* parent = nullptr);

    ImageFields Fields() const;
    void SetFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    void Browse();

    // Shows the dialog over the fields kept in the store. On OK the fields are kept again and
    // the IMG tag comes back in Windows-1251; on Cancel nothing.
    static std::optional<std::string> AskTag(QWidget* parent, SettingsStore& store);

private:
    QLineEdit* AddField(const char* name, const std::string& value);
    void UpdateOk();

    QLineEdit* m_fileName = nullptr;
    QComboBox* m_align = nullptr;
    QPushButton* m_ok = nullptr;
    FileChooser m_chooser;
    std::vector<std::pair<QLineEdit*, std::string ImageFields::*>> m_fields;
};
