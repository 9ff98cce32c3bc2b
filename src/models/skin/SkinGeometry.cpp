#include "models/skin/SkinGeometry.h"

#include <QtMath>

#include <cmath>

qreal SkinGeometry::fitScale(const QSizeF& area, const QSize& points)
{
    if (points.isEmpty() || area.isEmpty())
        return 1;
    const qreal fit = qMin(area.width() / points.width(), area.height() / points.height());
    return qBound(minimumScale, fit, maximumScale);
}

QSize SkinGeometry::smallestLegibleArea(const QSize& points)
{
    if (points.isEmpty())
        return {};
    return { int(std::ceil(points.width() * legibleScale)), int(std::ceil(points.height() * legibleScale)) };
}

QRectF SkinGeometry::scaled(const QRect& frame, qreal s)
{
    const qreal left = std::round(frame.left() * s);
    const qreal top = std::round(frame.top() * s);
    const qreal right = std::round((frame.left() + frame.width()) * s);
    const qreal bottom = std::round((frame.top() + frame.height()) * s);
    return QRectF(left, top, right - left, bottom - top);
}

qreal SkinGeometry::smallestLabelPixelSize(qreal points)
{
    return qMin(points, legiblePixelSize);
}

qreal SkinGeometry::labelPixelSize(qreal points, qreal scale)
{
    return qMax(points * scale, smallestLabelPixelSize(points));
}

QRectF SkinGeometry::touchArea(const QSizeF& size)
{
    const qreal w = qMax(size.width(), minimumTouchTarget);
    const qreal h = qMax(size.height(), minimumTouchTarget);
    return QRectF((size.width() - w) / 2, (size.height() - h) / 2, w, h);
}

bool SkinGeometry::usesTwinImages(qreal scale, qreal devicePixelRatio)
{
    return scale * devicePixelRatio > 1.01;
}
