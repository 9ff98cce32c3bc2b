#include "ui/TableCellPainter.h"

#include "ui/UiPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// Every drawing here is small and antialiased; this keeps the state local.
class PainterScope {
public:
    explicit PainterScope(QPainter& painter) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
    }
    ~PainterScope() { m_painter.restore(); }

private:
    QPainter& m_painter;
};

QPainterPath chevron(const QPointF& centre, qreal size)
{
    QPainterPath path;
    path.moveTo(centre.x() - size * 0.3, centre.y() - size * 0.55);
    path.lineTo(centre.x() + size * 0.3, centre.y());
    path.lineTo(centre.x() - size * 0.3, centre.y() + size * 0.55);
    return path;
}

QRectF disc(const QRect& area, qreal diameter)
{
    const QPointF centre = QRectF(area).center();
    return QRectF(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
}
}

void TableCellPainter::drawDisclosureIndicator(QPainter& painter, const QRect& area, bool highlighted)
{
    PainterScope scope(painter);
    painter.setPen(QPen(highlighted ? Qt::white : accessoryColor(), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(chevron(QRectF(area).center(), 13));
}

void TableCellPainter::drawDetailDisclosureButton(QPainter& painter, const QRect& area, bool pressed)
{
    PainterScope scope(painter);
    const QRectF circle = disc(area, 25);
    QLinearGradient fill(circle.topLeft(), circle.bottomLeft());
    fill.setColorAt(0, pressed ? QColor(0xc8, 0x62, 0x00) : QColor(0xff, 0xa5, 0x45));
    fill.setColorAt(1, pressed ? QColor(0x9a, 0x4a, 0x00) : UiPalette::accent().darker(125));
    painter.setPen(QPen(QColor(0, 0, 0, 140), 1));
    painter.setBrush(fill);
    painter.drawEllipse(circle);
    painter.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(chevron(circle.center() + QPointF(1, 0), 11));
}

void TableCellPainter::drawCheckmark(QPainter& painter, const QRect& area, bool highlighted)
{
    PainterScope scope(painter);
    const QPointF c = QRectF(area).center();
    QPainterPath tick;
    tick.moveTo(c.x() - 7, c.y() + 0.5);
    tick.lineTo(c.x() - 2, c.y() + 6);
    tick.lineTo(c.x() + 7.5, c.y() - 7);
    painter.setPen(QPen(highlighted ? Qt::white : UiPalette::accent(), 3.2, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(tick);
}

void TableCellPainter::drawEditingControl(QPainter& painter, const QRect& area, int editingStyle, bool confirming)
{
    if (editingStyle != 1 && editingStyle != 2)
        return;
    PainterScope scope(painter);
    const QRectF circle = disc(area, 23);
    const bool deleting = editingStyle == 1;
    QLinearGradient fill(circle.topLeft(), circle.bottomLeft());
    fill.setColorAt(0, deleting ? QColor(0xf2, 0x4b, 0x44) : QColor(0x4c, 0xc9, 0x5a));
    fill.setColorAt(1, deleting ? QColor(0xc0, 0x20, 0x1a) : QColor(0x22, 0x95, 0x33));
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(fill);
    painter.drawEllipse(circle);
    painter.translate(circle.center());
    if (deleting && confirming)
        painter.rotate(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-6, -1.5, 12, 3), 1, 1);
    if (!deleting)
        painter.drawRoundedRect(QRectF(-1.5, -6, 3, 12), 1, 1);
}

void TableCellPainter::drawReorderControl(QPainter& painter, const QRect& area)
{
    PainterScope scope(painter);
    const QPointF c = QRectF(area).center();
    painter.setPen(QPen(accessoryColor(), 2, Qt::SolidLine, Qt::RoundCap));
    for (int line = -1; line <= 1; ++line)
        painter.drawLine(QPointF(c.x() - 9, c.y() + line * 5), QPointF(c.x() + 9, c.y() + line * 5));
}

void TableCellPainter::drawSelection(QPainter& painter, const QRect& area, int selectionStyle, qreal opacity)
{
    if (opacity <= 0 || (selectionStyle != 1 && selectionStyle != 2))
        return;
    painter.save();
    painter.setOpacity(opacity);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    if (selectionStyle == 1) {
        fill.setColorAt(0, QColor(0x3b, 0x8c, 0xf0));
        fill.setColorAt(1, QColor(0x14, 0x5c, 0xd0));
    } else {
        fill.setColorAt(0, QColor(0x6a, 0x6d, 0x76));
        fill.setColorAt(1, QColor(0x48, 0x4b, 0x53));
    }
    painter.fillRect(area, fill);
    painter.restore();
}

void TableCellPainter::drawCurrentItemBar(QPainter& painter, const QRect& area)
{
    painter.fillRect(QRect(area.left(), area.top(), 4, area.height()), UiPalette::accent());
}

QColor TableCellPainter::plainBackground()
{
    return QColor(0x1f, 0x20, 0x25);
}

QColor TableCellPainter::groupedBackground()
{
    return QColor(0x27, 0x29, 0x2f);
}

QColor TableCellPainter::separator()
{
    return QColor(255, 255, 255, 24);
}

QColor TableCellPainter::accessoryColor()
{
    return QColor(0x8a, 0x8d, 0x96);
}
