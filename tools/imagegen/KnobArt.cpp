#include "KnobArt.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {
const QColor orange(0xff, 0x8c, 0x1a);
}

void KnobArt::rotator(QPainter& p, QSizeF s)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    const qreal r = std::min(s.width(), s.height()) / 2;

    // Ticks around the dial: every 15 degrees, a longer one every 90.
    p.save();
    p.translate(c);
    for (int i = 0; i < 24; ++i) {
        const bool major = i % 6 == 0;
        p.setPen(QPen(major ? QColor(255, 255, 255, 150) : QColor(255, 255, 255, 70), major ? r * 0.02 : r * 0.012,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -r * 0.97), QPointF(0, -r * (major ? 0.87 : 0.91)));
        p.rotate(15);
    }
    p.restore();

    // The ribbed grip.
    const qreal grip = r * 0.84;
    QRadialGradient shadow(c + QPointF(0, r * 0.04), grip * 1.06);
    shadow.setColorAt(0.9, QColor(0, 0, 0, 160));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, r * 0.04), grip * 1.06, grip * 1.06);
    QPainterPath ribs;
    const int teeth = 48;
    for (int i = 0; i <= teeth * 2; ++i) {
        const qreal a = M_PI * i / teeth;
        const qreal rr = i % 2 == 0 ? grip : grip * 0.965;
        const QPointF pt(c.x() + rr * std::sin(a), c.y() - rr * std::cos(a));
        if (i == 0)
            ribs.moveTo(pt);
        else
            ribs.lineTo(pt);
    }
    ribs.closeSubpath();
    QLinearGradient edge(0, c.y() - grip, 0, c.y() + grip);
    edge.setColorAt(0, QColor(0x6a, 0x6e, 0x78));
    edge.setColorAt(1, QColor(0x1c, 0x1d, 0x22));
    p.setBrush(edge);
    p.setPen(QPen(QColor(0, 0, 0, 200), r * 0.008));
    p.drawPath(ribs);

    // The brushed face.
    const qreal face = grip * 0.86;
    QConicalGradient brushed(c, 90);
    for (int i = 0; i <= 8; ++i)
        brushed.setColorAt(i / 8.0, i % 2 == 0 ? QColor(0x4a, 0x4d, 0x56) : QColor(0x30, 0x32, 0x39));
    p.setBrush(brushed);
    p.setPen(QPen(QColor(255, 255, 255, 50), r * 0.01));
    p.drawEllipse(c, face, face);
    QRadialGradient gloss(c - QPointF(0, face * 0.5), face * 1.2);
    gloss.setColorAt(0, QColor(255, 255, 255, 46));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(c, face, face);

    // A finger dimple and the marker at the top.
    QRadialGradient dimple(c - QPointF(0, face * 0.55), face * 0.16);
    dimple.setColorAt(0, QColor(0x16, 0x17, 0x1a));
    dimple.setColorAt(1, QColor(0x3a, 0x3d, 0x45));
    p.setBrush(dimple);
    p.drawEllipse(c - QPointF(0, face * 0.55), face * 0.14, face * 0.14);
    p.setPen(QPen(orange, r * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() - face * 0.97), QPointF(c.x(), c.y() - face * 0.8));
}
