#include "TestSupport.h"
#include "ui/Rotator.h"
#include "ui/RotatorDelegate.h"

#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double pi = M_PI;

struct Recorder : RotatorDelegate {
    std::vector<float> changes;
    std::vector<float> stops;
    void rotatorValueChangedTo(float v) override { changes.push_back(v); }
    void rotatorStoppedChangingAt(float v) override { stops.push_back(v); }
};

// A 200-point knob limited to ten turns either way.
struct Knob {
    Rotator rotator;
    Recorder recorder;
    Knob()
    {
        rotator.resize(200, 200);
        rotator.setMinValue(-10);
        rotator.setMaxValue(10);
        rotator.setDelegate(&recorder);
    }
    // The point at an angle (from straight down, through right) on a circle
    // around the centre.
    static QPointF at(double angle) { return { 100 + 80 * std::sin(angle), 100 + 80 * std::cos(angle) }; }
    void mouse(QEvent::Type type, QPointF p, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, p, rotator.mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&rotator, &event);
    }
    void drag(std::initializer_list<double> angles)
    {
        auto it = angles.begin();
        mouse(QEvent::MouseButtonPress, at(*it), Qt::LeftButton);
        for (++it; it != angles.end(); ++it)
            mouse(QEvent::MouseMove, at(*it), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at(*(angles.end() - 1)), Qt::NoButton);
    }
    void wheel(int units)
    {
        QWheelEvent event(QPointF(100, 100), rotator.mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, units),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&rotator, &event);
    }
};
}

TEST(Rotator, AnglesRunFromStraightDownThroughRightUpAndLeft)
{
    const QSizeF size(100, 100);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 50, 90 }, size), 0);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 90, 50 }, size), pi / 2);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 50, 10 }, size), pi);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 10, 50 }, size), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 50, 50 }, size), 0);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 90, 90 }, size), pi / 4);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 90, 10 }, size), 3 * pi / 4);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 10, 10 }, size), 5 * pi / 4);
    EXPECT_DOUBLE_EQ(Rotator::angleOfPoint({ 10, 90 }, size), 7 * pi / 4);
}

TEST(Rotator, TurningAcrossStraightDownMovesByTheSmallAngle)
{
    Knob k;
    // Clockwise on screen (the angle falls) raises the value.
    k.drag({ pi / 2, pi / 4, 0.1 });
    EXPECT_NEAR(k.rotator.value(), (pi / 2 - 0.1) / (2 * pi), 1e-6);
    const float before = k.rotator.value();
    k.drag({ 0.1, 2 * pi - 0.1 });
    EXPECT_NEAR(k.rotator.value() - before, 0.2 / (2 * pi), 1e-6) << "not a whole turn";
    k.drag({ 2 * pi - 0.1, 0.1 });
    EXPECT_NEAR(k.rotator.value(), before, 1e-6) << "counter-clockwise back across";
    // Through points level with, above and below the centre: no jump.
    k.drag({ pi / 2 + 0.05, pi / 2, pi / 2 - 0.05, 0, 2 * pi - 0.05, 3 * pi / 2, pi, pi / 2 });
    EXPECT_NEAR(k.rotator.value(), before + 1.0 + 0.05 / (2 * pi), 1e-6) << "one clockwise turn and a little";
    EXPECT_EQ(k.recorder.stops.size(), 4u) << "each lift says where the knob stopped";
}

TEST(Rotator, StopsAtItsLimitsAndTellsOfATapToo)
{
    Knob k;
    k.wheel(120);
    EXPECT_NEAR(k.rotator.value(), 1.0 / 24, 1e-6) << "one notch is a twenty-fourth of a turn";
    k.wheel(120 * 24 * 12);
    EXPECT_FLOAT_EQ(k.rotator.value(), 10.0f);
    k.wheel(-120 * 24 * 25);
    EXPECT_FLOAT_EQ(k.rotator.value(), -10.0f);
    EXPECT_TRUE(waitUntil([&] { return !k.recorder.stops.empty(); }, 2000)) << "the wheel comes to rest";

    k.recorder.stops.clear();
    k.drag({ 1.0 });
    ASSERT_EQ(k.recorder.stops.size(), 1u);
    EXPECT_FLOAT_EQ(k.recorder.stops[0], -10.0f);
}

TEST(Rotator, ArrowKeysTurnItWhileFocused)
{
    Knob k;
    k.rotator.show();
    k.rotator.setFocus();
    QTest::keyClick(&k.rotator, Qt::Key_Right);
    QTest::keyClick(&k.rotator, Qt::Key_Up);
    EXPECT_NEAR(k.rotator.value(), 2.0 / 24, 1e-6);
    QTest::keyClick(&k.rotator, Qt::Key_Down);
    EXPECT_NEAR(k.rotator.value(), 1.0 / 24, 1e-6);
    EXPECT_EQ(k.recorder.changes.size(), 3u);
    EXPECT_EQ(k.recorder.stops.size(), 3u) << "a key let go ends the turn";
}

TEST(Rotator, SetValueAnimatesWithoutTellingTheDelegate)
{
    Knob k;
    k.rotator.setValue(15.0f);
    EXPECT_TRUE(k.rotator.isAnimating());
    EXPECT_LT(k.rotator.value(), 1.0f) << "it turns, it does not jump";
    ASSERT_TRUE(waitUntil([&] { return !k.rotator.isAnimating(); }, 3000));
    EXPECT_FLOAT_EQ(k.rotator.value(), 15.0f) << "the program may go beyond the finger's limits";
    EXPECT_TRUE(k.recorder.changes.empty() && k.recorder.stops.empty());
}
