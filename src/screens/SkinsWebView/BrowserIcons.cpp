#include "screens/SkinsWebView/BrowserIcons.h"

#include "ui/UiPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {
// Drawn at twice the size the bar shows, so they stay sharp when scaled.
constexpr int side = 36;

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon triangle(bool pointsLeft)
{
    return drawn([pointsLeft](QPainter& p) {
        QPainterPath path;
        const qreal tip = pointsLeft ? 7 : side - 7;
        const qreal base = pointsLeft ? side - 9 : 9;
        path.moveTo(tip, side / 2.0);
        path.lineTo(base, 6);
        path.lineTo(base, side - 6);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(UiPalette::text());
        p.drawPath(path);
    });
}
}

QIcon BrowserIcons::back()
{
    return triangle(true);
}

QIcon BrowserIcons::forward()
{
    return triangle(false);
}

QIcon BrowserIcons::reload()
{
    return drawn([](QPainter& p) {
        const QRectF ring(7, 7, side - 14, side - 14);
        QPen pen(UiPalette::text(), 4);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // Three quarters of a circle, open at the top right, with the arrow head there.
        p.drawArc(ring, 90 * 16, 270 * 16);
        const QPointF end(ring.center().x() + ring.width() / 2, ring.center().y());
        QPainterPath head;
        head.moveTo(end.x() - 7, end.y() - 1);
        head.lineTo(end.x() + 7, end.y() - 1);
        head.lineTo(end.x(), end.y() - 10);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(UiPalette::text());
        p.drawPath(head);
    });
}
