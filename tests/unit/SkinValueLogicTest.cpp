// The value logic of a skin's zoom sliders and time/volume wheels, without
// any view. Time is a manual clock; the tests take the glide's steps.

#include "TestSupport.h"
#include "models/skin/TimeVolumeWheels.h"
#include "models/skin/ZoomScale.h"
#include "models/skin/ZoomScaleDrawing.h"
#include "models/skin/ZoomTickSchemes.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {
// A 300-pixel scale over 0-1000 at two pixels per unit, value 100.
struct Scale {
    ManualClock clock;
    ZoomScale scale;
    QSignalSpy informed { &scale, &ZoomScale::userChangedValue };
    Scale()
    {
        scale.setWidth(300);
        scale.setMaximumValue(1000);
        scale.setZoom(2);
        scale.setValue(100);
    }
    void drag(std::initializer_list<double> xs, double secondsPerStep)
    {
        auto x = xs.begin();
        scale.touchesBegan({ QPointF(*x, 20) }, 1);
        for (++x; x != xs.end(); ++x) {
            clock.advance(secondsPerStep);
            scale.touchesMoved({ QPointF(*x, 20) });
        }
    }
};
}

TEST(ZoomScale, ValuesAreClampedAndComparedBeforeClamping)
{
    ZoomScale scale;
    scale.setWidth(300);
    scale.setMaximumValue(200);
    QSignalSpy changed(&scale, &ZoomScale::valueChanged);
    scale.setValue(250);
    EXPECT_EQ(scale.value(), 200);
    scale.setValue(250); // differs from the stored 200, stores 200 again
    EXPECT_EQ(scale.value(), 200);
    EXPECT_EQ(changed.count(), 1);
    // A new maximum fits the whole range across the control.
    scale.setMaximumValue(600);
    EXPECT_DOUBLE_EQ(scale.zoom(), 0.5);
}

TEST(ZoomScale, ADragMovesTheValueAndTellsEveryStep)
{
    Scale s;
    s.drag({ 150, 140 }, 0.05); // ten pixels left at zoom 2
    EXPECT_DOUBLE_EQ(s.scale.value(), 105);
    ASSERT_EQ(s.informed.count(), 1);
    EXPECT_TRUE(s.scale.isMoving());
    s.clock.advance(0.5); // rested before lifting: no glide
    s.scale.touchesEnded();
    EXPECT_FALSE(s.scale.isMoving());
}

TEST(ZoomScale, AFlickGlidesHalfASecondAndTellsOnlyWhereItStops)
{
    Scale s;
    s.drag({ 150, 130 }, 0.02); // 1000 pixels per second
    s.scale.touchesEnded();
    ASSERT_TRUE(s.scale.isMoving());
    const int before = s.informed.count();
    int steps = 0;
    while (s.scale.isMoving() && steps < 100) {
        EXPECT_EQ(s.informed.count(), before);
        s.clock.advance(0.02);
        s.scale.doMomentum();
        ++steps;
    }
    EXPECT_NEAR(steps, 25, 1); // half a second
    ASSERT_EQ(s.informed.count(), before + 1);
    // 20 pixels dragged, then about 250 glided, at two pixels per unit.
    EXPECT_NEAR(s.informed.last().at(0).toDouble(), 100 + 10 + 125, 6);
}

TEST(ZoomScale, PinchZoomsAndADoubleTapFitsTheRange)
{
    Scale s;
    s.scale.setMaxZoom(3);
    s.scale.touchesBegan({ QPointF(100, 20), QPointF(200, 20) }, 1);
    s.scale.touchesMoved({ QPointF(75, 20), QPointF(225, 20) });
    EXPECT_DOUBLE_EQ(s.scale.zoom(), 3); // 2 × 1.5
    s.scale.touchesMoved({ QPointF(0, 20), QPointF(300, 20) });
    EXPECT_DOUBLE_EQ(s.scale.zoom(), 3); // held at maxZoom
    s.scale.touchesEnded();
    s.scale.touchesBegan({ QPointF(150, 20) }, 2);
    EXPECT_DOUBLE_EQ(s.scale.zoom(), 0.3);
    // The rest of that touch is ignored.
    s.scale.touchesMoved({ QPointF(100, 20) });
    EXPECT_DOUBLE_EQ(s.scale.value(), 100);
}

TEST(ZoomScale, MovingTheValueShiftsTheDrawingUntilItDriftsHalfAWidth)
{
    Scale s;
    QSignalSpy redraws(&s.scale, &ZoomScale::redrawNeeded);
    s.scale.setValue(150); // 100 pixels
    EXPECT_EQ(redraws.count(), 0);
    EXPECT_DOUBLE_EQ(s.scale.innerX(), 150 - 450 - 100);
    s.scale.setValue(180); // 160 pixels from the centred place
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_DOUBLE_EQ(s.scale.offsetPixels(), -450);
    EXPECT_DOUBLE_EQ(s.scale.innerLeftValue(), 180 - 225);
}

TEST(ZoomScaleDrawing, ALongPositionFitsWithCoarseTicksAndLabels)
{
    ZoomScale scale;
    scale.setWidth(320);
    scale.setMaximumValue(7200);
    EXPECT_NEAR(scale.zoom(), 320.0 / 7200, 1e-9);
    scale.setTicks(ZoomTickSchemes::position(scale.zoom()));
    EXPECT_EQ(scale.ticks(), (ZoomTickSchemes::Ticks { 3600, 900, 60, 900 }));
    // Everything from the marker on lies within the scale's three widths.
    const ZoomScaleDrawing drawing = ZoomScaleDrawing::layout(scale, 960, 40, ZoomTickSchemes::positionLabel);
    QStringList labels;
    for (const ZoomScaleDrawing::Label& label : drawing.labels)
        labels << label.text;
    EXPECT_EQ(labels, QStringList({ "0:00", "15:00", "30:00", "45:00", "1:00:00", "1:15:00", "1:30:00", "1:45:00", "2:00:00" }));
    EXPECT_EQ(drawing.ticks.size(), 121u);
    EXPECT_EQ(drawing.ticks.front().size, ZoomScaleDrawing::TickSize::Large);
}

TEST(ZoomTickSchemes, TicksCoarsenWithTheZoomAndLabelsReadTimes)
{
    EXPECT_EQ(ZoomTickSchemes::volume(1.5), (ZoomTickSchemes::Ticks { 100, 10, 0, 50 }));
    EXPECT_EQ(ZoomTickSchemes::volume(51), (ZoomTickSchemes::Ticks { 100, 10, 1, 10 }));
    EXPECT_EQ(ZoomTickSchemes::position(50), (ZoomTickSchemes::Ticks { 3600, 60, 1, 10 }));
    EXPECT_EQ(ZoomTickSchemes::position(0.04), (ZoomTickSchemes::Ticks { 3600, 900, 0, 3600 }));
    EXPECT_EQ(ZoomTickSchemes::positionLabel(3725), u"1:02:05");
    EXPECT_EQ(ZoomTickSchemes::positionLabel(65), u"1:05");
}

TEST(TimeVolumeWheels, RowsReadMinutesHoursSecondsAndVolume)
{
    TimeVolumeWheels wheels;
    wheels.update(5400, 0, 0);
    EXPECT_EQ(wheels.rowCount(TimeVolumeWheels::MinutesWheel), 90); // no minute 90 in a film of 90:00
    EXPECT_EQ(TimeVolumeWheels::rowText(TimeVolumeWheels::MinutesWheel, 75), u"1:15");
    EXPECT_EQ(TimeVolumeWheels::rowText(TimeVolumeWheels::MinutesWheel, 5), u"5");
    EXPECT_EQ(TimeVolumeWheels::rowText(TimeVolumeWheels::SecondsWheel, 185), u"5");
    EXPECT_EQ(wheels.rowCount(TimeVolumeWheels::VolumeWheel), 201);
    wheels.setMaxVolume(400);
    EXPECT_EQ(wheels.rowCount(TimeVolumeWheels::VolumeWheel), 401);
}

TEST(TimeVolumeWheels, TheSecondsWheelRollsOnAndStaysInItsMiddleTurns)
{
    TimeVolumeWheels wheels;
    wheels.update(600, 59, 50);
    EXPECT_EQ(wheels.secondsRowCache(), 179);
    EXPECT_EQ(wheels.update(600, 60, 50)->seconds, 180); // reads 0, not back to 120
    const auto jump = wheels.update(600, 660, 50); // whole minutes: seconds stay
    EXPECT_EQ(jump->seconds, 180);
    EXPECT_EQ(jump->minutes, 11);
    EXPECT_FALSE(jump->minutesChanged);
    for (int elapsed = 661; elapsed <= 721; ++elapsed)
        wheels.update(600, elapsed, 50);
    EXPECT_EQ(wheels.secondsRowCache(), 121); // 241 put back, same reading
}

TEST(TimeVolumeWheels, TurnsSeekOrSetTheVolumeAndIgnoreThePlayerMeanwhile)
{
    TimeVolumeWheels wheels;
    wheels.update(600, 125, 50); // seconds row 125, minute 2
    wheels.startSelection();
    EXPECT_FALSE(wheels.update(600, 126, 50)); // the wheel stays under the finger
    const TimeVolumeWheels::Turn seek = wheels.select(TimeVolumeWheels::SecondsWheel, 185, 2, 185);
    // Row 185 counted from the start of row 125's turn (120), plus minute 2: 3:05.
    EXPECT_EQ(seek.seek, 185);
    EXPECT_EQ(seek.secondsRow, 125);
    EXPECT_FALSE(wheels.isInteracting());
    // Settling on the row it showed leaves the wheels held.
    wheels.startSelection();
    EXPECT_FALSE(wheels.select(TimeVolumeWheels::VolumeWheel, 50, 2, 125).volume);
    EXPECT_TRUE(wheels.isInteracting());
    EXPECT_EQ(wheels.select(TimeVolumeWheels::VolumeWheel, 80, 2, 125).volume, 80);
    wheels.startSelection();
    EXPECT_EQ(wheels.select(TimeVolumeWheels::MinutesWheel, 7, 7, 125).seek, 5 + 420);
}

TEST(TimeVolumeWheels, ANotchOfTheMouseWheelTurnsARowAndCountsAtOnce)
{
    TimeVolumeWheels wheels;
    wheels.update(300, 125, 50); // minute 2 of a 5:00 item, seconds row 125
    EXPECT_EQ(wheels.step(TimeVolumeWheels::MinutesWheel, 1, 2, 125).seek, 185);
    EXPECT_FALSE(wheels.isInteracting());
    EXPECT_EQ(wheels.step(TimeVolumeWheels::MinutesWheel, -1, 3, 125).seek, 125);
    EXPECT_EQ(wheels.step(TimeVolumeWheels::VolumeWheel, -2, 2, 125).volume, 48);
    // No row past the last one: a 5:00 item has no minute 5.
    EXPECT_FALSE(wheels.step(TimeVolumeWheels::MinutesWheel, 1, 4, 125).seek);
}
