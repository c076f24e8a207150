// The Editing page of the Options dialog: tab size, window settings, tabs and the source types
// spell checked.
#pragma once

#include "settings/core/Preferences.h"

#include <QWidget>

class AppSettings;
class QCheckBox;
class QLineEdit;

class CPropEditing : public QWidget {
    Q_OBJECT
public:
    CPropEditing(AppSettings& settings, QWidget* parent = nullptr);

    QLineEdit* TabSizeField() const { return m_tabSize; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* AddCheckBox(const QString& text, Switch preference, bool inverted);
    void OnTabSizeEdited(const QString& text);

    AppSettings& m_settings;
    QLineEdit* m_tabSize = nullptr;
    QCheckBox* m_smartIndent = nullptr;
};
