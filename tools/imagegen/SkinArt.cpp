#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {
const QColor orange(0xff, 0x8c, 0x1a);
const QColor glyphWhite(0xf4, 0xf4, 0xf6);
const QColor glyphDim(0x6e, 0x71, 0x79);

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath p;
    p.moveTo(a);
    p.lineTo(b);
    p.lineTo(c);
    p.closeSubpath();
    return p;
}

// A curved arrow along an arc of the circle (centre, radius) from start to
// start + span degrees, with its head at the end.
void arcArrow(QPainter& p, QPointF c, qreal r, qreal startDeg, qreal spanDeg, qreal width, const QColor& color)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(startDeg * 16), int(spanDeg * 16));
    const qreal end = (startDeg + spanDeg) * M_PI / 180.0;
    const QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    const qreal dir = spanDeg > 0 ? 1 : -1;
    const QPointF tangent(-std::sin(end) * dir, -std::cos(end) * dir);
    const QPointF normal(std::cos(end), -std::sin(end));
    const qreal h = width * 2.2;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(triangle(tip + tangent * h, tip + normal * h * 0.8, tip - normal * h * 0.8));
}

void drawGlyph(QPainter& p, SkinArt::Glyph glyph, QRectF box, const QColor& color)
{
    using G = SkinArt::Glyph;
    const QPointF c = box.center();
    const qreal s = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    switch (glyph) {
    case G::Play:
        p.drawPath(triangle(QPointF(c.x() - s * 0.16, c.y() - s * 0.24), QPointF(c.x() + s * 0.26, c.y()),
                            QPointF(c.x() - s * 0.16, c.y() + s * 0.24)));
        break;
    case G::Pause:
        p.drawRoundedRect(QRectF(c.x() - s * 0.19, c.y() - s * 0.22, s * 0.13, s * 0.44), s * 0.02, s * 0.02);
        p.drawRoundedRect(QRectF(c.x() + s * 0.06, c.y() - s * 0.22, s * 0.13, s * 0.44), s * 0.02, s * 0.02);
        break;
    case G::Stop:
        p.drawRoundedRect(QRectF(c.x() - s * 0.17, c.y() - s * 0.17, s * 0.34, s * 0.34), s * 0.03, s * 0.03);
        break;
    case G::Previous:
    case G::Next: {
        const qreal d = glyph == G::Next ? 1 : -1;
        for (qreal k : { -0.17, 0.05 })
            p.drawPath(triangle(QPointF(c.x() + d * (k * s), c.y() - s * 0.16), QPointF(c.x() + d * (k + 0.2) * s, c.y()),
                                QPointF(c.x() + d * (k * s), c.y() + s * 0.16)));
        p.drawRect(QRectF(glyph == G::Next ? c.x() + s * 0.25 : c.x() - s * 0.29, c.y() - s * 0.16, s * 0.04, s * 0.32));
        break;
    }
    case G::SkipBack:
    case G::SkipForward: {
        // The skip distance inside the arrow is the skin's to draw (its
        // distanceFontSize): bold, 0.2 of the face's width, centred.
        const bool forward = glyph == G::SkipForward;
        arcArrow(p, c, s * 0.22, forward ? 200 : -20, forward ? -250 : 250, s * 0.06, color);
        break;
    }
    case G::Minus:
        p.drawRoundedRect(QRectF(c.x() - s * 0.2, c.y() - s * 0.035, s * 0.4, s * 0.07), s * 0.02, s * 0.02);
        break;
    case G::Plus:
        p.drawRoundedRect(QRectF(c.x() - s * 0.2, c.y() - s * 0.035, s * 0.4, s * 0.07), s * 0.02, s * 0.02);
        p.drawRoundedRect(QRectF(c.x() - s * 0.035, c.y() - s * 0.2, s * 0.07, s * 0.4), s * 0.02, s * 0.02);
        break;
    case G::Shuffle: {
        QPen pen(color, s * 0.06, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        QPainterPath a;
        a.moveTo(c.x() - s * 0.24, c.y() - s * 0.12);
        a.cubicTo(c.x() - s * 0.02, c.y() - s * 0.12, c.x() - s * 0.02, c.y() + s * 0.12, c.x() + s * 0.16, c.y() + s * 0.12);
        QPainterPath b;
        b.moveTo(c.x() - s * 0.24, c.y() + s * 0.12);
        b.cubicTo(c.x() - s * 0.02, c.y() + s * 0.12, c.x() - s * 0.02, c.y() - s * 0.12, c.x() + s * 0.16, c.y() - s * 0.12);
        p.drawPath(a);
        p.drawPath(b);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        for (qreal y : { -0.12, 0.12 })
            p.drawPath(triangle(QPointF(c.x() + s * 0.14, c.y() + (y - 0.08) * s), QPointF(c.x() + s * 0.27, c.y() + y * s),
                                QPointF(c.x() + s * 0.14, c.y() + (y + 0.08) * s)));
        break;
    }
    case G::Loop:
    case G::Repeat: {
        QPen pen(color, s * 0.055, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const QRectF loopRect(c.x() - s * 0.22, c.y() - s * 0.13, s * 0.44, s * 0.26);
        QPainterPath path;
        path.moveTo(loopRect.left() + s * 0.1, loopRect.bottom());
        path.lineTo(loopRect.left() + s * 0.06, loopRect.bottom());
        path.arcTo(QRectF(loopRect.left(), loopRect.top(), s * 0.12, loopRect.height()), 270, -180);
        path.lineTo(loopRect.right() - s * 0.12, loopRect.top());
        path.moveTo(loopRect.right() - s * 0.1, loopRect.top());
        path.arcTo(QRectF(loopRect.right() - s * 0.12, loopRect.top(), s * 0.12, loopRect.height()), 90, -180);
        path.lineTo(loopRect.left() + s * 0.16, loopRect.bottom());
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPath(triangle(QPointF(loopRect.right() - s * 0.14, loopRect.top() - s * 0.07),
                            QPointF(loopRect.right() - s * 0.04, loopRect.top()),
                            QPointF(loopRect.right() - s * 0.14, loopRect.top() + s * 0.07)));
        p.drawPath(triangle(QPointF(loopRect.left() + s * 0.14, loopRect.bottom() - s * 0.07),
                            QPointF(loopRect.left() + s * 0.04, loopRect.bottom()),
                            QPointF(loopRect.left() + s * 0.14, loopRect.bottom() + s * 0.07)));
        if (glyph == G::Repeat) {
            QFont font;
            font.setPixelSize(qRound(s * 0.17));
            font.setBold(true);
            p.setFont(font);
            p.setPen(color);
            p.drawText(QRectF(c.x() - s * 0.1, c.y() - s * 0.1, s * 0.2, s * 0.2), Qt::AlignCenter, QStringLiteral("1"));
        }
        break;
    }
    case G::Up:
        p.drawPath(triangle(QPointF(c.x(), c.y() - s * 0.2), QPointF(c.x() + s * 0.2, c.y() + s * 0.12),
                            QPointF(c.x() - s * 0.2, c.y() + s * 0.12)));
        break;
    case G::Down:
        p.drawPath(triangle(QPointF(c.x(), c.y() + s * 0.2), QPointF(c.x() + s * 0.2, c.y() - s * 0.12),
                            QPointF(c.x() - s * 0.2, c.y() - s * 0.12)));
        break;
    case G::Left:
        p.drawPath(triangle(QPointF(c.x() - s * 0.2, c.y()), QPointF(c.x() + s * 0.12, c.y() - s * 0.2),
                            QPointF(c.x() + s * 0.12, c.y() + s * 0.2)));
        break;
    case G::Right:
        p.drawPath(triangle(QPointF(c.x() + s * 0.2, c.y()), QPointF(c.x() - s * 0.12, c.y() - s * 0.2),
                            QPointF(c.x() - s * 0.12, c.y() + s * 0.2)));
        break;
    case G::Select: {
        QFont font;
        font.setPixelSize(qRound(s * 0.2));
        font.setBold(true);
        p.setFont(font);
        p.setPen(color);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("OK"));
        break;
    }
    case G::Menu:
        for (int i = -1; i <= 1; ++i)
            p.drawRoundedRect(QRectF(c.x() - s * 0.18, c.y() + i * s * 0.11 - s * 0.025, s * 0.36, s * 0.05), s * 0.02,
                              s * 0.02);
        break;
    }
}
}

SkinArt::Drawing SkinArt::roundButton(Glyph glyph, Look look, bool large)
{
    return [=](QPainter& p, QSizeF size) {
        const QRectF r(QPointF(0, 0), size);
        const qreal inset = size.width() * 0.06;
        const QRectF face = r.adjusted(inset, inset, -inset, -inset);
        const bool pressed = look == Look::Pressed || look == Look::DimPressed;
        // Soft shadow, then a metal rim, then the face.
        QRadialGradient shadow(r.center() + QPointF(0, size.height() * 0.04), size.width() * 0.5);
        shadow.setColorAt(0.8, QColor(0, 0, 0, 120));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(r);
        QLinearGradient rim(face.topLeft(), face.bottomLeft());
        rim.setColorAt(0, QColor(0x6a, 0x6e, 0x78));
        rim.setColorAt(1, QColor(0x14, 0x15, 0x18));
        p.setBrush(rim);
        p.drawEllipse(face);
        const QRectF inner = face.adjusted(size.width() * 0.025, size.width() * 0.025, -size.width() * 0.025,
                                           -size.width() * 0.025);
        QLinearGradient body(inner.topLeft(), inner.bottomLeft());
        if (large) {
            body.setColorAt(0, pressed ? orange.darker(140) : orange.lighter(112));
            body.setColorAt(1, pressed ? orange.darker(200) : orange.darker(135));
        } else {
            body.setColorAt(0, pressed ? QColor(0x22, 0x23, 0x27) : QColor(0x3c, 0x3f, 0x47));
            body.setColorAt(1, pressed ? QColor(0x10, 0x11, 0x13) : QColor(0x1a, 0x1b, 0x1f));
        }
        p.setBrush(body);
        p.drawEllipse(inner);
        // A gloss across the upper half.
        QPainterPath gloss;
        gloss.addEllipse(QRectF(inner.left() + inner.width() * 0.12, inner.top() + inner.height() * 0.04,
                                inner.width() * 0.76, inner.height() * 0.46));
        QLinearGradient shine(inner.topLeft(), QPointF(inner.left(), inner.center().y()));
        shine.setColorAt(0, QColor(255, 255, 255, pressed ? 25 : 70));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(gloss, shine);
        if (pressed && !large) {
            QRadialGradient glow(inner.center(), inner.width() * 0.5);
            glow.setColorAt(0, QColor(255, 140, 26, 70));
            glow.setColorAt(1, QColor(255, 140, 26, 0));
            p.setBrush(glow);
            p.drawEllipse(inner);
        }
        QColor color = large ? QColor(0x1c, 0x1c, 0x1e) : glyphWhite;
        if (!large && (look == Look::Normal || look == Look::Pressed) && (glyph == Glyph::Shuffle || glyph == Glyph::Loop
                                                                       || glyph == Glyph::Repeat))
            color = orange; // a mode that is on glows orange
        if (look == Look::Dim || look == Look::DimPressed)
            color = glyphDim;
        if (look == Look::Disabled)
            color = QColor(0x4a, 0x4c, 0x52);
        drawGlyph(p, glyph, inner, color);
    };
}

SkinArt::Drawing SkinArt::background(bool portrait)
{
    return [=](QPainter& p, QSizeF s) {
        const QRectF r(QPointF(0, 0), s);
        QLinearGradient base(0, 0, 0, s.height());
        base.setColorAt(0, QColor(0x23, 0x25, 0x2a));
        base.setColorAt(1, QColor(0x0e, 0x0f, 0x11));
        p.fillRect(r, base);
        // Fine horizontal brushing.
        for (int y = 0; y < s.height(); y += 2) {
            const int alpha = 6 + (y * 7919 % 9);
            p.setPen(QPen(QColor(255, 255, 255, alpha), 0.5));
            p.drawLine(QPointF(0, y + 0.5), QPointF(s.width(), y + 0.5));
        }
        // Recessed panels: the display at the top and the content well.
        auto panel = [&](const QRectF& area) {
            QPainterPath path;
            path.addRoundedRect(area, 12, 12);
            QLinearGradient fill(area.topLeft(), area.bottomLeft());
            fill.setColorAt(0, QColor(0x08, 0x09, 0x0b, 235));
            fill.setColorAt(1, QColor(0x14, 0x15, 0x18, 235));
            p.fillPath(path, fill);
            p.setPen(QPen(QColor(0, 0, 0, 200), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            p.setPen(QPen(QColor(255, 255, 255, 26), 1));
            p.drawLine(QPointF(area.left() + 10, area.bottom() + 1), QPointF(area.right() - 10, area.bottom() + 1));
        };
        if (portrait) {
            panel(QRectF(10, 8, s.width() - 20, 136));
            panel(QRectF(10, 152, s.width() - 20, 262));
        } else {
            panel(QRectF(8, 8, 372, 126));
            panel(QRectF(388, 8, s.width() - 396, s.height() - 16));
        }
    };
}

SkinArt::Drawing SkinArt::rowBackground(bool selected)
{
    return [=](QPainter& p, QSizeF s) {
        const QRectF r(QPointF(0, 0), s);
        QLinearGradient fill(0, 0, 0, s.height());
        if (selected) {
            fill.setColorAt(0, QColor(0xff, 0x9d, 0x3a));
            fill.setColorAt(1, QColor(0xd9, 0x6a, 0x00));
        } else {
            fill.setColorAt(0, QColor(255, 255, 255, 14));
            fill.setColorAt(1, QColor(255, 255, 255, 4));
        }
        p.fillRect(r, fill);
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
        p.setPen(QPen(QColor(255, 255, 255, 18), 1));
        p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
    };
}

SkinArt::Drawing SkinArt::trackImage(bool filled)
{
    return [=](QPainter& p, QSizeF s) {
        const QRectF r(1, s.height() / 2 - 3, s.width() - 2, 6);
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        if (filled) {
            fill.setColorAt(0, orange.lighter(120));
            fill.setColorAt(1, orange.darker(130));
        } else {
            fill.setColorAt(0, QColor(0x0a, 0x0a, 0x0c));
            fill.setColorAt(1, QColor(0x2a, 0x2c, 0x31));
        }
        p.setPen(QPen(QColor(0, 0, 0, 180), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r, 3, 3);
    };
}

SkinArt::Drawing SkinArt::thumbImage()
{
    return [](QPainter& p, QSizeF s) {
        const QRectF r = QRectF(QPointF(0, 0), s).adjusted(2, 2, -2, -2);
        QRadialGradient fill(r.center() - QPointF(s.width() * 0.15, s.height() * 0.2), s.width() * 0.7);
        fill.setColorAt(0, QColor(0xfa, 0xfa, 0xfa));
        fill.setColorAt(1, QColor(0x9a, 0x9c, 0xa3));
        p.setPen(QPen(QColor(0, 0, 0, 170), 1));
        p.setBrush(fill);
        p.drawEllipse(r);
    };
}

SkinArt::Drawing SkinArt::fullscreenIcon()
{
    return [](QPainter& p, QSizeF s) {
        p.setPen(QPen(glyphWhite, s.width() * 0.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const qreal a = s.width() * 0.15, b = s.width() * 0.42, e = s.width() * 0.85;
        for (const auto& corner : { std::pair { QPointF(a, b), QPointF(a, a) }, std::pair { QPointF(e, b), QPointF(e, a) },
                                    std::pair { QPointF(a, s.width() - b), QPointF(a, e) },
                                    std::pair { QPointF(e, s.width() - b), QPointF(e, e) } }) {
            const QPointF horizontal(corner.second.x() == a ? b : s.width() - b, corner.second.y());
            p.drawPolyline(QPolygonF { corner.first, corner.second, horizontal });
        }
    };
}

SkinArt::Drawing SkinArt::glyphOnly(Glyph glyph, const QColor& color)
{
    // Glyphs are drawn for the middle of a round button; twice the image
    // makes one fill it.
    return [glyph, color](QPainter& p, QSizeF s) {
        drawGlyph(p, glyph, QRectF(-s.width() / 2, -s.height() / 2, s.width() * 2, s.height() * 2), color);
    };
}

SkinArt::Drawing SkinArt::artFrame()
{
    return [](QPainter& p, QSizeF s) {
        const QRectF r = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor(0x05, 0x05, 0x07));
        fill.setColorAt(1, QColor(0x1b, 0x1c, 0x20));
        p.setPen(QPen(QColor(0, 0, 0, 220), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r, 6, 6);
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.drawLine(QPointF(r.left() + 6, r.bottom()), QPointF(r.right() - 6, r.bottom()));
    };
}

SkinArt::Drawing SkinArt::artPlaceholder()
{
    return [](QPainter& p, QSizeF s) {
        const qreal u = qMin(s.width(), s.height()) / 10.0;
        p.fillRect(QRectF(QPointF(0, 0), s), QColor(0x16, 0x17, 0x1b));
        const QColor note = glyphDim;
        p.setPen(Qt::NoPen);
        p.setBrush(note);
        // Two beamed eighth notes.
        p.drawEllipse(QRectF(2.2 * u, 6.2 * u, 2.2 * u, 1.7 * u));
        p.drawEllipse(QRectF(5.8 * u, 5.4 * u, 2.2 * u, 1.7 * u));
        p.drawRect(QRectF(3.8 * u, 2.6 * u, 0.45 * u, 4.4 * u));
        p.drawRect(QRectF(7.4 * u, 1.8 * u, 0.45 * u, 4.4 * u));
        QPainterPath beam;
        beam.moveTo(3.8 * u, 2.6 * u);
        beam.lineTo(7.85 * u, 1.8 * u);
        beam.lineTo(7.85 * u, 2.7 * u);
        beam.lineTo(3.8 * u, 3.5 * u);
        beam.closeSubpath();
        p.drawPath(beam);
    };
}
