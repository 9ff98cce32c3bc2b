#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// How a skin's point layout meets a screen: scaled to fit the area it is
// shown in, keeping its shape, with edges (not sizes) rounded so that
// neighbouring controls stay flush.
namespace SkinGeometry {
constexpr qreal minimumScale = 0.05;
constexpr qreal maximumScale = 2.0;
// Labels are scaled, but never below a legible size the skin did not ask for.
constexpr qreal legiblePixelSize = 11;
// A finger's least target, in device-independent pixels.
constexpr qreal minimumTouchTarget = 48;
// Below this scale a skin's labels and buttons are too small to use: the
// window keeps the remote screen's whole skin at least this large.
constexpr qreal legibleScale = 0.7;

// The scale at which points fills area without being cut off.
qreal fitScale(const QSizeF& area, const QSize& points);
QRectF scaled(const QRect& frame, qreal scale);
// The least area that shows points whole at legibleScale.
QSize smallestLegibleArea(const QSize& points);
// The size a label's text is drawn at before it shrinks to fit its width,
// and the least it may shrink to.
qreal labelPixelSize(qreal points, qreal scale);
qreal smallestLabelPixelSize(qreal points);
// The area that takes a finger for a control drawn in rect: at least
// minimumTouchTarget each way, centred on it (in the control's own
// coordinates).
QRectF touchArea(const QSizeF& controlSize);
// Whether images come from their @2x twins: when a point takes more than
// one pixel (a little over, so that rounding never swaps them back and
// forth).
bool usesTwinImages(qreal scale, qreal devicePixelRatio);
}
