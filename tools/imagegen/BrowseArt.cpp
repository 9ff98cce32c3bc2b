#include "BrowseArt.h"

#include "SkinArt.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {
const QColor orange(0xff, 0x8c, 0x1a);
const QColor light(0xf4, 0xf4, 0xf6);
const QColor dim(0xa8, 0xab, 0xb3);

// A manila folder with a tab, lit from above.
void folder(QPainter& p, QSizeF s)
{
    const qreal w = s.width(), h = s.height();
    QPainterPath back;
    back.moveTo(w * 0.06, h * 0.22);
    back.lineTo(w * 0.38, h * 0.22);
    back.lineTo(w * 0.46, h * 0.32);
    back.lineTo(w * 0.94, h * 0.32);
    back.lineTo(w * 0.94, h * 0.86);
    back.lineTo(w * 0.06, h * 0.86);
    back.closeSubpath();
    p.fillPath(back, QColor(0xc9, 0x7a, 0x1e));
    QPainterPath front;
    front.addRoundedRect(QRectF(w * 0.06, h * 0.40, w * 0.88, h * 0.46), w * 0.05, w * 0.05);
    QLinearGradient fill(0, h * 0.4, 0, h * 0.86);
    fill.setColorAt(0, QColor(0xff, 0xc0, 0x5c));
    fill.setColorAt(1, QColor(0xf0, 0x94, 0x22));
    p.fillPath(front, fill);
}

// Two beamed quavers.
void music(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7c, 0xc4, 0xff));
    p.drawEllipse(QRectF(w * 0.12, w * 0.64, w * 0.28, w * 0.22));
    p.drawEllipse(QRectF(w * 0.56, w * 0.56, w * 0.28, w * 0.22));
    p.setPen(QPen(QColor(0x7c, 0xc4, 0xff), w * 0.08, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(w * 0.36, w * 0.74), QPointF(w * 0.36, w * 0.22));
    p.drawLine(QPointF(w * 0.80, w * 0.66), QPointF(w * 0.80, w * 0.14));
    p.setPen(QPen(QColor(0x7c, 0xc4, 0xff), w * 0.14, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(w * 0.36, w * 0.24), QPointF(w * 0.80, w * 0.16));
}

// A strip of film with a frame.
void movie(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    const QRectF strip(w * 0.08, w * 0.14, w * 0.84, w * 0.72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x5a, 0xe0));
    p.drawRoundedRect(strip, w * 0.06, w * 0.06);
    p.setBrush(QColor(0x2b, 0x2d, 0x33));
    for (int i = 0; i < 4; ++i) {
        const qreal x = strip.left() + w * 0.06 + i * w * 0.2;
        p.drawRect(QRectF(x, strip.top() + w * 0.05, w * 0.1, w * 0.08));
        p.drawRect(QRectF(x, strip.bottom() - w * 0.13, w * 0.1, w * 0.08));
    }
    p.setBrush(QColor(0xf2, 0xd4, 0xf7));
    p.drawRect(QRectF(strip.left() + w * 0.12, strip.top() + w * 0.2, strip.width() - w * 0.24, strip.height() - w * 0.4));
}

// Lines of a list with a small play mark.
void playlist(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    p.setPen(QPen(QColor(0x8e, 0xe0, 0x8a), w * 0.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(w * 0.12, w * (0.24 + i * 0.2)), QPointF(w * (i == 2 ? 0.5 : 0.88), w * (0.24 + i * 0.2)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8e, 0xe0, 0x8a));
    QPainterPath play;
    play.moveTo(w * 0.62, w * 0.6);
    play.lineTo(w * 0.9, w * 0.76);
    play.lineTo(w * 0.62, w * 0.92);
    play.closeSubpath();
    p.drawPath(play);
}

// A dog-eared sheet.
void unknown(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    QPainterPath sheet;
    sheet.moveTo(w * 0.2, w * 0.08);
    sheet.lineTo(w * 0.6, w * 0.08);
    sheet.lineTo(w * 0.82, w * 0.3);
    sheet.lineTo(w * 0.82, w * 0.92);
    sheet.lineTo(w * 0.2, w * 0.92);
    sheet.closeSubpath();
    p.fillPath(sheet, QColor(0x9a, 0x9e, 0xa8));
    QPainterPath ear;
    ear.moveTo(w * 0.6, w * 0.08);
    ear.lineTo(w * 0.6, w * 0.3);
    ear.lineTo(w * 0.82, w * 0.3);
    ear.closeSubpath();
    p.fillPath(ear, QColor(0xd8, 0xda, 0xe0));
}

// A round button of the rows: a lit disc with a glyph drawn by the caller.
void disc(QPainter& p, QSizeF s, const QColor& top, const QColor& bottom)
{
    const QRectF r(s.width() * 0.1, s.height() * 0.1, s.width() * 0.8, s.height() * 0.8);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(QColor(0, 0, 0, 160), s.width() * 0.03));
    p.setBrush(fill);
    p.drawEllipse(r);
    QRadialGradient gloss(r.center().x(), r.top() + r.height() * 0.25, r.width() * 0.5);
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(r);
}

void playButton(QPainter& p, QSizeF s)
{
    disc(p, s, QColor(0xff, 0xa8, 0x45), QColor(0xd9, 0x66, 0x00));
    const qreal w = s.width();
    QPainterPath play;
    play.moveTo(w * 0.41, w * 0.32);
    play.lineTo(w * 0.69, w * 0.5);
    play.lineTo(w * 0.41, w * 0.68);
    play.closeSubpath();
    p.fillPath(play, light);
}

void addButton(QPainter& p, QSizeF s)
{
    disc(p, s, QColor(0x6c, 0xd0, 0x6a), QColor(0x2c, 0x8c, 0x30));
    const qreal w = s.width();
    p.setPen(QPen(light, w * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.5, w * 0.32), QPointF(w * 0.5, w * 0.68));
    p.drawLine(QPointF(w * 0.32, w * 0.5), QPointF(w * 0.68, w * 0.5));
}

void deleteButton(QPainter& p, QSizeF s)
{
    disc(p, s, QColor(0xf0, 0x5a, 0x50), QColor(0xb0, 0x1c, 0x14));
    const qreal w = s.width();
    p.setPen(QPen(light, w * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.32, w * 0.5), QPointF(w * 0.68, w * 0.5));
}

// Toolbar icons: light line drawings.
void pen(QPainter& p, QSizeF s, const QColor& color = light)
{
    p.setPen(QPen(color, s.width() * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void home(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    pen(p, s);
    p.drawPolyline(QPolygonF { QPointF(w * 0.1, w * 0.5), QPointF(w * 0.5, w * 0.14), QPointF(w * 0.9, w * 0.5) });
    p.drawPolyline(QPolygonF { QPointF(w * 0.22, w * 0.42), QPointF(w * 0.22, w * 0.86), QPointF(w * 0.78, w * 0.86),
                               QPointF(w * 0.78, w * 0.42) });
    p.drawLine(QPointF(w * 0.5, w * 0.86), QPointF(w * 0.5, w * 0.64));
}

void up(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    pen(p, s);
    p.drawPolyline(QPolygonF { QPointF(w * 0.2, w * 0.42), QPointF(w * 0.5, w * 0.12), QPointF(w * 0.8, w * 0.42) });
    p.drawPolyline(QPolygonF { QPointF(w * 0.5, w * 0.14), QPointF(w * 0.5, w * 0.62), QPointF(w * 0.2, w * 0.86) });
}

void drives(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    pen(p, s);
    p.drawRoundedRect(QRectF(w * 0.1, w * 0.3, w * 0.8, w * 0.42), w * 0.08, w * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawEllipse(QPointF(w * 0.72, w * 0.51), w * 0.07, w * 0.07);
}

void defaultFolder(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    // A star: this folder opens first.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0 ? 0.44 : 0.19) * w;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(w * 0.5 + r * std::cos(a), w * 0.54 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    pen(p, s);
    p.setPen(QPen(light, w * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(star);
}

// The mode button: a play mark, or a plus, with the next mode's colour.
void modePlay(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    QPainterPath play;
    play.moveTo(w * 0.26, w * 0.14);
    play.lineTo(w * 0.84, w * 0.5);
    play.lineTo(w * 0.26, w * 0.86);
    play.closeSubpath();
    p.fillPath(play, QColor(0xff, 0xa8, 0x45));
}

void modeAdd(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    p.setPen(QPen(QColor(0x6c, 0xd0, 0x6a), w * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.5, w * 0.14), QPointF(w * 0.5, w * 0.86));
    p.drawLine(QPointF(w * 0.14, w * 0.5), QPointF(w * 0.86, w * 0.5));
}

void emptyList(QPainter& p, QSizeF s)
{
    const qreal w = s.width();
    pen(p, s);
    p.drawLine(QPointF(w * 0.12, w * 0.24), QPointF(w * 0.88, w * 0.24));
    p.drawPolyline(QPolygonF { QPointF(w * 0.22, w * 0.24), QPointF(w * 0.28, w * 0.9), QPointF(w * 0.72, w * 0.9),
                               QPointF(w * 0.78, w * 0.24) });
    p.drawLine(QPointF(w * 0.4, w * 0.1), QPointF(w * 0.6, w * 0.1));
    p.setPen(QPen(light, w * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.42, w * 0.4), QPointF(w * 0.42, w * 0.76));
    p.drawLine(QPointF(w * 0.58, w * 0.4), QPointF(w * 0.58, w * 0.76));
}
}

void BrowseArt::drawAll(const Save& save)
{
    const QSize icon(25, 25), button(40, 40), tool(22, 22);
    save(QStringLiteral("folder"), icon, folder);
    save(QStringLiteral("music"), icon, music);
    save(QStringLiteral("movie"), icon, movie);
    save(QStringLiteral("playlist"), icon, playlist);
    save(QStringLiteral("unknown"), icon, unknown);
    save(QStringLiteral("Play"), button, playButton);
    save(QStringLiteral("Add"), button, addButton);
    save(QStringLiteral("Delete"), button, deleteButton);
    save(QStringLiteral("home"), tool, home);
    save(QStringLiteral("up"), tool, up);
    save(QStringLiteral("drives"), tool, drives);
    save(QStringLiteral("defaultFolder"), tool, defaultFolder);
    save(QStringLiteral("Mode-Play"), tool, modePlay);
    save(QStringLiteral("Mode-Add"), tool, modeAdd);
    save(QStringLiteral("Empty"), tool, emptyList);
    // The modes: lit orange while on, grey while off.
    for (const auto& [name, glyph] : { std::pair { "Loop", SkinArt::Glyph::Loop }, std::pair { "Repeat", SkinArt::Glyph::Repeat },
                                       std::pair { "Random", SkinArt::Glyph::Shuffle } }) {
        save(QString::fromLatin1(name), tool, SkinArt::glyphOnly(glyph, dim));
        save(QString::fromLatin1(name) + QStringLiteral("_Yes"), tool, SkinArt::glyphOnly(glyph, orange));
    }
}
