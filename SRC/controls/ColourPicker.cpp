// The colour button and its drop-down palette.
#include "controls/ColourPicker.h"

#include <QApplication>
#include <QColorDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>
#include <qdrawutil.h>

namespace {

constexpr int kCellSize = 18;

QColor ToQColor(uint32_t bbggrr)
{
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

uint32_t FromQColor(const QColor& c)
{
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8)
           | (static_cast<uint32_t>(c.blue()) << 16);
}

QString PaletteName(int index)
{
    const std::string_view name = PaletteColours()[index].name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

std::optional<uint32_t> AskColourInDialog(QWidget* parent, uint32_t initial)
{
    const QColor start = initial == kAutomaticColour ? QColor(Qt::black) : ToQColor(initial);
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

// ---- The button -------------------------------------------------------------------------

CColourPicker::CColourPicker(QWidget* parent, const QString& automaticText, const QString& moreText)
    : QPushButton(parent), m_automaticText(automaticText), m_moreText(moreText)
{
    connect(this, &QPushButton::clicked, this, &CColourPicker::OpenPopup);
}

CColourPicker::~CColourPicker()
{
    // Gone while the button is whole: a popup that ends reports to it.
    if (m_popup)
        delete m_popup.data();
}

void CColourPicker::SetColour(uint32_t colour)
{
    m_colours[static_cast<int>(m_mode)] = colour;
    update();
}

void CColourPicker::SetMode(Mode mode)
{
    m_mode = mode;
    update();
}

void CColourPicker::SetSpecialTexts(const QString& automaticText, const QString& moreText)
{
    m_automaticText = automaticText;
    m_moreText = moreText;
}

QSize CColourPicker::sizeHint() const
{
    const QSize text = QPushButton::sizeHint();
    return {std::max(text.width(), fontMetrics().height() * 4), text.height()};
}

void CColourPicker::OpenPopup()
{
    if (m_open)
        return;
    m_open = true;
    m_popup = new CColourPopup(this, Colour(), m_automaticText, m_moreText, m_ask);
    connect(m_popup, &CColourPopup::selectionChanged, this, &CColourPicker::OnPopupChanged);
    connect(m_popup, &CColourPopup::ended, this, &CColourPicker::OnPopupEnded);
    emit dropDown(Colour());
    m_popup->show();
    m_popup->setFocus();
}

void CColourPicker::OnPopupChanged(uint32_t colour)
{
    if (m_trackSelection)
        SetColour(colour);
    emit selectionChanged(colour);
}

void CColourPicker::OnPopupEnded(uint32_t colour, bool confirmed)
{
    m_open = false;
    SetColour(colour);
    setDown(false);
    emit closeUp(colour);
    if (confirmed)
        emit selectionConfirmed(colour);
    else
        emit selectionCancelled(colour);
}

void CColourPicker::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    if (m_open)
        option.state |= QStyle::State_Sunken;
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int arrowWidth = std::min(content.height(), 12);
    QStyleOption arrow = option;
    arrow.rect =
        QRect(content.right() - arrowWidth + 1, content.top(), arrowWidth, content.height());
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

    const QRect swatch = content.adjusted(2, 2, -arrowWidth - 4, -2);
    const bool plain = !isEnabled() || Colour() == kAutomaticColour;
    painter.fillRect(swatch, plain ? palette().button().color() : ToQColor(Colour()));
    painter.setPen(palette().shadow().color());
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

// ---- The popup --------------------------------------------------------------------------

CColourPopup::CColourPopup(QWidget* button, uint32_t initial, const QString& automaticText,
                           const QString& moreText, ColourAsker ask)
    : QWidget(button, Qt::Popup), m_initial(initial), m_chosen(initial),
      m_automaticText(automaticText), m_moreText(moreText), m_ask(std::move(ask))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QApplication::font("QMenu"));
    Layout();

    const auto palette = PaletteColours();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i)
        if (palette[i].colour == initial)
            m_current = i;
    if (initial == kAutomaticColour && Shown(PICK_AUTOMATIC))
        m_current = PICK_AUTOMATIC;
    NameCurrent();
    PlaceBelow(button);
}

bool CColourPopup::Shown(int entry) const
{
    if (entry == PICK_AUTOMATIC)
        return !m_automaticText.isEmpty();
    if (entry == PICK_MORE_COLOURS)
        return !m_moreText.isEmpty();
    return entry >= 0 && entry < static_cast<int>(PaletteColours().size());
}

void CColourPopup::Layout()
{
    m_margin = std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    // Cells too small to show a swatch inside their edges grow.
    m_cell = kCellSize - 2 * m_margin < 5 ? 2 * m_margin + 7 : kCellSize;
    const int count = static_cast<int>(PaletteColours().size());
    const int rows = (count + kPaletteColumns - 1) / kPaletteColumns;
    const QFontMetrics metrics(font());
    const int boxHeight = metrics.height() + 2 * m_margin + 4;
    const int textWidth =
        std::max(metrics.horizontalAdvance(m_automaticText), metrics.horizontalAdvance(m_moreText));
    const int width = std::max(kPaletteColumns * m_cell, textWidth + 4 * m_margin + 8);

    int y = m_margin;
    m_automaticBox = QRect();
    if (Shown(PICK_AUTOMATIC)) {
        m_automaticBox = QRect(m_margin, y, width, boxHeight);
        y += boxHeight + m_margin;
    }
    m_gridOrigin = QPoint(m_margin + (width - kPaletteColumns * m_cell) / 2, y);
    y += rows * m_cell + m_margin;
    m_moreBox = QRect();
    if (Shown(PICK_MORE_COLOURS)) {
        m_moreBox = QRect(m_margin, y, width, boxHeight);
        y += boxHeight + m_margin;
    }
    setFixedSize(width + 2 * m_margin, y);
}

void CColourPopup::PlaceBelow(QWidget* button)
{
    const QPoint corner = button->mapToGlobal(QPoint(0, button->height()));
    QRect place(corner, size());
    QScreen* screen = QGuiApplication::screenAt(corner);
    if (!screen)
        screen = button->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    if (area.isValid()) {
        // Kept on the screen: moved left, right, or above the button.
        if (place.right() > area.right())
            place.moveRight(area.right());
        if (place.left() < area.left())
            place.moveLeft(area.left());
        if (place.bottom() > area.bottom())
            place.moveBottom(button->mapToGlobal(QPoint(0, 0)).y() - 1);
    }
    // The place of the popup itself, whatever frame the window system adds.
    setGeometry(place);
}

QRect CColourPopup::EntryRect(int entry) const
{
    if (!Shown(entry))
        return {};
    if (entry == PICK_AUTOMATIC)
        return m_automaticBox;
    if (entry == PICK_MORE_COLOURS)
        return m_moreBox;
    return QRect(m_gridOrigin.x() + (entry % kPaletteColumns) * m_cell,
                 m_gridOrigin.y() + (entry / kPaletteColumns) * m_cell, m_cell, m_cell);
}

int CColourPopup::EntryAt(const QPoint& pos) const
{
    if (m_automaticBox.contains(pos))
        return PICK_AUTOMATIC;
    if (m_moreBox.contains(pos))
        return PICK_MORE_COLOURS;
    const QPoint p = pos - m_gridOrigin;
    if (p.x() < 0 || p.y() < 0)
        return PICK_NONE;
    const int column = p.x() / m_cell;
    const int index = p.y() / m_cell * kPaletteColumns + column;
    if (column >= kPaletteColumns || index >= static_cast<int>(PaletteColours().size()))
        return PICK_NONE;
    return index;
}

void CColourPopup::Highlight(int entry)
{
    if (entry == m_current || !Shown(entry))
        return;
    update(EntryRect(m_current));
    m_current = entry;
    update(EntryRect(m_current));
    NameCurrent();
    if (entry == PICK_MORE_COLOURS) {
        emit selectionChanged(m_initial);
        return;
    }
    m_chosen = entry == PICK_AUTOMATIC ? kAutomaticColour : PaletteColours()[entry].colour;
    emit selectionChanged(m_chosen);
}

void CColourPopup::NameCurrent()
{
    QString name = m_current == PICK_AUTOMATIC      ? m_automaticText
                   : m_current == PICK_MORE_COLOURS ? m_moreText
                   : m_current >= 0                 ? PaletteName(m_current)
                                                    : QStringLiteral("Colours");
    setAccessibleName(name.remove(QLatin1Char('&')));
}

void CColourPopup::End(bool confirm)
{
    if (m_ended)
        return;
    m_ended = true;
    hide();
    if (confirm && m_current == PICK_MORE_COLOURS) {
        const std::optional<uint32_t> colour =
            m_ask ? m_ask(parentWidget(), m_initial) : std::nullopt;
        if (colour)
            m_chosen = *colour;
        else
            confirm = false;
    }
    if (!confirm)
        m_chosen = m_initial;
    emit ended(m_chosen, confirm);
    deleteLater();
}

void CColourPopup::keyPressEvent(QKeyEvent* event)
{
    const PickerShape shape{static_cast<int>(PaletteColours().size()), Shown(PICK_AUTOMATIC),
                            Shown(PICK_MORE_COLOURS)};
    switch (event->key()) {
    case Qt::Key_Right:
        Highlight(NextPickerEntry(m_current, PickerKey::Right, shape));
        return;
    case Qt::Key_Left:
        Highlight(NextPickerEntry(m_current, PickerKey::Left, shape));
        return;
    case Qt::Key_Down:
        Highlight(NextPickerEntry(m_current, PickerKey::Down, shape));
        return;
    case Qt::Key_Up:
        Highlight(NextPickerEntry(m_current, PickerKey::Up, shape));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        End(true);
        return;
    case Qt::Key_Escape:
        End(false);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CColourPopup::mousePressEvent(QMouseEvent* event)
{
    // The choice ends when the button is released, inside or outside.
    event->accept();
}

void CColourPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int entry = EntryAt(event->position().toPoint());
    if (entry != PICK_NONE)
        Highlight(entry);
}

void CColourPopup::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos)) {
        End(false);
        return;
    }
    const int entry = EntryAt(pos);
    if (entry != PICK_NONE)
        Highlight(entry);
    End(true);
}

void CColourPopup::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Closed from outside, as when the application loses activation.
    End(false);
}

bool CColourPopup::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int entry = EntryAt(help->pos());
        if (entry >= 0)
            QToolTip::showText(help->globalPos(), PaletteName(entry), this, EntryRect(entry));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CColourPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    qDrawShadePanel(&painter, rect(), palette(), false, 1);

    const auto drawBox = [&](int entry, const QString& text) {
        const QRect box = EntryRect(entry);
        if (box.isEmpty())
            return;
        if (entry == m_current)
            painter.fillRect(box, palette().highlight());
        qDrawShadePanel(&painter, box, palette(), entry == m_current, 1);
        painter.setPen(entry == m_current ? palette().highlightedText().color()
                                          : palette().buttonText().color());
        painter.drawText(box, Qt::AlignCenter, text);
    };
    drawBox(PICK_AUTOMATIC, m_automaticText);
    drawBox(PICK_MORE_COLOURS, m_moreText);

    const auto colours = PaletteColours();
    for (int i = 0; i < static_cast<int>(colours.size()); ++i) {
        const QRect cell = EntryRect(i);
        if (i == m_current)
            painter.fillRect(cell, palette().highlight());
        const QRect swatch = cell.adjusted(2, 2, -2, -2);
        qDrawShadePanel(&painter, swatch, palette(), i != m_current, 1);
        painter.fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(colours[i].colour));
    }
}
