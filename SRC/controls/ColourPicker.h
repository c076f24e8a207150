// A push button that shows a colour and drops down a palette to choose another.
#pragma once

#include "controls/ColourPalette.h"

#include <QPointer>
#include <QPushButton>
#include <QString>

#include <functional>
#include <optional>

class CColourPopup;

// Asks for any colour, starting at initial (0x00BBGGRR); nothing when the user cancels.
using ColourAsker = std::function<std::optional<uint32_t>(QWidget* parent, uint32_t initial)>;
std::optional<uint32_t> AskColourInDialog(QWidget* parent, uint32_t initial);

class CColourPicker : public QPushButton {
    Q_OBJECT
public:
    // Whether the button stands for a text colour or a background colour; it keeps one of
    // each and shows the one of its mode.
    enum class Mode { Text, Background };

    explicit CColourPicker(QWidget* parent = nullptr,
                           const QString& automaticText = QStringLiteral("Automatic"),
                           const QString& moreText = QStringLiteral("More Colours..."));
    ~CColourPicker() override;

    uint32_t Colour() const { return m_colours[static_cast<int>(m_mode)]; }
    void SetColour(uint32_t colour);
    void SetMode(Mode mode);
    // An empty text leaves its entry out of the popup.
    void SetSpecialTexts(const QString& automaticText, const QString& moreText);
    // While on, the button shows each colour highlighted in the open popup.
    void SetTrackSelection(bool on) { m_trackSelection = on; }
    void SetColourAsker(ColourAsker ask) { m_ask = std::move(ask); }

    bool IsOpen() const { return m_open; }
    CColourPopup* Popup() const { return m_popup; }

    QSize sizeHint() const override;

signals:
    // The colour highlighted in the popup changed (the initial colour for "More Colours...").
    void selectionChanged(uint32_t colour);
    void dropDown(uint32_t colour);
    void closeUp(uint32_t colour);
    void selectionConfirmed(uint32_t colour);
    // Carries the colour the button had when the popup opened.
    void selectionCancelled(uint32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenPopup();
    void OnPopupChanged(uint32_t colour);
    void OnPopupEnded(uint32_t colour, bool confirmed);

    uint32_t m_colours[2] = {0x000000, 0xFFFFFF};
    Mode m_mode = Mode::Text;
    QString m_automaticText;
    QString m_moreText;
    bool m_trackSelection = false;
    bool m_open = false;
    ColourAsker m_ask = &AskColourInDialog;
    QPointer<CColourPopup> m_popup;
};

// The drop-down palette: "Automatic" above the grid of named colours, "More Colours..." below.
class CColourPopup : public QWidget {
    Q_OBJECT
public:
    CColourPopup(QWidget* button, uint32_t initial, const QString& automaticText,
                 const QString& moreText, ColourAsker ask);

    int Current() const { return m_current; }
    // Where an entry lies in the popup, empty for one that is not shown.
    QRect EntryRect(int entry) const;
    int EntryAt(const QPoint& pos) const;

signals:
    void selectionChanged(uint32_t colour);
    void ended(uint32_t colour, bool confirmed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Layout();
    void PlaceBelow(QWidget* button);
    void Highlight(int entry);
    // A screen reader reads the popup as the entry it highlights.
    void NameCurrent();
    void End(bool confirm);
    bool Shown(int entry) const;

    uint32_t m_initial;
    uint32_t m_chosen;
    int m_current = PICK_NONE;
    QString m_automaticText;
    QString m_moreText;
    ColourAsker m_ask;
    bool m_ended = false;
    int m_margin = 1;
    int m_cell = 18;
    QRect m_automaticBox;
    QRect m_moreBox;
    QPoint m_gridOrigin;
};
