// The Format page of the Options dialog: the colours of each colour class and the font.
#pragma once

#include <QFont>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class AppSettings;
class CColourPicker;
class QListWidget;

// Asks for a fixed-pitch font starting at initial; nothing when the user cancels.
using FontAsker = std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)>;
std::optional<QFont> AskFixedPitchFont(QWidget* parent, const QFont& initial);

class CPropFormat : public QWidget {
    Q_OBJECT
public:
    CPropFormat(AppSettings& settings, QWidget* parent = nullptr);

    void SetFontAsker(FontAsker ask) { m_askFont = std::move(ask); }
    QListWidget* Classes() const { return m_classes; }
    CColourPicker* Foreground() const { return m_foreground; }
    CColourPicker* Background() const { return m_background; }

private:
    void ShowClass(int index);
    void StoreColour(bool text, uint32_t colour);
    void ChangeFont();

    AppSettings& m_settings;
    QListWidget* m_classes = nullptr;
    CColourPicker* m_foreground = nullptr;
    CColourPicker* m_background = nullptr;
    FontAsker m_askFont = &AskFixedPitchFont;
};
