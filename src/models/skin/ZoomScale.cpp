#include "models/skin/ZoomScale.h"

#include "core/Clock.h"

#include <QLineF>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
constexpr int momentumIntervalMs = 20;

double now()
{
    return Clock::current().now();
}
}

ZoomScale::ZoomScale(QObject* parent)
    : QObject(parent)
{
    m_momentumTimer = new QTimer(this);
    m_momentumTimer->setInterval(momentumIntervalMs);
    m_momentumTimer->setTimerType(Qt::PreciseTimer);
    connect(m_momentumTimer, &QTimer::timeout, this, &ZoomScale::doMomentum);
    recentre();
}

ZoomScale::~ZoomScale() = default;

void ZoomScale::setMinimumValue(double minimumValue)
{
    if (minimumValue == m_minimumValue)
        return;
    m_minimumValue = minimumValue;
    redrawInner();
}

void ZoomScale::setMaximumValue(double maximumValue)
{
    if (maximumValue == m_maximumValue)
        return;
    m_maximumValue = maximumValue;
    zoomToFit();
}

void ZoomScale::setZoom(double zoom)
{
    // NaN falls to maxZoom rather than poisoning the geometry.
    const double clamped = std::max(m_minZoom, std::min(m_maxZoom, zoom));
    const bool changed = clamped != m_zoom;
    m_zoom = clamped;
    redrawInner();
    if (changed)
        emit zoomChanged(m_zoom);
}

void ZoomScale::zoomToFit()
{
    // Without a width yet there is nothing to fit to: the fit waits for it.
    if (m_width == 0) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    const double span = m_maximumValue - m_minimumValue;
    if (span != 0)
        setZoom(m_width / span);
}

void ZoomScale::setValue(double value)
{
    setValueInform(value, false);
}

void ZoomScale::setValueInform(double value, bool inform)
{
    // Compared before clamping: a value beyond the range is stored (clamped)
    // again each time, so the end of a glide past the range still informs.
    if (value == m_value)
        return;
    const double before = m_value;
    m_value = std::max(m_minimumValue, std::min(m_maximumValue, value));
    setOffsetPixels((m_innerLeftValue - m_value) * m_zoom);
    if (m_value != before)
        emit valueChanged(m_value);
    if (inform && !hasMomentum())
        emit userChangedValue(m_value);
}

void ZoomScale::addPixelsToValue(double pixels)
{
    if (m_zoom == 0)
        return;
    setValueInform(m_value + pixels / m_zoom, true);
}

void ZoomScale::setWidth(double width)
{
    if (width == m_width)
        return;
    m_width = width;
    if (width != 0 && m_fitPending)
        zoomToFit();
    else if (width != 0 && m_previousWidth != 0)
        setZoom(width * m_zoom / m_previousWidth);
    if (width != 0)
        m_previousWidth = width;
    redrawInner();
}

void ZoomScale::setOffsetPixels(double offsetPixels)
{
    m_offsetPixels = offsetPixels;
    const double w = m_width;
    if (!std::isfinite(offsetPixels) || offsetPixels < -2 * w || offsetPixels > -w) {
        recentre(); // comes back here in range
        return;
    }
    m_innerLeftValue = m_value + (m_zoom != 0 ? offsetPixels / m_zoom : 0);
    emit scaleMoved();
}

void ZoomScale::recentre()
{
    m_offsetPixels = -1.5 * m_width;
    redrawInner();
}

void ZoomScale::redrawInner()
{
    setOffsetPixels(m_offsetPixels);
    emit redrawNeeded();
}

// Glide ----------------------------------------------------------------------

void ZoomScale::startSlide()
{
    const bool wasMoving = isMoving();
    stopSlide();
    m_remainingXSpeed = m_xSpeed;
    m_momentumTimer->start();
    noteMoving(wasMoving);
}

void ZoomScale::stopSlide()
{
    const bool wasMoving = isMoving();
    m_momentumTimer->stop();
    m_remainingXSpeed = 0;
    noteMoving(wasMoving);
}

void ZoomScale::doMomentum()
{
    const bool wasMoving = isMoving();
    const double t = now();
    const double dt = t - m_lastTouchTime;
    m_lastTouchTime = t;
    const double s0 = m_remainingXSpeed;
    // The speed falls linearly to nothing half a second after the release.
    m_remainingXSpeed = s0 - 2 * m_xSpeed * dt;
    const bool ended = (m_xSpeed > 0 && m_remainingXSpeed < 0) || (m_xSpeed < 0 && m_remainingXSpeed > 0);
    if (ended) {
        m_xSpeed = 0;
        m_remainingXSpeed = 0;
        m_momentumTimer->stop();
    }
    // The glide is silent until its speed is spent: the step that finds no
    // speed left tells where the scale comes to rest.
    addPixelsToValue(s0 * dt);
    noteMoving(wasMoving);
}

void ZoomScale::noteMoving(bool wasMoving)
{
    if (isMoving() != wasMoving)
        emit movingChanged(isMoving());
}

// Gesture steps ----------------------------------------------------------------

void ZoomScale::touchesBegan(const QList<QPointF>& touches, int tapCount)
{
    const bool wasMoving = isMoving();
    m_momentumTimer->stop();
    m_remainingXSpeed = 0;
    m_xSpeed = 0;
    const int n = int(touches.size());
    if (n == 1 && tapCount == 2) {
        // The finger count stays unrecorded, so the rest of this touch is
        // ignored.
        zoomToFit();
        noteMoving(wasMoving);
        return;
    }
    if (n == 1) {
        m_touchStart = touches.at(0);
    } else if (n == 2) {
        m_touchStart = (touches.at(0) + touches.at(1)) / 2;
        m_lastTouchDistance = QLineF(touches.at(0), touches.at(1)).length();
    }
    m_lastTouchCount = n;
    m_lastTouchTime = now();
    noteMoving(wasMoving);
}

void ZoomScale::touchesMoved(const QList<QPointF>& touches)
{
    const int n = int(touches.size());
    if (n != m_lastTouchCount)
        return;
    if (n == 1) {
        const QPointF location = touches.at(0);
        const double dx = m_touchStart.x() - location.x();
        if (dx == 0)
            return;
        // Moving the finger left raises the value.
        addPixelsToValue(dx);
        m_touchStart = location;
        const double t = now();
        // Two moves in the same clock tick would make an infinite speed;
        // the speed waits for a move that took time.
        if (t > m_lastTouchTime) {
            m_xSpeed = dx / (t - m_lastTouchTime);
            m_lastTouchTime = t;
        }
    } else if (n == 2) {
        const double distance = QLineF(touches.at(0), touches.at(1)).length();
        if (m_lastTouchDistance > 0)
            setZoom(m_zoom * distance / m_lastTouchDistance);
        m_lastTouchDistance = distance;
    }
}

void ZoomScale::touchesEnded()
{
    const bool wasMoving = isMoving();
    m_lastTouchCount = 0;
    // A finger that rested before lifting has no flick left in it.
    if (m_xSpeed != 0 && now() - m_lastTouchTime > restBeforeRelease)
        m_xSpeed = 0;
    if (m_xSpeed != 0)
        startSlide();
    noteMoving(wasMoving);
}

void ZoomScale::touchesCancelled()
{
    // Only a gesture under way is taken away; a glide after it goes on.
    if (m_lastTouchCount == 0)
        return;
    const bool wasMoving = isMoving();
    m_lastTouchCount = 0;
    m_xSpeed = 0;
    noteMoving(wasMoving);
}
