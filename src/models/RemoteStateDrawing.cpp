#include "models/RemoteStateDrawing.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace {
void drawCone(QPainter& p, bool lit)
{
    // VLC's cone orange, the accent of the whole interface.
    const QColor body = lit ? QColor(0xff, 0x8c, 0x1a) : QColor(0x6b, 0x6e, 0x76);
    const QColor stripe = lit ? QColor(Qt::white) : QColor(0xa8, 0xab, 0xb2);
    const QColor edge = lit ? QColor(0x8a, 0x45, 0x05) : QColor(0x3a, 0x3c, 0x42);
    p.setPen(QPen(edge, 1.0));
    // The base, then the body narrowing to a rounded tip.
    p.setBrush(body.darker(lit ? 125 : 115));
    p.drawRoundedRect(QRectF(3.5, 23.5, 21, 3.5), 1.2, 1.2);
    QPainterPath cone;
    cone.moveTo(6.5, 23.5);
    cone.lineTo(12.2, 4.0);
    cone.quadTo(14, 2.2, 15.8, 4.0);
    cone.lineTo(21.5, 23.5);
    cone.closeSubpath();
    p.setBrush(body);
    p.drawPath(cone);
    // Two reflective bands, clipped to the body.
    p.save();
    p.setClipPath(cone);
    p.setPen(Qt::NoPen);
    p.setBrush(stripe);
    p.drawRect(QRectF(0, 9.5, 30, 3));
    p.drawRect(QRectF(0, 16, 30, 3.2));
    p.restore();
}

void drawBadgeDisc(QPainter& p, const QColor& fill)
{
    p.setPen(QPen(QColor(0x10, 0x10, 0x12), 1.2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(22.5, 21.5), 7, 7);
}

void drawKey(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(19.8, 21.5), 2.1, 2.1);
    p.drawLine(QPointF(21.9, 21.5), QPointF(26.3, 21.5));
    p.drawLine(QPointF(24.6, 21.5), QPointF(24.6, 23.5));
    p.drawLine(QPointF(26.3, 21.5), QPointF(26.3, 23.2));
}

void drawExclamation(QPainter& p, const QColor& ink)
{
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22.5, 17.6), QPointF(22.5, 22.4));
    p.drawPoint(QPointF(22.5, 25.3));
}

void drawNoEntry(QPainter& p)
{
    const QColor red(0xd8, 0x24, 0x1c);
    p.setPen(QPen(red, 2.4));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(14, 15), 11.5, 11.5);
    p.drawLine(QPointF(5.9, 6.9), QPointF(22.1, 23.1));
}
}

void RemoteStateDrawing::draw(QPainter& p, RemoteAnswer answer)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawCone(p, answer != RemoteAnswer::NoAnswer && answer != RemoteAnswer::UnusableAddress);
    switch (answer) {
    case RemoteAnswer::PasswordNeeded:
        drawBadgeDisc(p, QColor(0xf5, 0xc5, 0x18));
        drawKey(p, QColor(0x20, 0x20, 0x20));
        break;
    case RemoteAnswer::PasswordRefused:
        drawBadgeDisc(p, QColor(0xd8, 0x24, 0x1c));
        drawKey(p, Qt::white);
        break;
    case RemoteAnswer::PasswordNotSet:
        drawBadgeDisc(p, QColor(0xf5, 0xc5, 0x18));
        drawExclamation(p, QColor(0x20, 0x20, 0x20));
        break;
    case RemoteAnswer::Forbidden:
        drawNoEntry(p);
        break;
    case RemoteAnswer::UnusableAddress:
        drawBadgeDisc(p, QColor(0xd8, 0x24, 0x1c));
        drawExclamation(p, Qt::white);
        break;
    case RemoteAnswer::AnswersAsVlc:
    case RemoteAnswer::NoAnswer:
        break;
    }
    p.restore();
}
