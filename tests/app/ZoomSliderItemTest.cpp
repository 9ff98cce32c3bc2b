// The Qt Quick zoom slider through real mouse, touch and wheel events on a
// window. Time is a manual clock; the tests take the glide's steps.

#include "SkinStageWindow.h"
#include "TestSupport.h"
#include "models/skin/ZoomScale.h"
#include "app/skin/ZoomScaleItem.h"
#include "app/skin/ZoomSliderItem.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A 300 × 40 slider over 0-1000 at two pixels per unit, value 100.
struct SliderWindow {
    ManualClock clock;
    QQuickView view;
    std::unique_ptr<QPointingDevice> touchScreen { QTest::createTouchDevice() };
    ZoomSliderItem* slider = nullptr;
    std::unique_ptr<QSignalSpy> informed;

    SliderWindow()
    {
        loadQml(view, "import PlayerLink\nZoomSlider { width: 300; height: 40; maximumValue: 1000 }");
        slider = qobject_cast<ZoomSliderItem*>(view.rootObject());
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        slider->scale().setZoom(2);
        slider->setPlayerValue(100);
        informed = std::make_unique<QSignalSpy>(slider, &ZoomSliderItem::userChangedValue);
    }
    QTest::QTouchEventSequence touch() { return QTest::touchEvent(&view, touchScreen.get()); }
    void glideToRest()
    {
        for (int i = 0; i < 100 && slider->isMoving(); ++i) {
            clock.advance(0.02);
            slider->scale().doMomentum();
        }
    }
};
}

TEST(ZoomSliderItem, AMouseDragMovesTheValueAndKeepsItFromThePlayer)
{
    SliderWindow w;
    QTest::mousePress(&w.view, Qt::LeftButton, {}, QPoint(150, 20));
    w.clock.advance(0.05);
    QTest::mouseMove(&w.view, QPoint(140, 20));
    EXPECT_TRUE(waitUntil([&] { return w.slider->value() == 105; })); // ten pixels left at zoom 2
    // The player's value waits while the finger is on the scale.
    w.slider->setPlayerValue(300);
    EXPECT_DOUBLE_EQ(w.slider->value(), 105);
    w.clock.advance(0.5);
    QTest::mouseRelease(&w.view, Qt::LeftButton, {}, QPoint(140, 20));
    EXPECT_FALSE(w.slider->isMoving());
    ASSERT_EQ(w.informed->count(), 1);
    EXPECT_DOUBLE_EQ(w.informed->at(0).at(0).toDouble(), 105);
    w.slider->setPlayerValue(310);
    EXPECT_DOUBLE_EQ(w.slider->value(), 310);
}

TEST(ZoomSliderItem, AFlickGlidesAndANewRangeWaitsForItsEnd)
{
    SliderWindow w;
    w.touch().press(0, QPoint(150, 20));
    w.clock.advance(0.02);
    w.touch().move(0, QPoint(130, 20));
    w.touch().release(0, QPoint(130, 20));
    ASSERT_TRUE(w.slider->isMoving());
    // A new item's length arrives during the glide.
    w.slider->setMaximumValue(5000);
    EXPECT_DOUBLE_EQ(w.slider->maximumValue(), 1000);
    const int before = w.informed->count();
    w.glideToRest();
    EXPECT_EQ(w.informed->count(), before + 1);
    EXPECT_GT(w.slider->value(), 200);
    EXPECT_DOUBLE_EQ(w.slider->maximumValue(), 5000);
}

TEST(ZoomSliderItem, TwoFingersPinchADoubleTapFitsCtrlWheelZooms)
{
    SliderWindow w;
    w.touch().press(0, QPoint(100, 20)).press(1, QPoint(200, 20));
    w.touch().move(0, QPoint(50, 20)).move(1, QPoint(250, 20));
    // Moves reach the items with the next frame.
    EXPECT_TRUE(waitUntil([&] { return w.slider->zoom() == 4; }));
    w.touch().release(0, QPoint(50, 20)).release(1, QPoint(250, 20));
    for (int tap = 0; tap < 2; ++tap) {
        w.touch().press(0, QPoint(150, 20));
        w.touch().release(0, QPoint(150, 20));
    }
    EXPECT_DOUBLE_EQ(w.slider->zoom(), 0.3);
    QWheelEvent wheel(QPointF(150, 20), w.view.mapToGlobal(QPointF(150, 20)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&w.view, &wheel);
    EXPECT_DOUBLE_EQ(w.slider->zoom(), 0.3 * ZoomSliderItem::wheelZoomStep);
}

TEST(ZoomSliderItem, MovingTheValueMovesTheDrawnScaleWithoutPaintingIt)
{
    SliderWindow w;
    ZoomScaleItem* scale = w.slider->scaleItem();
    ASSERT_TRUE(waitUntil([&] { return scale->paintCount() > 0; }));
    QTest::qWait(50);
    const int painted = scale->paintCount();
    const double x = scale->x();
    w.slider->setPlayerValue(150); // 100 pixels
    QTest::qWait(50);
    EXPECT_EQ(scale->paintCount(), painted);
    EXPECT_DOUBLE_EQ(scale->x(), x - 100);
    w.slider->setPlayerValue(400); // far beyond half a width
    EXPECT_TRUE(waitUntil([&] { return scale->paintCount() > painted; }));
}

TEST(ZoomSliderItem, AValueIsToldOnlyWhereTheScaleComesToRest)
{
    SliderWindow w;
    QTest::mousePress(&w.view, Qt::LeftButton, {}, QPoint(150, 20));
    for (const int x : { 140, 130, 120 }) {
        w.clock.advance(0.05);
        QTest::mouseMove(&w.view, QPoint(x, 20));
    }
    EXPECT_TRUE(waitUntil([&] { return w.slider->value() == 115; }));
    EXPECT_EQ(w.informed->count(), 0); // the finger is still on it
    w.clock.advance(0.5);
    QTest::mouseRelease(&w.view, Qt::LeftButton, {}, QPoint(120, 20));
    w.glideToRest();
    ASSERT_EQ(w.informed->count(), 1);
    EXPECT_DOUBLE_EQ(w.informed->last().at(0).toDouble(), w.slider->value());
}
