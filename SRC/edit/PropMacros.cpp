// The Macros page: every change of a text is written to the settings store at once, where
// the edit view reads it at each use.
#include "edit/PropMacros.h"

#include "edit/core/MacroFile.h"
#include "edit/core/Macros.h"
#include "settings/core/AppSettings.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

// The most a macro text holds.
constexpr int kMaxMacroText = 4096;

// Tab and Enter move the focus and press OK as elsewhere in the dialog; Ctrl+Tab and
// Ctrl+Enter type a tab and a line break.
class CMacroTextEdit : public QPlainTextEdit {
public:
    explicit CMacroTextEdit(QWidget* parent) : QPlainTextEdit(parent)
    {
        setTabChangesFocus(true);
        setLineWrapMode(NoWrap);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool control = event->modifiers() & Qt::ControlModifier;
        switch (event->key()) {
        case Qt::Key_Tab:
            if (control) {
                insertPlainText(QStringLiteral("\t"));
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (control) {
                insertPlainText(QStringLiteral("\n"));
                return;
            }
            event->ignore();
            return;
        default:
            break;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

// The store keeps line breaks as CR LF, the box as LF.
QString BoxText(const std::string& stored)
{
    return QString::fromStdString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string StoredText(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

} // namespace

CPropMacros::CPropMacros(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    auto* layout = new QGridLayout(this);
    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("macros"));
    for (int k = 0; k < kMacroCount; ++k)
        m_names->addItem(QString::fromStdString(MacroName(k)));
    auto* namesLabel = new QLabel(tr("Existing &Macroses:"), this);
    namesLabel->setBuddy(m_names);
    // A list is not named by its buddy label, as other controls are.
    m_names->setAccessibleName(tr("Existing Macroses"));

    m_before = new CMacroTextEdit(this);
    m_before->setObjectName(QStringLiteral("before"));
    auto* beforeLabel = new QLabel(tr("Text &before cursor/selection"), this);
    beforeLabel->setBuddy(m_before);
    m_after = new CMacroTextEdit(this);
    m_after->setObjectName(QStringLiteral("after"));
    auto* afterLabel = new QLabel(tr("Text &after cursor/selection"), this);
    afterLabel->setBuddy(m_after);
    auto* note = new QLabel(tr("Use Ctrl+TAB and Ctrl+ENTER while editing"), this);

    auto* exportButton = new QPushButton(tr("E&xport..."), this);
    auto* importButton = new QPushButton(tr("&Import..."), this);
    exportButton->setObjectName(QStringLiteral("export"));
    importButton->setObjectName(QStringLiteral("import"));

    layout->addWidget(namesLabel, 0, 0);
    layout->addWidget(m_names, 1, 0, 4, 1);
    layout->addWidget(beforeLabel, 0, 1);
    layout->addWidget(m_before, 1, 1);
    layout->addWidget(afterLabel, 2, 1);
    layout->addWidget(m_after, 3, 1);
    layout->addWidget(note, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(importButton);
    buttons->addStretch();
    layout->addLayout(buttons, 5, 0, 1, 2);

    connect(m_names, &QListWidget::currentRowChanged, this, &CPropMacros::ShowMacro);
    connect(m_before, &QPlainTextEdit::textChanged, this, [this] { StoreText(m_before); });
    connect(m_after, &QPlainTextEdit::textChanged, this, [this] { StoreText(m_after); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { ExportMacrosAsked(this, m_settings.Store(), AskMacroFile, m_tell); });
    connect(importButton, &QPushButton::clicked, this, [this] {
        if (!ImportMacrosAsked(this, m_settings.Store(), AskMacroFile, m_tell))
            return;
        // Shown afresh, also when the first entry was already selected.
        m_names->setCurrentRow(0);
        ShowMacro(0);
    });
    m_names->setCurrentRow(0);
}

void CPropMacros::ShowMacro(int index)
{
    if (index < 0 || index >= kMacroCount)
        return;
    const SettingsStore& store = m_settings.Store();
    const std::string name = MacroName(index);
    m_showing = true;
    m_before->setPlainText(BoxText(store.ReadString(kMacrosBeforeKey, name)));
    m_after->setPlainText(BoxText(store.ReadString(kMacrosAfterKey, name)));
    m_showing = false;
}

void CPropMacros::StoreText(QPlainTextEdit* box)
{
    const int index = m_names->currentRow();
    if (m_showing || index < 0 || index >= kMacroCount)
        return;
    QString text = box->toPlainText();
    if (text.size() > kMaxMacroText) {
        // Typing or pasting past the limit keeps the first part, as a limited field does.
        text.truncate(kMaxMacroText);
        m_showing = true;
        box->setPlainText(text);
        box->moveCursor(QTextCursor::End);
        m_showing = false;
    }
    m_settings.Store().WriteString(box == m_before ? kMacrosBeforeKey : kMacrosAfterKey,
                                   MacroName(index), StoredText(text));
}
