#include "ui/ZoomSliderOverlay.h"

#include <QPainter>
#include <QPainterPath>

ZoomSliderOverlay::ZoomSliderOverlay(const QRect& frame, QWidget* parent)
    : QWidget(parent)
{
    setGeometry(frame);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ZoomSliderOverlay::~ZoomSliderOverlay() = default;

QRectF ZoomSliderOverlay::markerRect() const
{
    return QRectF(width() / 2.0 - 5, 0, 10, height());
}

QColor ZoomSliderOverlay::markerColor()
{
    return QColor::fromRgbF(1, 1, 1, 0.3f);
}

void ZoomSliderOverlay::fillRoundedRect(QPainter& context, const QRectF& rect, qreal ovalWidth, qreal ovalHeight)
{
    if (ovalWidth == 0 || ovalHeight == 0) {
        context.fillRect(rect, context.brush());
        return;
    }
    QPainterPath path;
    path.addRoundedRect(rect, ovalWidth, ovalHeight, Qt::AbsoluteSize);
    context.fillPath(path, context.brush());
}

void ZoomSliderOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.4);
    painter.setBrush(markerColor());
    painter.setPen(Qt::NoPen);
    fillRoundedRect(painter, markerRect(), 2, 2);
}
