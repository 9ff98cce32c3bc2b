#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

class QNativeGestureEvent;
class QTimer;
class QTouchEvent;
class ZoomSlider;
class ZoomSliderInner;

// The touch surface of a zoom slider and the holder of its scale. The scale
// (inner) is three control widths wide; moving the value only shifts it, and
// it is redrawn only when it has drifted more than half a width from its
// centred place (offsetPixels kept within [-2W, -W]), or when the zoom,
// range or frame change.
//
// Gestures: one finger drags (with a glide after a flick), two fingers
// pinch the zoom, a double tap fits the range. Mouse, Ctrl+wheel and
// trackpad pinches are turned into the same steps. Time comes from
// Clock::current(); the glide timer calls doMomentum(), which tests call
// themselves.
class ZoomSliderScroll : public QWidget {
    Q_OBJECT
public:
    // The only constructor: a scroll view is nothing without its control.
    ZoomSliderScroll(const QRect& frame, ZoomSlider* coreView);
    ~ZoomSliderScroll() override;

    ZoomSliderInner* inner() const { return m_inner; }
    ZoomSlider* coreView() const { return m_coreView; }

    // x of the inner view relative to the control's centre.
    double offsetPixels() const { return m_offsetPixels; }
    // The value at the inner view's left edge.
    double innerLeftValue() const { return m_innerLeftValue; }
    QPointF touchStart() const { return m_touchStart; }
    double lastTouchDistance() const { return m_lastTouchDistance; }
    // Fingers of the current gesture, 0 when none.
    int lastTouchCount() const { return m_lastTouchCount; }
    // Last finger speed, pixels per second.
    double xSpeed() const { return m_xSpeed; }
    // Speed of the running glide, 0 when none.
    double remainingXSpeed() const { return m_remainingXSpeed; }
    // Seconds since 1970.
    double lastTouchTime() const { return m_lastTouchTime; }
    QTimer* momentumTimer() const { return m_momentumTimer; }

    // The control's value changed: move the scale, keeping its drawing.
    void valueChanged();
    // Recomputes the inner view's left value and marks it for redrawing.
    void redrawInner();
    // Puts the inner view back in its centred place and redraws it.
    void recentre();
    void setOffsetPixels(double offsetPixels);

    void startSlide();
    void stopSlide();
    // One step of the glide (the glide timer's tick).
    void doMomentum();
    bool hasMomentum() const { return m_remainingXSpeed != 0; }

    // The gesture steps, locations in this view's coordinates. tapCount is 2
    // for the second tap of a double tap.
    void touchesBegan(const QList<QPointF>& touches, int tapCount);
    void touchesMoved(const QList<QPointF>& touches);
    void touchesEnded();
    // The system took the touches away: the gesture ends without a glide.
    void touchesCancelled();

    // Gives the inner view three times the width and the same height,
    // keeping its position.
    void setFrame(const QRect& frame);

    // An extra horizontal shift of the drawn scale, used while an animated
    // value change slides it home.
    void setDisplayShift(double shift);
    double displayShift() const { return m_displayShift; }

    // A release later than this after the last movement is no flick.
    static constexpr double restBeforeRelease = 0.1;
    // Zoom factor of one Ctrl+wheel notch.
    static constexpr double wheelZoomStep = 1.25;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void placeInner();
    bool touchEvent(QTouchEvent* event);
    bool nativeGestureEvent(QNativeGestureEvent* event);

    // Double-tap recognition, shared by mouse and touch.
    int beginTap(const QPointF& location, bool touch);
    void noteTapMovement(const QPointF& location);
    void endTap();

    ZoomSliderInner* m_inner = nullptr;
    ZoomSlider* m_coreView = nullptr;
    double m_offsetPixels = 0;
    double m_innerLeftValue = 0;
    QPointF m_touchStart;
    double m_lastTouchDistance = 0;
    int m_lastTouchCount = 0;
    double m_xSpeed = 0;
    double m_remainingXSpeed = 0;
    double m_lastTouchTime = 0;
    QTimer* m_momentumTimer = nullptr;

    double m_displayShift = 0;

    bool m_tapPending = false;
    int m_pendingTapCount = 0;
    QPointF m_pendingTapLocation;
    double m_tapReach = 0;
    int m_tapCount = 0;
    double m_tapEndTime = 0;
    QPointF m_tapLocation;
};
