// The zoom slider painted on the remote's dark background: ticks, labels,
// band and marker land on the pixels the layout gives. With
// PLAYERLINK_RENDER_DIR set, the pictures are also written there.

#include "skin/PositionSliderDelegate.h"
#include "skin/VolumeSliderDelegate.h"
#include "ui/UiPalette.h"
#include "ui/ZoomSlider.h"

#include <QDir>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

// A dark panel with the slider at (10, 10).
struct Panel {
    QWidget host;
    ZoomSlider* slider;

    Panel(int width, int height)
    {
        host.resize(width + 20, height + 20);
        host.setAutoFillBackground(true);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, UiPalette::background());
        host.setPalette(palette);
        slider = new ZoomSlider(QRect(10, 10, width, height), &host);
    }

    // Brightness of the slider's pixels, in its own coordinates.
    std::function<int(int, int)> render(const QString& name)
    {
        const QImage image = host.grab().toImage();
        const QString dir = qEnvironmentVariable("PLAYERLINK_RENDER_DIR");
        if (!dir.isEmpty() && QDir().mkpath(dir))
            image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        const qreal dpr = image.devicePixelRatio();
        return [image, dpr](int x, int y) { return qGray(image.pixel(int((x + 10) * dpr), int((y + 10) * dpr))); };
    }
};

const int background = qGray(UiPalette::background().rgb());

} // namespace

TEST(ZoomSliderRender, PaintsTicksLabelsBandAndMarkerWhereTheLayoutPutsThem)
{
    Panel panel(300, 40);
    VolumeSliderDelegate delegate;
    panel.slider->setDelegate(&delegate);
    panel.slider->setMaximumValue(200); // 1.5 px per percent
    panel.slider->setValue(180);
    const auto at = panel.render(QStringLiteral("volume-fit"));

    EXPECT_GT(at(151 - 15, 24), 200); // the medium tick at 170: x 136, y 20–36
    EXPECT_LT(at(151 - 15, 17), 160); // above it, band only
    EXPECT_LT(at(153 - 15, 24), 160); // beside it, band only
    EXPECT_LT(at(151 + 6, 33), 160); // no small tick at 184 at this zoom
    EXPECT_GT(at(147, 1), background + 30); // the translucent marker
    EXPECT_LT(at(147, 1), 160);
    int label = 0; // "150" right of its tick at x 106
    for (int x = 109; x < 126; ++x)
        for (int y = 2; y <= 10; ++y)
            label = std::max(label, at(x, y));
    EXPECT_GT(label, 200);
    // The band reaches 35 pixels past the maximum (at x 180), no further.
    EXPECT_GT(at(200, 20), background + 40);
    EXPECT_EQ(at(230, 20), background);

    // No label is cut by the slider's right edge: "200" at the end of the
    // range, and "150" as the scale passes the edge, stand whole left of
    // their ticks.
    for (const auto& [value, name, from, to] : { std::tuple { 100, "volume-middle", 278, 296 },
                                                 std::tuple { 57, "volume-passing", 269, 286 } }) {
        panel.slider->setValue(value);
        const auto shown = panel.render(QString::fromLatin1(name));
        int edge = 0;
        int whole = 0;
        for (int y = 2; y <= 10; ++y) {
            edge = std::max({ edge, shown(298, y), shown(299, y) });
            for (int x = from; x < to; ++x)
                whole = std::max(whole, shown(x, y));
        }
        EXPECT_LT(edge, 160) << name;
        EXPECT_GT(whole, 200) << name;
    }
}

TEST(ZoomSliderRender, EveryZoomOfAFilmDrawsItsLabels)
{
    Panel panel(320, 44);
    PositionSliderDelegate delegate;
    panel.slider->setDelegate(&delegate);
    panel.slider->setLargeTickColor(UiPalette::accent());
    panel.slider->setTextColor(UiPalette::text());
    panel.slider->setMaximumValue(7200);
    panel.slider->setValue(2000);
    for (double zoom : { 0.0, 0.5, 3.0, 20.0, 80.0 }) {
        if (zoom > 0)
            panel.slider->setZoom(zoom);
        const auto at = panel.render(QStringLiteral("position-zoom-%1").arg(panel.slider->zoom(), 0, 'g', 3));
        int lit = 0;
        for (int x = 0; x < 320; ++x)
            lit += at(x, 7) > 180;
        EXPECT_GT(lit, 2) << zoom;
    }
}
