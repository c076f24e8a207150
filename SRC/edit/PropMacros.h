// The Macros page of the Options dialog: the ten macros' texts, export and import.
#pragma once

#include "edit/MacroTransferUi.h"

#include <QWidget>

class AppSettings;
class QListWidget;
class QPlainTextEdit;

class CPropMacros : public QWidget {
    Q_OBJECT
public:
    CPropMacros(AppSettings& settings, QWidget* parent = nullptr);

    void SetMessageTeller(MessageTeller tell) { m_tell = std::move(tell); }
    QListWidget* Names() const { return m_names; }
    QPlainTextEdit* BeforeBox() const { return m_before; }
    QPlainTextEdit* AfterBox() const { return m_after; }

private:
    void ShowMacro(int index);
    void StoreText(QPlainTextEdit* box);

    AppSettings& m_settings;
    QListWidget* m_names = nullptr;
    QPlainTextEdit* m_before = nullptr;
    QPlainTextEdit* m_after = nullptr;
    bool m_showing = false;
    MessageTeller m_tell = &TellInMessageBox;
};
