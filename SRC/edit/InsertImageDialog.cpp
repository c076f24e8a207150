// The Insert Image dialog and the insertion's settings.
#include "edit/InsertImageDialog.h"

#include "controls/KFileDialog.h"
#include "controls/QtText.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr std::string_view kImageFilter =
    "Image Files "
    "(.jpg;.jpeg;.gif;.png;.svg;.webp;.bmp)|*.jpg;*.jpeg;*.gif;*.png;*.svg;*.webp;*.bmp|"
    "All Files (*.*)|*.*||";

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

QString ChooseWithFileDialog(QWidget* parent, const QString& current, const QStringList& filters)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (!current.isEmpty())
        dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

CInsertImageDialog::CInsertImageDialog(const ImageFields& fields, const QString& documentFolder,
                                       QWidget* parent)
    : QDialog(parent), m_documentFolder(documentFolder), m_chooser(&ChooseWithFileDialog)
{
    setWindowTitle(tr("Insert Image"));
    auto* form = new QFormLayout;

    m_fileName = AddField("fileName", fields.fileName);
    m_fileName->selectAll(); // typing replaces the remembered name
    auto* browse = new QPushButton(tr("Browse"), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setToolTip(tr("Browse for a file"));
    connect(browse, &QPushButton::clicked, this, &CInsertImageDialog::Browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileName);
    fileRow->addWidget(browse);
    // A row of an edit and a button gets no label link of its own: the label names the edit.
    auto* fileLabel = new QLabel(tr("File name"), this);
    fileLabel->setBuddy(m_fileName);
    form->addRow(fileLabel, fileRow);
    m_fields.emplace_back(m_fileName, &ImageFields::fileName);

    const struct {
        const char* name;
        const char* label;
        std::string ImageFields::*member;
    } edits[] = {
        {"width", "Width", &ImageFields::width},
        {"height", "Height", &ImageFields::height},
        {"border", "Border", &ImageFields::border},
        {"hSpace", "HSpace", &ImageFields::hSpace},
        {"vSpace", "VSpace", &ImageFields::vSpace},
        {"altText", "Alt.Text", &ImageFields::altText},
        {"cssClass", "Class", &ImageFields::cssClass},
        {"style", "Style", &ImageFields::style},
    };
    for (const auto& e : edits) {
        QLineEdit* edit = AddField(e.name, fields.*e.member);
        form->addRow(tr(e.label), edit);
        m_fields.emplace_back(edit, e.member);
    }

    // Free text is allowed besides the choices, which stay sorted.
    m_align = new QComboBox(this);
    m_align->setObjectName(QStringLiteral("align"));
    m_align->setEditable(true);
    m_align->setInsertPolicy(QComboBox::InsertAlphabetically);
    for (const std::string_view choice : kImageAlignChoices)
        m_align->addItem(QString::fromLatin1(choice.data(), static_cast<qsizetype>(choice.size())));
    m_align->setCurrentText(FromUtf8(fields.align));
    form->addRow(tr("Align"), m_align);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setToolTip(tr("Insert Image"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setToolTip(tr("Cancel"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_fileName, &QLineEdit::textChanged, this, &CInsertImageDialog::UpdateOk);
    UpdateOk();
}

QLineEdit* CInsertImageDialog::AddField(const char* name, const std::string& value)
{
    auto* edit = new QLineEdit(FromUtf8(value), this);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

void CInsertImageDialog::UpdateOk() { m_ok->setEnabled(!m_fileName->text().isEmpty()); }

QLineEdit* CInsertImageDialog::Field(std::string ImageFields::*member) const
{
    for (const auto& [edit, field] : m_fields)
        if (field == member)
            return edit;
    return nullptr;
}

void CInsertImageDialog::Browse()
{
    // A relative name is relative to the page; the file dialog starts from it there.
    const bool inFolder = !m_documentFolder.isEmpty();
    const QDir folder(m_documentFolder);
    const QString current = m_fileName->text();
    const QString chosen =
        m_chooser(this, inFolder && !current.isEmpty() ? folder.absoluteFilePath(current) : current,
                  CKFileDialog::NameFilters(kImageFilter));
    if (!chosen.isEmpty()) {
        // A path relative to the page keeps working once the site is copied to a server.
        m_fileName->setText(inFolder ? folder.relativeFilePath(chosen) : chosen);
        TakeImageSize(chosen);
    }
    UpdateOk();
}

void CInsertImageDialog::TakeImageSize(const QString& path)
{
    const QSize size = QImageReader(path).size();
    if (!size.isValid())
        return;
    Field(&ImageFields::width)->setText(QString::number(size.width()));
    Field(&ImageFields::height)->setText(QString::number(size.height()));
}

ImageFields CInsertImageDialog::Fields() const
{
    ImageFields fields;
    for (const auto& [edit, member] : m_fields)
        fields.*member = edit->text().toStdString();
    fields.align = m_align->currentText().toStdString();
    return fields;
}

std::optional<std::string> CInsertImageDialog::AskTag(QWidget* parent, SettingsStore& store,
                                                      const QString& documentFolder)
{
    CInsertImageDialog dialog(ReadImageFields(store), documentFolder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const ImageFields fields = dialog.Fields();
    WriteImageFields(store, fields);
    return ToWindows1251(FromUtf8(ImageTagText(fields)));
}
