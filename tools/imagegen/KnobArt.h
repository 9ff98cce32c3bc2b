#pragma once

#include <QPainter>
#include <QSizeF>

// The knob of the speed and audio delay screens.
namespace KnobArt {
// A brushed dark dial with a ribbed grip, a ring of ticks and an orange
// marker at the top (the knob's rest position).
void rotator(QPainter& p, QSizeF s);
}
