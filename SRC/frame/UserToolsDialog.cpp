// The user tools dialog.
#include "frame/UserToolsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

CKUserToolsDialog::CKUserToolsDialog(std::vector<UserTool> tools, QWidget* parent)
    : QDialog(parent), m_tools(std::move(tools)), m_list(new QListWidget(this)),
      m_name(new QLineEdit(this)), m_command(new QLineEdit(this)), m_arguments(new QLineEdit(this)),
      m_folder(new QLineEdit(this)), m_add(new QPushButton(QStringLiteral("A&dd"), this)),
      m_remove(new QPushButton(QStringLiteral("&Remove"), this))
{
    setWindowTitle(QStringLiteral("Customize Tools"));
    auto* listLabel = new QLabel(QStringLiteral("&Tools:"), this);
    listLabel->setBuddy(m_list);
    m_list->setAccessibleName(QStringLiteral("Tools"));
    auto* fields = new QFormLayout;
    const auto addField = [&](const QString& label, QLineEdit* edit) {
        edit->setAccessibleName(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        fields->addRow(label, edit);
    };
    addField(QStringLiteral("&Name:"), m_name);
    addField(QStringLiteral("&Command:"), m_command);
    addField(QStringLiteral("&Arguments:"), m_arguments);
    addField(QStringLiteral("Initial &folder:"), m_folder);
    auto* hint = new QLabel(
        QStringLiteral("$(FileDir), $(FilePath) and $(SettingsFile) stand for the active "
                       "document's folder and path and the settings file; the command "
                       "$(Tagwright) opens the arguments in this editor."),
        this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_add);
    listButtons->addWidget(m_remove);
    listButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(listButtons);
    layout->addLayout(fields);
    layout->addWidget(hint);
    layout->addWidget(buttons);

    for (const UserTool& tool : m_tools)
        m_list->addItem(FromStd(tool.name));
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { ShowTool(row); });
    for (QLineEdit* edit : {m_name, m_command, m_arguments, m_folder})
        connect(edit, &QLineEdit::textEdited, this, [this] { StoreField(); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_tools.push_back({"New Tool", {}, {}, {}});
        m_list->addItem(QStringLiteral("New Tool"));
        m_list->setCurrentRow(m_list->count() - 1);
        m_name->setFocus();
        m_name->selectAll();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        if (row < 0)
            return;
        m_tools.erase(m_tools.begin() + row);
        delete m_list->takeItem(row);
        ShowTool(m_list->currentRow());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 420);
    m_list->setCurrentRow(m_tools.empty() ? -1 : 0);
    ShowTool(m_list->currentRow());
}

void CKUserToolsDialog::ShowTool(int row)
{
    m_showing = true;
    const bool valid = row >= 0 && row < static_cast<int>(m_tools.size());
    const UserTool none;
    const UserTool& tool = valid ? m_tools[static_cast<size_t>(row)] : none;
    m_name->setText(FromStd(tool.name));
    m_command->setText(FromStd(tool.command));
    m_arguments->setText(FromStd(tool.arguments));
    m_folder->setText(FromStd(tool.folder));
    for (QLineEdit* edit : {m_name, m_command, m_arguments, m_folder})
        edit->setEnabled(valid);
    m_showing = false;
    UpdateButtons();
}

void CKUserToolsDialog::StoreField()
{
    const int row = m_list->currentRow();
    if (m_showing || row < 0 || row >= static_cast<int>(m_tools.size()))
        return;
    UserTool& tool = m_tools[static_cast<size_t>(row)];
    tool.name = m_name->text().toStdString();
    tool.command = m_command->text().toStdString();
    tool.arguments = m_arguments->text().toStdString();
    tool.folder = m_folder->text().toStdString();
    m_list->item(row)->setText(m_name->text());
}

void CKUserToolsDialog::UpdateButtons()
{
    m_add->setEnabled(static_cast<int>(m_tools.size()) < kMaxUserTools);
    m_remove->setEnabled(m_list->currentRow() >= 0);
}

std::vector<UserTool> CKUserToolsDialog::Tools() const
{
    std::vector<UserTool> tools;
    for (const UserTool& tool : m_tools)
        if (!tool.name.empty() && !tool.command.empty())
            tools.push_back(tool);
    return tools;
}
