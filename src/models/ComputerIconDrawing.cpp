#include "models/ComputerIconDrawing.h"

#include <QLinearGradient>
#include <QPainter>

void ComputerIconDrawing::draw(QPainter& p, bool withPlus)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Stand and foot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xbb, 0xc2));
    p.drawRect(QRectF(10.5, 17.5, 4, 3.5));
    p.drawRoundedRect(QRectF(6.5, 20.5, 12, 2.5), 1, 1);
    // Case and glass.
    p.setPen(QPen(QColor(0x22, 0x23, 0x27), 1));
    p.setBrush(QColor(0xdc, 0xde, 0xe3));
    p.drawRoundedRect(QRectF(1.5, 3.5, 22, 15), 2, 2);
    QLinearGradient glass(0, 5, 0, 16);
    glass.setColorAt(0, QColor(0x4f, 0x8f, 0xd8));
    glass.setColorAt(1, QColor(0x1d, 0x4e, 0x93));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRect(QRectF(3.5, 5.5, 18, 11));
    if (withPlus) {
        p.setPen(QPen(QColor(0x10, 0x10, 0x12), 1));
        p.setBrush(QColor(0x3c, 0xb0, 0x43));
        p.drawEllipse(QPointF(18.5, 17.5), 6, 6);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18.5, 14.5), QPointF(18.5, 20.5));
        p.drawLine(QPointF(15.5, 17.5), QPointF(21.5, 17.5));
    }
    p.restore();
}
