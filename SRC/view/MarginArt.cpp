// Margin icons and pointer, drawn at first use.
#include "view/MarginArt.h"

#include "view/core/LineMarks.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

void DrawNumberedMark(QPainter& p, const QRect& cell, const QString& label)
{
    const QRect box = cell.adjusted(1, 2, -2, -2);
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(64, 128, 255));
    p.drawRoundedRect(box, 2, 2);
    if (label.isEmpty())
        return;
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, label);
}

} // namespace

QPixmap MarginIconStrip()
{
    QPixmap strip(kMarginIconCount * kMarginIconSize, kMarginIconSize);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    const auto cell = [](int row) {
        return QRect(row * kMarginIconSize, 0, kMarginIconSize, kMarginIconSize);
    };
    // Row 0: a green arrow; row 1: a red disc; row 2: a yellow diamond.
    {
        const QRect c = cell(0);
        const QPolygon arrow = QPolygon({QPoint(2, 5), QPoint(8, 5), QPoint(8, 2), QPoint(14, 8),
                                         QPoint(8, 14), QPoint(8, 11), QPoint(2, 11)})
                                   .translated(c.topLeft());
        p.setPen(QColor(0, 64, 0));
        p.setBrush(QColor(0, 160, 0));
        p.drawPolygon(arrow);
    }
    p.setPen(QColor(128, 0, 0));
    p.setBrush(QColor(224, 0, 0));
    p.drawEllipse(cell(1).adjusted(2, 2, -3, -3));
    {
        const QRect c = cell(2);
        const QPolygon diamond =
            QPolygon({QPoint(8, 2), QPoint(14, 8), QPoint(8, 14), QPoint(2, 8)})
                .translated(c.topLeft());
        p.setPen(QColor(128, 96, 0));
        p.setBrush(QColor(255, 208, 0));
        p.drawPolygon(diamond);
    }
    for (int n = 1; n <= 9; ++n)
        DrawNumberedMark(p, cell(2 + n), QString::number(n));
    DrawNumberedMark(p, cell(12), QStringLiteral("0"));
    DrawNumberedMark(p, cell(13), QString());
    return strip;
}

QCursor MarginCursor()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // An arrow pointing up and to the right, its tip in the upper right corner.
    QPainterPath path;
    path.moveTo(16, 1);
    path.lineTo(16, 13);
    path.lineTo(12, 9);
    path.lineTo(4, 17);
    path.lineTo(1, 14);
    path.lineTo(9, 6);
    path.lineTo(5, 2);
    path.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPath(path);
    return QCursor(image, 16, 1);
}
