// Draws the interface images of the application bundle. Run
// scripts/make-images.sh after changing a drawing; the PNGs it writes into
// resources/images are committed, at 1x and @2x for high-density displays.
#include "BrowseArt.h"
#include "KnobArt.h"
#include "SkinArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <tuple>

namespace {
using Drawing = std::function<void(QPainter&, QSizeF)>;

// How one skin is written: the scales, and a turn of the colour wheel that
// makes a variant of the shipped skin (0 for the shipped one).
struct Variant {
    QList<int> scales { 1, 2 };
    int hueShift = 0;
};

// Only coloured pixels turn; the greys of the metal stay as they are.
QColor shifted(const QColor& colour, int hueShift)
{
    if (hueShift == 0 || colour.hsvHue() < 0 || colour.hsvSaturation() < 60)
        return colour;
    return QColor::fromHsv((colour.hsvHue() + hueShift) % 360, colour.hsvSaturation(), colour.value(), colour.alpha());
}

void recolour(QImage& image, int hueShift)
{
    if (hueShift == 0)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = shifted(QColor::fromRgba(line[x]), hueShift).rgba();
    }
}

void save(const QString& folder, const QString& name, QSize size, const Drawing& draw, const Variant& variant = {})
{
    for (int scale : variant.scales) {
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p, QSizeF(size));
        p.end();
        if (variant.hueShift != 0) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            recolour(image, variant.hueShift);
        }
        const QString file = folder + u'/' + name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
        if (!image.save(file))
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    }
}

// A list row: dark graphite with a soft highlight at the top and a crisp
// separator at the bottom. The left 30 points carry a faint glow that stays
// put while the rest stretches.
void tableRowBackground(QPainter& p, QSizeF s)
{
    QLinearGradient fill(0, 0, 0, s.height());
    fill.setColorAt(0, QColor(0x2b, 0x2d, 0x33));
    fill.setColorAt(1, QColor(0x1f, 0x20, 0x25));
    p.fillRect(QRectF(QPointF(0, 0), s), fill);
    QLinearGradient glow(0, 0, 30, 0);
    glow.setColorAt(0, QColor(255, 140, 26, 46));
    glow.setColorAt(1, QColor(255, 140, 26, 0));
    p.fillRect(QRectF(0, 0, 30, s.height()), glow);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
}

// A section header: brushed steel, lighter than the rows.
void tableHeader(QPainter& p, QSizeF s)
{
    QLinearGradient fill(0, 0, 0, s.height());
    fill.setColorAt(0, QColor(0x5a, 0x5e, 0x68));
    fill.setColorAt(1, QColor(0x3a, 0x3d, 0x45));
    p.fillRect(QRectF(QPointF(0, 0), s), fill);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 220), 1));
    p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
    p.fillRect(QRectF(0, 0, 2, s.height()), QColor(0xff, 0x8c, 0x1a));
}

// A tick for the chosen row of a list.
void tick(QPainter& p, QSizeF s)
{
    QPainterPath mark;
    mark.moveTo(s.width() * 0.16, s.height() * 0.54);
    mark.lineTo(s.width() * 0.40, s.height() * 0.78);
    mark.lineTo(s.width() * 0.86, s.height() * 0.22);
    p.setPen(QPen(QColor(0, 0, 0, 140), s.width() * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark.translated(0, s.height() * 0.04));
    p.setPen(QPen(QColor(0xff, 0x8c, 0x1a), s.width() * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mark);
}

// The application icon: an orange traffic cone on a round dark remote face.
void appIcon(QPainter& p, QSizeF s)
{
    const QRectF r(QPointF(0, 0), s);
    QPainterPath face;
    face.addRoundedRect(r.adjusted(4, 4, -4, -4), s.width() * 0.22, s.width() * 0.22);
    QLinearGradient bg(0, 0, 0, s.height());
    bg.setColorAt(0, QColor(0x3a, 0x3d, 0x45));
    bg.setColorAt(1, QColor(0x12, 0x13, 0x16));
    p.fillPath(face, bg);
    p.setPen(QPen(QColor(255, 255, 255, 40), s.width() / 128.0));
    p.drawPath(face);
    const qreal w = s.width();
    QPainterPath cone;
    cone.moveTo(w * 0.5, w * 0.16);
    cone.lineTo(w * 0.73, w * 0.74);
    cone.lineTo(w * 0.27, w * 0.74);
    cone.closeSubpath();
    QLinearGradient orange(w * 0.3, 0, w * 0.7, 0);
    orange.setColorAt(0, QColor(0xff, 0xa3, 0x3d));
    orange.setColorAt(1, QColor(0xe0, 0x6a, 0x00));
    p.fillPath(cone, orange);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    for (qreal y : { 0.40, 0.58 }) {
        const qreal half = 0.05 + (y - 0.16) * 0.40;
        QPainterPath band;
        band.moveTo(w * (0.5 - half), w * y);
        band.lineTo(w * (0.5 + half), w * y);
        band.lineTo(w * (0.5 + half + 0.025), w * (y + 0.06));
        band.lineTo(w * (0.5 - half - 0.025), w * (y + 0.06));
        band.closeSubpath();
        p.drawPath(band);
    }
    p.setBrush(QColor(0xe0, 0x6a, 0x00).darker(120));
    p.drawRoundedRect(QRectF(w * 0.2, w * 0.74, w * 0.6, w * 0.08), w * 0.02, w * 0.02);
    // A remote's signal arcs.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xff, 0x8c, 0x1a, 200), w * 0.035, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 2; ++i) {
        const qreal rad = w * (0.09 + 0.07 * i);
        p.drawArc(QRectF(w * 0.60 - rad, w * 0.30 - rad, rad * 2, rad * 2), 15 * 16, 60 * 16);
    }
}

// The images of a skin.
void drawSkin(const QString& skin, const Variant& variant)
{
    using SkinArt::Glyph;
    using SkinArt::Look;
    const struct {
        const char* name;
        Glyph glyph;
        int size;
        bool large;
    } buttons[] = {
        { "play", Glyph::Play, 76, true },          { "pause", Glyph::Pause, 76, true },
        { "stop", Glyph::Stop, 52, false },         { "previous", Glyph::Previous, 52, false },
        { "next", Glyph::Next, 52, false },         { "skipback", Glyph::SkipBack, 52, false },
        { "skipforward", Glyph::SkipForward, 52, false }, { "volumedown", Glyph::Minus, 44, false },
        { "volumeup", Glyph::Plus, 44, false },     { "shuffle", Glyph::Shuffle, 44, false },
        { "loop", Glyph::Loop, 44, false },         { "repeat", Glyph::Repeat, 44, false },
        { "dvdup", Glyph::Up, 56, false },          { "dvddown", Glyph::Down, 56, false },
        { "dvdleft", Glyph::Left, 56, false },      { "dvdright", Glyph::Right, 56, false },
        { "dvdselect", Glyph::Select, 64, true },   { "dvdmenu", Glyph::Menu, 48, false },
    };
    for (const auto& b : buttons) {
        const QString name = QString::fromLatin1(b.name);
        const QSize size(b.size, b.size);
        save(skin, name, size, SkinArt::roundButton(b.glyph, Look::Normal, b.large), variant);
        save(skin, name + QStringLiteral("_down"), size, SkinArt::roundButton(b.glyph, Look::Pressed, b.large), variant);
        save(skin, name + QStringLiteral("_disabled"), size, SkinArt::roundButton(b.glyph, Look::Disabled, b.large), variant);
    }
    // Mode buttons show a dim glyph while their mode is off.
    for (const auto& [name, glyph] : { std::pair { "shuffle", Glyph::Shuffle }, std::pair { "loop", Glyph::Loop },
                                       std::pair { "repeat", Glyph::Repeat } })
        save(skin, QString::fromLatin1(name) + QStringLiteral("_off"), { 44, 44 },
             SkinArt::roundButton(glyph, Look::Dim), variant);
    save(skin, QStringLiteral("background_portrait"), { 390, 672 }, SkinArt::background(true), variant);
    save(skin, QStringLiteral("background_landscape"), { 760, 314 }, SkinArt::background(false), variant);
    save(skin, QStringLiteral("row"), { 370, 44 }, SkinArt::rowBackground(false), variant);
    save(skin, QStringLiteral("row_selected"), { 370, 44 }, SkinArt::rowBackground(true), variant);
    save(skin, QStringLiteral("track_filled"), { 40, 24 }, SkinArt::trackImage(true), variant);
    save(skin, QStringLiteral("track_empty"), { 40, 24 }, SkinArt::trackImage(false), variant);
    save(skin, QStringLiteral("thumb"), { 26, 26 }, SkinArt::thumbImage(), variant);
    save(skin, QStringLiteral("art_frame"), { 66, 66 }, SkinArt::artFrame(), variant);
    save(skin, QStringLiteral("art_placeholder"), { 60, 60 }, SkinArt::artPlaceholder(), variant);
}

// The shipped definition with its colours turned like the images.
void writeVariantDefinition(const QString& from, const QString& to, const Variant& variant)
{
    QFile in(from + QStringLiteral("/SkinDefinition.xml"));
    in.open(QIODevice::ReadOnly);
    QString text = QString::fromUtf8(in.readAll());
    static const QRegularExpression colour(QStringLiteral("Colour=\"([0-9.]+),([0-9.]+),([0-9.]+),([0-9.]+)\""));
    QString out;
    qsizetype last = 0;
    for (auto it = colour.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QColor c = shifted(QColor::fromRgbF(m.captured(1).toFloat(), m.captured(2).toFloat(), m.captured(3).toFloat(),
                                                  m.captured(4).toFloat()), variant.hueShift);
        out += text.mid(last, m.capturedStart() - last);
        out += QStringLiteral("Colour=\"%1,%2,%3,%4\"").arg(c.redF(), 0, 'g', 2).arg(c.greenF(), 0, 'g', 2)
                   .arg(c.blueF(), 0, 'g', 2).arg(m.captured(4));
        last = m.capturedEnd();
    }
    out += text.mid(last);
    static const QRegularExpression firstComment(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    // Only the heading comment: the others explain the layout.
    if (const QRegularExpressionMatch heading = firstComment.match(out); heading.hasMatch())
        out.replace(heading.capturedStart(), heading.capturedLength(),
                    QStringLiteral("<!-- Glacier: PlayerLink's own skin with its orange turned ice blue, a sample\n"
                                   "     skin for the tests and the demo. Drawn by tools/imagegen\n"
                                   "     (scripts/make-images.sh). -->"));
    QFile file(to + QStringLiteral("/SkinDefinition.xml"));
    file.open(QIODevice::WriteOnly);
    file.write(out.toUtf8());
}
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/images");
    QDir().mkpath(folder);
    save(folder, QStringLiteral("tableRowBackground"), { 320, 50 }, tableRowBackground);
    save(folder, QStringLiteral("tableHeader"), { 320, 24 }, tableHeader);
    save(folder, QStringLiteral("playerlink"), { 128, 128 }, appIcon);
    // The desktop's icon theme, drawn at each size rather than scaled.
    const QString icons = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("resources/icons");
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256, 512 }) {
        const QString sized = QStringLiteral("%1/hicolor/%2x%2/apps").arg(icons).arg(size);
        QDir().mkpath(sized);
        save(sized, QStringLiteral("playerlink"), { size, size }, appIcon, Variant { { 1 }, 0 });
    }
    save(folder, QStringLiteral("sliderMinTrack"), { 40, 24 }, SkinArt::trackImage(true));
    save(folder, QStringLiteral("sliderMaxTrack"), { 40, 24 }, SkinArt::trackImage(false));
    save(folder, QStringLiteral("sliderThumb"), { 24, 24 }, SkinArt::thumbImage());
    save(folder, QStringLiteral("fullscreen"), { 20, 20 }, SkinArt::fullscreenIcon());
    save(folder, QStringLiteral("tick"), { 22, 22 }, tick);
    save(folder, QStringLiteral("rotator"), { 320, 320 }, KnobArt::rotator);
    // The DVD screen's buttons.
    for (const auto& [name, glyph, size] : { std::tuple { "dvdUp", SkinArt::Glyph::Up, 72 },
                                             std::tuple { "dvdDown", SkinArt::Glyph::Down, 72 },
                                             std::tuple { "dvdLeft", SkinArt::Glyph::Left, 72 },
                                             std::tuple { "dvdRight", SkinArt::Glyph::Right, 72 },
                                             std::tuple { "dvdSelect", SkinArt::Glyph::Select, 84 },
                                             std::tuple { "dvdMenu", SkinArt::Glyph::Menu, 60 } }) {
        const bool large = glyph == SkinArt::Glyph::Select;
        save(folder, QString::fromLatin1(name), { size, size }, SkinArt::roundButton(glyph, SkinArt::Look::Normal, large));
        save(folder, QString::fromLatin1(name) + QStringLiteral("_down"), { size, size },
             SkinArt::roundButton(glyph, SkinArt::Look::Pressed, large));
    }

    BrowseArt::drawAll([&folder](const QString& name, QSize size, const BrowseArt::Drawing& draw) { save(folder, name, size, draw); });

    // The shipped skin.
    const QString skin = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("resources/DefaultSkin");
    QDir().mkpath(skin);
    drawSkin(skin, {});
    // Glacier, the sample skin of the tests and the demo: the shipped one
    // turned from orange to ice blue, at 1x only to stay small.
    if (argc > 3) {
        const QString glacier = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(glacier);
        const Variant blue { { 1 }, 175 };
        drawSkin(glacier, blue);
        writeVariantDefinition(skin, glacier, blue);
    }
    return 0;
}
