#include "ui/FocusRing.h"

#include <QPainter>
#include <QWidget>

namespace {
constexpr qreal ringWidth = 2.5;
constexpr qreal shadowWidth = 1.5;
}

QColor FocusRing::colour()
{
    return QColor(0x4f, 0xc3, 0xff);
}

bool FocusRing::shown(const QWidget* widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusRing::paint(QPainter& painter, const QRectF& rect, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(1);
    painter.setBrush(Qt::NoBrush);
    const qreal outer = ringWidth / 2 + shadowWidth;
    const QRectF ring = rect.adjusted(outer, outer, -outer, -outer);
    // The dark edge inside keeps the ring apart from light images.
    painter.setPen(QPen(QColor(0, 0, 0, 170), ringWidth + 2 * shadowWidth));
    painter.drawRoundedRect(ring, radius, radius);
    painter.setPen(QPen(colour(), ringWidth));
    painter.drawRoundedRect(ring, radius, radius);
    painter.restore();
}

QString FocusRing::styleSheetRule(const QString& selector)
{
    return QStringLiteral("%1:focus { border: 2px solid %2; outline: none; }").arg(selector, colour().name());
}
