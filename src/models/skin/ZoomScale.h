#pragma once

#include "models/skin/ZoomTickSchemes.h"

#include <QList>
#include <QObject>
#include <QPointF>

class QTimer;

// The value logic of a zoom slider, without any view: a tick scale that
// moves under a fixed marker in the middle of a control of some width; the
// value is the scale value under the marker, the zoom is pixels per unit.
// One finger drags the scale (gliding on after a flick), two fingers pinch
// the zoom, a double tap fits the range.
//
// The drawn scale is three control widths wide. Moving the value only
// shifts it (scaleMoved); it needs drawing again (redrawNeeded) only when it
// has drifted more than half a width from its centred place (offsetPixels
// kept within [-2W, -W]), or when the zoom, range or width change.
//
// Time comes from Clock::current(); the glide timer calls doMomentum(),
// which tests may call themselves.
class ZoomScale : public QObject {
    Q_OBJECT
public:
    explicit ZoomScale(QObject* parent = nullptr);
    ~ZoomScale() override;

    double minimumValue() const { return m_minimumValue; }
    // Redraws the scale; the value is not clamped again until it is next set.
    void setMinimumValue(double minimumValue);
    double maximumValue() const { return m_maximumValue; }
    // Fits the zoom to the new range; the value is not clamped again until
    // it is next set.
    void setMaximumValue(double maximumValue);

    double zoom() const { return m_zoom; }
    // Clamped to [minZoom, maxZoom]; redraws the scale.
    void setZoom(double zoom);
    // Shows the whole range across the control (nothing for an empty
    // range); before the control has a width, as soon as it has one.
    void zoomToFit();
    double minZoom() const { return m_minZoom; }
    void setMinZoom(double minZoom) { m_minZoom = minZoom; }
    double maxZoom() const { return m_maxZoom; }
    void setMaxZoom(double maxZoom) { m_maxZoom = maxZoom; }

    double value() const { return m_value; }
    // Sets the value without telling (userChangedValue).
    void setValue(double value);
    // Clamps the value to the range and moves the scale; with inform, tells
    // unless a glide is running. Setting the value it already has (before
    // clamping) does nothing.
    void setValueInform(double value, bool inform);
    // Moves the value by a distance on the scale, as the user does.
    void addPixelsToValue(double pixels);

    // Tick spacings in value units (0: none); a label every labelInterval
    // units. Set from the scheme, when there is one, before each drawing.
    ZoomTickSchemes::Ticks ticks() const { return m_ticks; }
    void setTicks(const ZoomTickSchemes::Ticks& ticks) { m_ticks = ticks; }

    // The control's width; the zoom follows it so that the same span of
    // values stays visible.
    double width() const { return m_width; }
    void setWidth(double width);
    double previousWidth() const { return m_previousWidth; }

    // x of the drawn scale relative to the control's centre, and the value
    // at the scale's left edge.
    double offsetPixels() const { return m_offsetPixels; }
    double innerLeftValue() const { return m_innerLeftValue; }
    // Where the drawn scale's left edge stands in the control.
    double innerX() const { return m_width / 2 + m_offsetPixels; }
    void setOffsetPixels(double offsetPixels);
    void recentre();
    void redrawInner();

    // The gesture steps, locations in the control's coordinates. tapCount
    // is 2 for the second tap of a double tap.
    void touchesBegan(const QList<QPointF>& touches, int tapCount);
    void touchesMoved(const QList<QPointF>& touches);
    void touchesEnded();
    // The system took the touches away: the gesture ends without a glide.
    void touchesCancelled();

    void startSlide();
    void stopSlide();
    // One step of the glide.
    void doMomentum();
    bool hasMomentum() const { return m_remainingXSpeed != 0; }
    // True while fingers are down or the scale still glides after a flick,
    // so that the player's updates leave the value alone.
    bool isMoving() const { return hasMomentum() || m_lastTouchCount != 0; }

    int lastTouchCount() const { return m_lastTouchCount; }
    double xSpeed() const { return m_xSpeed; }
    double remainingXSpeed() const { return m_remainingXSpeed; }

    // A release later than this after the last movement is no flick.
    static constexpr double restBeforeRelease = 0.1;

signals:
    void valueChanged(double value);
    // The user moved the value (the last step of a glide included).
    void userChangedValue(double value);
    void zoomChanged(double zoom);
    void scaleMoved();
    void redrawNeeded();
    void movingChanged(bool moving);

private:
    void noteMoving(bool wasMoving);

    double m_minimumValue = 0;
    double m_maximumValue = 1;
    double m_zoom = 1;
    double m_value = 0;
    double m_minZoom = 0;
    double m_maxZoom = 1000;
    ZoomTickSchemes::Ticks m_ticks { 10, 5, 1, 10 };
    double m_width = 0;
    double m_previousWidth = 0;
    bool m_fitPending = false;
    double m_offsetPixels = 0;
    double m_innerLeftValue = 0;
    QPointF m_touchStart;
    double m_lastTouchDistance = 0;
    int m_lastTouchCount = 0;
    double m_xSpeed = 0;
    double m_remainingXSpeed = 0;
    double m_lastTouchTime = 0;
    QTimer* m_momentumTimer = nullptr;
};
