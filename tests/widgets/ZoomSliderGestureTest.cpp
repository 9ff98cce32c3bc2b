// Dragging, gliding, pinching and double tapping a zoom slider through real
// mouse, touch, wheel and trackpad events. Time is a manual clock; the test
// takes the glide's timer steps itself.

#include "TestSupport.h"
#include "ui/ZoomSlider.h"
#include "ui/ZoomSliderDelegate.h"
#include "ui/ZoomSliderScroll.h"

#include <QApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QTimer>
#include <QTouchEvent>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Op = ZoomSliderDelegate::Operation;
using State = QEventPoint::State;

class RecordingDelegate : public ZoomSliderDelegate {
public:
    std::vector<double> values, zooms;
    bool answers(Op op) const override { return op == Op::ValueChanged || op == Op::ZoomChanged; }
    void zoomSliderValueChanged(ZoomSlider*, double value) override { values.push_back(value); }
    void zoomSliderZoomChanged(ZoomSlider*, double zoom) override { zooms.push_back(zoom); }
};

// A 300 × 40 slider over 0–1000 at two pixels per unit, value 100.
struct Fixture {
    ManualClock clock;
    ZoomSlider slider { QRect(0, 0, 300, 40) };
    RecordingDelegate delegate;
    ZoomSliderScroll* scroll = slider.scroll();

    explicit Fixture(double start = 1'800'000'000.0)
        : clock(start)
    {
        slider.setMaximumValue(1000);
        slider.setZoom(2);
        slider.setValue(100);
        slider.setDelegate(&delegate);
    }

    void mouse(QEvent::Type type, double x, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPointF at(x, 20);
        QMouseEvent event(type, at, scroll->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
        QCoreApplication::sendEvent(scroll, &event);
    }
    void press(double x) { mouse(QEvent::MouseButtonPress, x); }
    void move(double x) { mouse(QEvent::MouseMove, x); }
    void release(double x) { mouse(QEvent::MouseButtonRelease, x); }
    void tap(double x)
    {
        press(x);
        release(x);
    }
    // Moves by dx in 10 ms and lets go at once: -100 dx pixels per second.
    void flick(double dx)
    {
        press(150);
        clock.advance(0.01);
        move(150 + dx);
        release(150 + dx);
    }
    // The glide's timer steps until it stops; returns how many.
    int glide(double step = 0.02)
    {
        int steps = 0;
        for (; scroll->momentumTimer()->isActive() && steps < 1000; ++steps) {
            clock.advance(step);
            scroll->doMomentum();
        }
        return steps;
    }

    bool touch(QEvent::Type type, const QList<QPair<State, double>>& points,
        QInputDevice::DeviceType kind = QInputDevice::DeviceType::TouchScreen)
    {
        static auto* screen = new QPointingDevice(QStringLiteral("test screen"), 7001, QInputDevice::DeviceType::TouchScreen,
            QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 10, 0, {}, {}, qApp);
        static auto* pad = new QPointingDevice(QStringLiteral("test pad"), 7002, QInputDevice::DeviceType::TouchPad,
            QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 10, 0, {}, {}, qApp);
        QList<QEventPoint> list;
        for (const auto& [state, x] : points)
            list.append(QEventPoint(int(list.size()), state, QPointF(x, 20), scroll->mapToGlobal(QPointF(x, 20))));
        QTouchEvent event(type, kind == QInputDevice::DeviceType::TouchScreen ? screen : pad, Qt::NoModifier, list);
        QCoreApplication::sendEvent(scroll, &event);
        return event.isAccepted();
    }
};

} // namespace

TEST(ZoomSliderDrag, OneFingerMovesTheValueInformingEveryStepWithinTheRange)
{
    Fixture f;
    ConsoleCapture console;
    f.press(150);
    EXPECT_TRUE(console.contains(QStringLiteral("touchesBegan count: 1")));
    EXPECT_TRUE(f.slider.isMoving());
    f.clock.advance(0.01);
    f.move(140); // ten pixels left at zoom 2: +5
    EXPECT_NEAR(f.scroll->xSpeed(), 1000, 0.01);
    f.clock.advance(0.01);
    f.move(146);
    f.move(146); // no movement: nothing to do
    f.clock.advance(0.01);
    f.move(-2000);
    f.clock.advance(0.01);
    f.move(-2100); // past the maximum: clamped, and told again
    EXPECT_EQ(f.delegate.values, (std::vector<double> { 105, 102, 1000, 1000 }));

    // Resting before lifting is no flick.
    f.clock.advance(ZoomSliderScroll::restBeforeRelease + 0.01);
    f.release(-2100);
    EXPECT_FALSE(f.slider.isMoving());
    EXPECT_FALSE(f.scroll->momentumTimer()->isActive());
}

TEST(ZoomSliderGlide, AFlickGlidesSilentlyForHalfASecondThenReportsTheRestingValue)
{
    Fixture f;
    f.flick(-10); // 1000 px/s
    EXPECT_TRUE(f.slider.isMoving());
    EXPECT_EQ(f.scroll->momentumTimer()->interval(), 20);
    int steps = 0;
    for (; f.scroll->momentumTimer()->isActive() && steps < 100; ++steps) {
        EXPECT_EQ(f.delegate.values.size(), 1u);
        f.clock.advance(0.02);
        f.scroll->doMomentum();
    }
    EXPECT_NEAR(steps * 0.02, 0.52, 0.03);
    // A quarter second's worth of the release speed (the steps round up).
    EXPECT_NEAR((f.slider.value() - 105) * f.slider.zoom(), 260, 12);
    EXPECT_EQ(f.delegate.values, (std::vector<double> { 105, f.slider.value() }));
    EXPECT_FALSE(f.slider.isMoving());
}

TEST(ZoomSliderGlide, StopsAtTheRangeEndsAndStillReportsOnce)
{
    Fixture f;
    f.slider.setValue(990);
    f.flick(-10);
    f.glide();
    EXPECT_EQ(f.delegate.values, (std::vector<double> { 995, 1000 }));

    f.slider.setValue(50);
    f.flick(10);
    f.glide();
    EXPECT_EQ(f.delegate.values, (std::vector<double> { 995, 1000, 45, 0 }));
}

TEST(ZoomSliderGlide, ReportsOnceWhenTheSpeedRunsOutExactly)
{
    // Binary-exact times: the speed falls by exactly 32 px/s a step and
    // reaches 0; that step reports, the next moves nothing and stops.
    Fixture f(0.0);
    f.press(150);
    f.clock.advance(1.0 / 64);
    f.move(134); // 1024 px/s
    f.release(134);
    EXPECT_EQ(f.glide(1.0 / 64), 33);
    EXPECT_EQ(f.delegate.values, (std::vector<double> { 108, f.slider.value() }));
}

TEST(ZoomSliderGlide, ANewTouchEndsTheGlideAndSameTickMovesMakeNoSpeed)
{
    Fixture f;
    f.flick(-20);
    f.clock.advance(0.5); // a long step; and no double tap next
    f.scroll->doMomentum();
    f.press(150);
    EXPECT_FALSE(f.scroll->momentumTimer()->isActive());
    EXPECT_TRUE(f.slider.isMoving()); // the finger is down
    f.move(140);
    EXPECT_EQ(f.scroll->xSpeed(), 0); // no time passed: no speed
    f.release(140);
    EXPECT_FALSE(f.slider.isMoving());
}

TEST(ZoomSliderPinch, TwoFingersScaleTheZoomWithinItsLimitsAndOtherCountsAreIgnored)
{
    Fixture f;
    f.slider.setMaxZoom(5);
    f.slider.setMinZoom(0.5);
    f.delegate.zooms.clear();
    f.scroll->touchesBegan({ QPointF(100, 20), QPointF(200, 20) }, 1);
    EXPECT_EQ(f.scroll->touchStart(), QPointF(150, 20));
    EXPECT_TRUE(f.slider.isMoving());
    f.scroll->touchesMoved({ QPointF(50, 20), QPointF(250, 20) }); // twice as far apart
    f.scroll->touchesMoved({ QPointF(0, 20), QPointF(300, 20) }); // 6 wanted
    f.scroll->touchesMoved({ QPointF(140, 20), QPointF(160, 20) });
    f.scroll->touchesMoved({ QPointF(140, 20) }); // count changed: ignored
    EXPECT_EQ(f.delegate.zooms, (std::vector<double> { 4, 5, 0.5 }));
    f.scroll->touchesEnded();
    EXPECT_FALSE(f.slider.isMoving());

    f.scroll->touchesBegan({ QPointF(100, 20), QPointF(200, 20), QPointF(250, 20) }, 1);
    f.scroll->touchesMoved({ QPointF(0, 20), QPointF(300, 20), QPointF(10, 20) });
    f.scroll->touchesEnded();
    EXPECT_EQ(f.slider.zoom(), 0.5);
    EXPECT_EQ(f.slider.value(), 100);
    EXPECT_TRUE(f.delegate.values.empty());
}

TEST(ZoomSliderDoubleTap, FitsTheRangeAndIgnoresTheRestOfThatTouch)
{
    Fixture f;
    f.slider.setMinZoom(0.2);
    f.tap(150);
    f.clock.advance(0.1);
    f.mouse(QEvent::MouseButtonDblClick, 152);
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 0.3); // 300 px for 0–1000
    EXPECT_FALSE(f.slider.isMoving());
    f.move(100);
    f.release(100);
    EXPECT_EQ(f.slider.value(), 100);

    f.slider.setMinZoom(0.5);
    f.clock.advance(2);
    f.tap(150);
    f.clock.advance(0.1);
    f.tap(150);
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 0.5); // within the limits
}

TEST(ZoomSliderDoubleTap, SlowFarDraggedOrThirdTapsDoNotFit)
{
    Fixture f;
    const auto tapsFit = [&](double pause, double x) {
        f.clock.advance(pause);
        f.tap(x);
        const bool fitted = f.slider.zoom() != 2;
        f.slider.setZoom(2);
        return fitted;
    };
    f.tap(150);
    EXPECT_FALSE(tapsFit(2.0, 150)); // slow
    EXPECT_FALSE(tapsFit(0.1, 220)); // far
    f.clock.advance(2.0);
    f.press(150);
    f.move(120);
    f.release(120);
    EXPECT_FALSE(tapsFit(0.1, 120)); // after a drag
    EXPECT_TRUE(tapsFit(0.1, 120));
    EXPECT_FALSE(tapsFit(0.1, 120)); // a third tap
}

TEST(ZoomSliderTouch, TouchScreenFingersDragPinchAndDoubleTap)
{
    Fixture f;
    EXPECT_TRUE(f.touch(QEvent::TouchBegin, { { State::Pressed, 150 } }));
    f.clock.advance(0.01);
    f.touch(QEvent::TouchUpdate, { { State::Updated, 140 } });
    EXPECT_EQ(f.slider.value(), 105);
    f.touch(QEvent::TouchUpdate, { { State::Stationary, 140 }, { State::Pressed, 240 } });
    EXPECT_EQ(f.scroll->lastTouchCount(), 2);
    f.touch(QEvent::TouchUpdate, { { State::Updated, 90 }, { State::Stationary, 240 } });
    EXPECT_EQ(f.slider.zoom(), 3);
    // Lifting one finger ends the gesture; the other is ignored.
    f.touch(QEvent::TouchUpdate, { { State::Released, 90 }, { State::Stationary, 240 } });
    EXPECT_FALSE(f.slider.isMoving());
    f.touch(QEvent::TouchUpdate, { { State::Updated, 200 } });
    f.touch(QEvent::TouchEnd, { { State::Released, 200 } });
    EXPECT_EQ(f.slider.value(), 105);
    EXPECT_FALSE(f.scroll->momentumTimer()->isActive());

    f.clock.advance(1);
    f.touch(QEvent::TouchBegin, { { State::Pressed, 150 } });
    f.touch(QEvent::TouchEnd, { { State::Released, 150 } });
    f.clock.advance(0.15);
    f.touch(QEvent::TouchBegin, { { State::Pressed, 153 } });
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 0.3);
    f.touch(QEvent::TouchCancel, {});
    EXPECT_FALSE(f.slider.isMoving());

    // A touchpad's points are no screen locations.
    EXPECT_FALSE(f.touch(QEvent::TouchBegin, { { State::Pressed, 150 } }, QInputDevice::DeviceType::TouchPad));
    EXPECT_FALSE(f.slider.isMoving());
}

TEST(ZoomSliderDesktop, CtrlWheelAndTrackpadGesturesZoomAndOtherInputPassesBy)
{
    Fixture f;
    const QPointF at(150, 20);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(at, f.scroll->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
            Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.scroll, &event);
        return event.isAccepted();
    };
    EXPECT_FALSE(wheel(120, Qt::NoModifier)); // left to the page scroller
    EXPECT_EQ(f.slider.zoom(), 2);
    EXPECT_TRUE(wheel(120, Qt::ControlModifier));
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 2 * ZoomSliderScroll::wheelZoomStep);
    wheel(-240, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 2 / ZoomSliderScroll::wheelZoomStep);

    const auto gesture = [&](Qt::NativeGestureType type, double value) {
        QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, at, at,
            f.scroll->mapToGlobal(at), value, QPointF());
        QCoreApplication::sendEvent(f.scroll, &event);
    };
    f.slider.setZoom(2);
    gesture(Qt::ZoomNativeGesture, 0.5);
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 3);
    gesture(Qt::SmartZoomNativeGesture, 0);
    EXPECT_DOUBLE_EQ(f.slider.zoom(), 0.3);

    f.mouse(QEvent::MouseButtonPress, 150, Qt::RightButton);
    EXPECT_FALSE(f.slider.isMoving());
    EXPECT_EQ(f.slider.value(), 100);
}

TEST(ZoomSliderAnimation, AnAnimatedValueIsStoredAtOnceSlidesHomeAndRecentres)
{
    ZoomSlider slider(QRect(0, 0, 300, 40));
    RecordingDelegate delegate;
    slider.setDelegate(&delegate);
    slider.setMaximumValue(1000);
    slider.setZoom(1);
    ConsoleCapture console;

    slider.setValueAnimated(100, true);
    EXPECT_EQ(slider.value(), 100);
    EXPECT_EQ(slider.scroll()->displayShift(), 100); // still showing 0
    auto* animation = slider.findChild<QVariantAnimation*>(QStringLiteral("moveSlider"));
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->duration(), 200);
    ASSERT_TRUE(waitUntil([&] { return animation->state() == QAbstractAnimation::Stopped; }));
    EXPECT_TRUE(console.contains(QStringLiteral("animation did stop for moveSlider")));
    EXPECT_EQ(slider.scroll()->displayShift(), 0);
    EXPECT_DOUBLE_EQ(slider.scroll()->innerLeftValue(), 100 - 450);

    slider.setValueAnimated(120, false);
    EXPECT_DOUBLE_EQ(slider.scroll()->offsetPixels(), -470);
    EXPECT_TRUE(delegate.values.empty());
}
