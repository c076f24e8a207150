// The report dialog with its four choices.
#include "settings/DebugReportDialog.h"

#include "controls/QtText.h"
#include "res/Strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CKDebugReportDialog::CKDebugReportDialog(const std::string& report, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(ResText(IDS_DEBUG_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* warning = new QLabel(ResText(IDS_DEBUG_WARNING), this);
    layout->addWidget(warning);
    auto* text = new QPlainTextEdit(this);
    // The warning above the report is what a screen reader names the report by.
    warning->setBuddy(text);
    text->setObjectName(QStringLiteral("report"));
    text->setReadOnly(true);
    text->setTabChangesFocus(true);
    text->setPlainText(
        QString::fromLocal8Bit(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    layout->addWidget(text);
    layout->addWidget(new QLabel(ResText(IDS_DEBUG_CHOOSE), this));

    auto* buttons = new QHBoxLayout;
    const struct {
        int text;
        int tip;
        DebugChoice choice;
    } choices[] = {
        {IDS_DEBUG_RESET, IDS_DEBUG_RESET_TIP, DebugChoice::Reset},
        {IDS_DEBUG_IGNORE, IDS_DEBUG_IGNORE_TIP, DebugChoice::Ignore},
        {IDS_DEBUG_DISABLE, IDS_DEBUG_DISABLE_TIP, DebugChoice::Disable},
        {IDS_DEBUG_CLOSE, IDS_DEBUG_CLOSE_TIP, DebugChoice::Close},
    };
    QPushButton* ignore = nullptr;
    for (const auto& c : choices) {
        auto* button = new QPushButton(ResText(c.text), this);
        button->setToolTip(ResText(c.tip));
        const DebugChoice choice = c.choice;
        connect(button, &QPushButton::clicked, this, [this, choice] {
            m_choice = choice;
            done(static_cast<int>(choice));
        });
        buttons->addWidget(button);
        if (choice == DebugChoice::Ignore)
            ignore = button;
    }
    layout->addLayout(buttons);
    ignore->setDefault(true);
    ignore->setFocus();
    resize(560, 420);
}

DebugChoice CKDebugReportDialog::Ask(const std::string& report)
{
    CKDebugReportDialog dialog(report);
    dialog.exec();
    return dialog.Choice();
}
