#pragma once

#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

// The frame that marks the control holding the keyboard focus. It is drawn
// in two tones, a bright ring over a dark one, so that it shows on the dark
// skin as well as on light images, and in a colour no control uses for its
// own states (pressed and selected controls turn orange).
namespace FocusRing {
QColor colour();
// Whether the widget shows the ring now: it holds the focus, and the
// window's focus last moved by keyboard (a click hides it again).
bool shown(const QWidget* widget);
// A rounded frame just inside the rectangle.
void paint(QPainter& painter, const QRectF& rect, qreal radius = 6);
// The same frame as a style sheet rule for a Qt button (`:focus`).
QString styleSheetRule(const QString& selector);
}
