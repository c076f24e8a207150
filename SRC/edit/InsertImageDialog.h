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
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& current, const QStringList& filters)>;

    // documentFolder: the folder of the document the tag goes into; a file browsed for is
    // written relative to it. Empty for an untitled document: the full path is written.
    explicit CInsertImageDialog(const ImageFields& fields, const QString& documentFolder = {},
                                QWidget* parent = nullptr);

    ImageFields Fields() const;
    void SetFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    void Browse();

    // Shows the dialog over the fields kept in the store. On OK the fields are kept again and
    // the IMG tag comes back in Windows-1251; on Cancel nothing.
    static std::optional<std::string> AskTag(QWidget* parent, SettingsStore& store,
                                             const QString& documentFolder = {});

private:
    QLineEdit* AddField(const char* name, const std::string& value);
    void UpdateOk();
    QLineEdit* Field(std::string ImageFields::*member) const;
    // Width and height from the image's header, when it can be read.
    void TakeImageSize(const QString& path);

    QString m_documentFolder;
    QLineEdit* m_fileName = nullptr;
    QComboBox* m_align = nullptr;
    QPushButton* m_ok = nullptr;
    FileChooser m_chooser;
    std::vector<std::pair<QLineEdit*, std::string ImageFields::*>> m_fields;
};
