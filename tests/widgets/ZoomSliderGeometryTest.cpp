// The zoom slider's model: value, range and zoom, the placing of the scale
// with its lazy recentring, frame changes, and what a redraw draws where.

#include "ui/ZoomSlider.h"
#include "ui/ZoomSliderDelegate.h"
#include "ui/ZoomSliderInner.h"
#include "ui/ZoomSliderOverlay.h"
#include "ui/ZoomSliderScroll.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

using Op = ZoomSliderDelegate::Operation;
using Size = ZoomSliderInner::TickSize;

class RecordingDelegate : public ZoomSliderDelegate {
public:
    std::set<Op> answered { Op::AboutToRedraw, Op::TextForValue, Op::ValueChanged, Op::ZoomChanged };
    std::vector<double> values, zooms;
    int redraws = 0;
    int labelIntervalOnRedraw = 0; // 0: leave the slider's

    bool answers(Op op) const override { return answered.count(op) != 0; }
    void zoomSliderAboutToRedraw(ZoomSlider* slider) override
    {
        ++redraws;
        if (labelIntervalOnRedraw)
            slider->setLabelInterval(labelIntervalOnRedraw);
    }
    QString zoomSliderTextForValue(ZoomSlider*, int value) override { return QStringLiteral("<%1>").arg(value); }
    void zoomSliderValueChanged(ZoomSlider*, double value) override { values.push_back(value); }
    void zoomSliderZoomChanged(ZoomSlider*, double zoom) override { zooms.push_back(zoom); }
};

// Where a value shows, in the control's coordinates.
double controlX(const ZoomSlider& slider, double value)
{
    return slider.scroll()->inner()->position() + slider.zoom() * (value - slider.scroll()->innerLeftValue());
}

std::vector<qint64> ticks(const ZoomSliderInner::Drawing& drawing, Size size)
{
    std::vector<qint64> values;
    for (const auto& tick : drawing.ticks)
        if (tick.size == size)
            values.push_back(tick.value);
    return values;
}

QStringList labels(const ZoomSliderInner::Drawing& drawing)
{
    QStringList texts;
    for (const auto& label : drawing.labels)
        texts.append(label.text);
    return texts;
}

// Paints as the screen would; how often has the scale itself been drawn?
int scaleDrawsAfterPaint(ZoomSlider& slider)
{
    (void)slider.grab();
    return slider.scroll()->inner()->drawCount();
}

} // namespace

TEST(ZoomSliderModel, KeepsTheValueUnderTheMarkerAndRedrawsOnlyAfterHalfAWidth)
{
    ZoomSlider slider(QRect(0, 0, 300, 40));
    slider.setMaximumValue(1000);
    slider.setZoom(1);
    ZoomSliderScroll* scroll = slider.scroll();
    // Scale and marker over the whole control, the marker on top; the scale
    // three widths wide, centred.
    EXPECT_GT(slider.children().indexOf(slider.overlay()), slider.children().indexOf(scroll));
    EXPECT_EQ(slider.overlay()->markerRect(), QRectF(145, 0, 10, 40));
    EXPECT_EQ(scroll->inner()->size(), QSize(900, 40));
    EXPECT_DOUBLE_EQ(scroll->offsetPixels(), -450);
    const int drawn = scaleDrawsAfterPaint(slider);

    // Offsets from -450 down to -600 only shift the drawn scale.
    for (double v : { 3.25, 100.0, 150.0 }) {
        slider.setValue(v);
        EXPECT_NEAR(controlX(slider, v), 150, 1e-9);
        EXPECT_EQ(scroll->inner()->x(), int(std::floor(150 + scroll->offsetPixels())));
    }
    EXPECT_DOUBLE_EQ(scroll->offsetPixels(), -600);
    EXPECT_FALSE(scroll->inner()->needsDisplay());
    EXPECT_EQ(scaleDrawsAfterPaint(slider), drawn);

    slider.setValue(151); // one pixel further: recentre and redraw
    EXPECT_DOUBLE_EQ(scroll->offsetPixels(), -450);
    EXPECT_DOUBLE_EQ(scroll->innerLeftValue(), 151 - 450);
    EXPECT_EQ(scaleDrawsAfterPaint(slider), drawn + 1);

    // The other way the limit is -300.
    slider.setValue(1);
    EXPECT_DOUBLE_EQ(scroll->offsetPixels(), -300);
    slider.setValue(0);
    EXPECT_DOUBLE_EQ(scroll->offsetPixels(), -450);
    EXPECT_NEAR(controlX(slider, 0), 150, 1e-9);
    EXPECT_EQ(scaleDrawsAfterPaint(slider), drawn + 2);

    // Zoom and minimum changes redraw, keeping the value in place.
    slider.setZoom(0.37);
    EXPECT_NEAR(controlX(slider, 0), 150, 1e-9);
    EXPECT_EQ(scaleDrawsAfterPaint(slider), drawn + 3);
    slider.setMinimumValue(-10);
    EXPECT_EQ(scaleDrawsAfterPaint(slider), drawn + 4);
}

TEST(ZoomSliderModel, ClampsValuesComparingBeforeClampingAndInformsOnlyWhenAsked)
{
    ZoomSlider slider(QRect(0, 0, 300, 40));
    RecordingDelegate delegate;
    slider.setDelegate(&delegate);
    slider.setMaximumValue(200);

    slider.setValueInform(250, true);
    slider.setValueInform(250, true); // 250 is not the stored 200: again
    slider.setValueInform(200, true); // already held: nothing
    slider.setValueInform(-5, true);
    slider.setValue(50); // the player's updates are not echoed
    EXPECT_EQ(delegate.values, (std::vector<double> { 200, 200, 0 }));
    EXPECT_EQ(slider.value(), 50);

    slider.setZoom(2);
    slider.addPixelsToValue(10);
    EXPECT_EQ(delegate.values.back(), 55);
    delegate.answered.erase(Op::ValueChanged);
    slider.addPixelsToValue(10);
    EXPECT_EQ(slider.value(), 60);
    EXPECT_EQ(delegate.values.size(), 4u);
}

TEST(ZoomSliderModel, ClampsAndReportsTheZoomAndFitsItToNewMaximums)
{
    ZoomSlider slider(QRect(0, 0, 320, 40));
    RecordingDelegate delegate;
    slider.setDelegate(&delegate);
    slider.setMaximumValue(7200);
    EXPECT_DOUBLE_EQ(slider.zoom(), 320.0 / 7200);

    slider.setMinZoom(0.02);
    slider.setMaxZoom(100);
    slider.setZoom(500);
    slider.setZoom(0.001);
    slider.setZoom(2);
    EXPECT_EQ(delegate.zooms, (std::vector<double> { 320.0 / 7200, 100, 0.02, 2 }));

    slider.setValue(5000);
    slider.setMaximumValue(7200); // unchanged: no fit
    EXPECT_EQ(slider.zoom(), 2);
    slider.setMaximumValue(100000);
    EXPECT_EQ(slider.zoom(), 0.02); // the fit is clamped too
    slider.setMaximumValue(3200);
    EXPECT_DOUBLE_EQ(slider.zoom(), 0.1);
    EXPECT_EQ(slider.value(), 5000); // not clamped until the next setValue
    slider.setValue(4000);
    EXPECT_EQ(slider.value(), 3200);

    // A new minimum does not fit; an empty range leaves the zoom alone.
    slider.setMinimumValue(100);
    EXPECT_DOUBLE_EQ(slider.zoom(), 0.1);
    slider.setMaximumValue(100);
    slider.zoomToFit();
    EXPECT_DOUBLE_EQ(slider.zoom(), 0.1);
}

TEST(ZoomSliderModel, FrameChangesKeepTheVisibleSpanHoweverTheSizeIsSet)
{
    QWidget host;
    host.resize(800, 100);
    auto* slider = new ZoomSlider(QRect(0, 0, 300, 40), &host);
    slider->setMaximumValue(1000);
    slider->setZoom(2);
    slider->setValue(100);

    slider->setFrame(QRect(5, 5, 300, 40)); // the first change only records the width
    EXPECT_EQ(slider->zoom(), 2);
    EXPECT_EQ(slider->previousWidth(), 300);
    slider->setFrame(QRect(5, 5, 600, 50));
    EXPECT_DOUBLE_EQ(slider->zoom(), 4);
    EXPECT_EQ(slider->scroll()->geometry(), QRect(0, 0, 600, 50));
    EXPECT_EQ(slider->scroll()->inner()->size(), QSize(1800, 50));
    EXPECT_NEAR(controlX(*slider, 100), 300, 1e-9);
    slider->setFrame(QRect(5, 5, 0, 50)); // neither rescales nor is remembered
    EXPECT_EQ(slider->previousWidth(), 600);

    // Sized like any widget: hidden ones when shown, shown ones at once.
    slider->resize(300, 40);
    EXPECT_DOUBLE_EQ(slider->zoom(), 4);
    host.show();
    EXPECT_DOUBLE_EQ(slider->zoom(), 2);
    slider->resize(450, 40);
    EXPECT_DOUBLE_EQ(slider->zoom(), 3);
    EXPECT_EQ(slider->overlay()->width(), 450);
}

TEST(ZoomSliderDrawing, PlacesTicksLabelsAndBandForTheZoomAndValue)
{
    ZoomSlider slider(QRect(0, 0, 100, 40));
    slider.setMaximumValue(20);
    slider.setZoom(10);
    ZoomSliderInner* inner = slider.scroll()->inner();
    ASSERT_DOUBLE_EQ(slider.scroll()->innerLeftValue(), -15);

    // The inner view spans -15 to 15; the range starts at 0.
    const ZoomSliderInner::Drawing drawing = inner->layout();
    EXPECT_EQ(ticks(drawing, Size::Large), (std::vector<qint64> { 0, 10 }));
    EXPECT_EQ(ticks(drawing, Size::Medium), (std::vector<qint64> { 5, 15 }));
    EXPECT_EQ(ticks(drawing, Size::Small).size(), 12u);
    EXPECT_EQ(labels(drawing), (QStringList { "0", "10" }));
    EXPECT_EQ(drawing.labels.at(1).baseline, QPointF(10 * 25 + 3, 10));
    for (const auto& tick : drawing.ticks) {
        const double height = tick.size == Size::Large ? 32 : tick.size == Size::Medium ? 16 : 8;
        EXPECT_DOUBLE_EQ(tick.x, 10 * (tick.value + 15) + 1);
        EXPECT_DOUBLE_EQ(tick.bottom, 36);
        EXPECT_DOUBLE_EQ(tick.bottom - tick.top, height);
    }
    EXPECT_EQ(drawing.band, QRectF(150, 2, 150, 36));

    // At the maximum the ticks stop at 20 and the band ends 35 pixels past.
    slider.setValue(20);
    const ZoomSliderInner::Drawing atEnd = inner->layout();
    EXPECT_EQ(atEnd.ticks.front().value, 5);
    EXPECT_EQ(atEnd.ticks.back().value, 20);
    EXPECT_EQ(labels(atEnd), (QStringList { "10", "20" }));
    EXPECT_EQ(atEnd.band, QRectF(0, 2, 185, 36));
    // A label that would run past the end of the range stands left of its
    // tick, so it is never cut by the track's end.
    const double endX = atEnd.ticks.back().x - 1;
    const double width = QFontMetricsF(ZoomSliderInner::labelFont()).horizontalAdvance(QStringLiteral("20"));
    EXPECT_LE(atEnd.labels.back().baseline.x() + width, endX);
    EXPECT_EQ(atEnd.labels.front().baseline.x(), 10 * (10 - 5) + 3) << "the others stay right of theirs";
}

TEST(ZoomSliderDrawing, UsesIntegerPartsOfTheRangeAndSkipsAbsentSpacings)
{
    ZoomSlider slider(QRect(0, 0, 100, 40));
    slider.setMinimumValue(-5.5);
    slider.setMaximumValue(5.5);
    slider.setZoom(10);
    slider.setMediumTick(0);
    slider.setLabelInterval(2);
    const ZoomSliderInner::Drawing drawing = slider.scroll()->inner()->layout();
    EXPECT_EQ(drawing.ticks.front().value, -5);
    EXPECT_EQ(drawing.ticks.back().value, 5);
    EXPECT_TRUE(ticks(drawing, Size::Medium).empty());
    EXPECT_EQ(labels(drawing), (QStringList { "-4", "-2", "0", "2", "4" }));
    EXPECT_EQ(drawing.band, QRectF(100, 2, 135, 36));

    slider.setSmallTick(0);
    slider.setLabelInterval(0); // unsupported: no labels rather than a crash
    const ZoomSliderInner::Drawing sparse = slider.scroll()->inner()->layout();
    EXPECT_EQ(sparse.ticks.size(), 1u);
    EXPECT_TRUE(sparse.labels.empty());
}

TEST(ZoomSliderDrawing, AsksTheDelegateBeforeEachRedrawAndForTextsOnlyWhenItAnswers)
{
    ZoomSlider slider(QRect(0, 0, 100, 40));
    slider.setMaximumValue(20);
    slider.setZoom(10);
    RecordingDelegate delegate;
    delegate.labelIntervalOnRedraw = 5;
    slider.setDelegate(&delegate);
    ZoomSliderInner* inner = slider.scroll()->inner();

    EXPECT_EQ(labels(inner->prepareDrawing()), (QStringList { "<0>", "<5>", "<10>", "<15>" }));
    delegate.answered = { Op::AboutToRedraw };
    EXPECT_EQ(labels(inner->prepareDrawing()), (QStringList { "0", "5", "10", "15" }));
    delegate.answered.clear();
    slider.setLabelInterval(10);
    EXPECT_EQ(labels(inner->prepareDrawing()), (QStringList { "0", "10" }));
    EXPECT_EQ(delegate.redraws, 2);

    // Painting asks before drawing the scale, and moving does not redraw.
    delegate.answered = { Op::AboutToRedraw };
    slider.setZoom(9);
    scaleDrawsAfterPaint(slider);
    slider.setValue(2);
    scaleDrawsAfterPaint(slider);
    EXPECT_EQ(delegate.redraws, 3);
}
