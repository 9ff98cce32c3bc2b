#include "ui/ZoomSliderScroll.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "ui/ZoomSlider.h"
#include "ui/ZoomSliderInner.h"

#include <QLineF>
#include <QTimer>

#include <cmath>

namespace {
constexpr int momentumIntervalMs = 20;

double now()
{
    return Clock::current().now();
}
}

ZoomSliderScroll::ZoomSliderScroll(const QRect& frame, ZoomSlider* coreView)
    : QWidget(coreView)
    , m_coreView(coreView)
{
    Q_ASSERT(coreView);
    setGeometry(frame);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setCursor(Qt::OpenHandCursor);
    m_inner = new ZoomSliderInner(QRect(0, 0, 3 * frame.width(), frame.height()), coreView, this);
    m_momentumTimer = new QTimer(this);
    m_momentumTimer->setInterval(momentumIntervalMs);
    m_momentumTimer->setTimerType(Qt::PreciseTimer);
    connect(m_momentumTimer, &QTimer::timeout, this, &ZoomSliderScroll::doMomentum);
    recentre();
}

ZoomSliderScroll::~ZoomSliderScroll() = default;

void ZoomSliderScroll::valueChanged()
{
    setOffsetPixels((m_innerLeftValue - m_coreView->value()) * m_coreView->zoom());
}

void ZoomSliderScroll::setOffsetPixels(double offsetPixels)
{
    m_offsetPixels = offsetPixels;
    const double w = width();
    if (!std::isfinite(offsetPixels) || offsetPixels < -2 * w || offsetPixels > -w) {
        recentre(); // comes back here in range
        return;
    }
    const double zoom = m_coreView->zoom();
    m_innerLeftValue = m_coreView->value() + (zoom != 0 ? offsetPixels / zoom : 0);
    placeInner();
}

void ZoomSliderScroll::recentre()
{
    m_offsetPixels = -1.5 * width();
    redrawInner();
}

void ZoomSliderScroll::redrawInner()
{
    setOffsetPixels(m_offsetPixels);
    m_inner->setNeedsDisplay();
}

void ZoomSliderScroll::setDisplayShift(double shift)
{
    m_displayShift = shift;
    placeInner();
}

void ZoomSliderScroll::placeInner()
{
    m_inner->setPosition(width() / 2.0 + m_offsetPixels + m_displayShift);
}

void ZoomSliderScroll::setFrame(const QRect& frame)
{
    setGeometry(frame);
    m_inner->resize(3 * frame.width(), frame.height());
}

// Glide -------------------------------------------------------------------

void ZoomSliderScroll::startSlide()
{
    stopSlide();
    m_remainingXSpeed = m_xSpeed;
    m_momentumTimer->start();
}

void ZoomSliderScroll::stopSlide()
{
    m_momentumTimer->stop();
    m_remainingXSpeed = 0;
}

void ZoomSliderScroll::doMomentum()
{
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
    // speed left tells the delegate where the scale comes to rest.
    m_coreView->addPixelsToValue(s0 * dt);
}

// Gesture steps -----------------------------------------------------------

void ZoomSliderScroll::touchesBegan(const QList<QPointF>& touches, int tapCount)
{
    stopSlide();
    m_xSpeed = 0;
    const int n = int(touches.size());
    ConsoleLog::log(QStringLiteral("touchesBegan count: %d"), n);
    if (n == 1 && tapCount == 2) {
        // The finger count stays unrecorded, so the rest of this touch is
        // ignored.
        m_coreView->zoomToFit();
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
}

void ZoomSliderScroll::touchesMoved(const QList<QPointF>& touches)
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
        m_coreView->addPixelsToValue(dx);
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
            m_coreView->setZoom(m_coreView->zoom() * distance / m_lastTouchDistance);
        m_lastTouchDistance = distance;
    }
}

void ZoomSliderScroll::touchesEnded()
{
    m_lastTouchCount = 0;
    // A finger that rested before lifting has no flick left in it; its last
    // speed would otherwise launch a glide (and the first glide step would
    // span the whole rest).
    if (m_xSpeed != 0 && now() - m_lastTouchTime > restBeforeRelease)
        m_xSpeed = 0;
    if (m_xSpeed != 0)
        startSlide();
}

void ZoomSliderScroll::touchesCancelled()
{
    m_lastTouchCount = 0;
    m_xSpeed = 0;
}
