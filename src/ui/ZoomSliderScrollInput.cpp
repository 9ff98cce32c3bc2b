// Mouse, touch, wheel and trackpad input of ZoomSliderScroll, turned into
// its gesture steps.

#include "ui/ZoomSliderScroll.h"

#include "core/Clock.h"
#include "ui/ZoomSlider.h"

#include <QGuiApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWheelEvent>

#include <cmath>

bool ZoomSliderScroll::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return touchEvent(static_cast<QTouchEvent*>(event));
    case QEvent::NativeGesture:
        return nativeGestureEvent(static_cast<QNativeGestureEvent*>(event));
    default:
        return QWidget::event(event);
    }
}

bool ZoomSliderScroll::touchEvent(QTouchEvent* event)
{
    // A touchpad's points are not screen locations; its moves arrive as
    // mouse and wheel events instead.
    const QPointingDevice* device = event->pointingDevice();
    if (device && device->type() != QInputDevice::DeviceType::TouchScreen) {
        event->ignore();
        return false;
    }
    event->accept();
    if (event->type() == QEvent::TouchCancel) {
        m_tapPending = false;
        touchesCancelled();
        return true;
    }

    // Located from the global position, which every source of touch events
    // fills in (the local one is only set on the way through the window).
    const auto locate = [this](const QEventPoint& point) { return mapFromGlobal(point.globalPosition()); };
    QList<QPointF> down;
    bool pressed = false;
    bool released = false;
    bool moved = false;
    for (const QEventPoint& point : event->points()) {
        switch (point.state()) {
        case QEventPoint::State::Pressed:
            pressed = true;
            down.append(locate(point));
            break;
        case QEventPoint::State::Released:
            released = true;
            break;
        case QEventPoint::State::Updated:
            moved = true;
            down.append(locate(point));
            break;
        default:
            down.append(locate(point));
            break;
        }
    }

    // Lifting any finger ends the gesture; the fingers left on the glass are
    // ignored until a new touch begins.
    if (released) {
        endTap();
        touchesEnded();
    }
    if (pressed && !down.isEmpty()) {
        const int taps = down.size() == 1 ? beginTap(down.first(), true) : 1;
        if (down.size() != 1)
            m_tapPending = false;
        touchesBegan(down, taps);
    } else if (moved && !released) {
        if (down.size() == 1)
            noteTapMovement(down.first());
        touchesMoved(down);
    }
    return true;
}

bool ZoomSliderScroll::nativeGestureEvent(QNativeGestureEvent* event)
{
    switch (event->gestureType()) {
    case Qt::ZoomNativeGesture:
        m_coreView->setZoom(m_coreView->zoom() * (1 + event->value()));
        break;
    case Qt::SmartZoomNativeGesture:
        m_coreView->zoomToFit();
        break;
    case Qt::BeginNativeGesture:
    case Qt::EndNativeGesture:
        break;
    default:
        return QWidget::event(event);
    }
    event->accept();
    return true;
}

void ZoomSliderScroll::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setCursor(Qt::ClosedHandCursor);
    const QPointF location = event->position();
    touchesBegan({ location }, beginTap(location, false));
    event->accept();
}

void ZoomSliderScroll::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Taps are counted here, for mouse and touch alike.
    mousePressEvent(event);
}

void ZoomSliderScroll::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    noteTapMovement(event->position());
    touchesMoved({ event->position() });
    event->accept();
}

void ZoomSliderScroll::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setCursor(Qt::OpenHandCursor);
    endTap();
    touchesEnded();
    event->accept();
}

void ZoomSliderScroll::wheelEvent(QWheelEvent* event)
{
    // A plain wheel is left to the containers (paging); Ctrl+wheel zooms
    // about the marker as a pinch does.
    const double notches = event->angleDelta().y() / 120.0;
    if (!(event->modifiers() & Qt::ControlModifier) || notches == 0) {
        event->ignore();
        return;
    }
    m_coreView->setZoom(m_coreView->zoom() * std::pow(wheelZoomStep, notches));
    event->accept();
}

// Taps --------------------------------------------------------------------

int ZoomSliderScroll::beginTap(const QPointF& location, bool touch)
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    const double interval = hints->mouseDoubleClickInterval() / 1000.0;
    const double reach = touch ? hints->touchDoubleTapDistance() : hints->mouseDoubleClickDistance();
    const double t = Clock::current().now();
    const bool follows = m_tapCount > 0 && t - m_tapEndTime <= interval
        && QLineF(location, m_tapLocation).length() <= reach;
    m_pendingTapCount = follows ? m_tapCount + 1 : 1;
    m_pendingTapLocation = location;
    m_tapReach = reach;
    m_tapPending = true;
    return m_pendingTapCount;
}

void ZoomSliderScroll::noteTapMovement(const QPointF& location)
{
    // A touch that moved farther than the two taps of a double tap may lie
    // apart was a drag, not a tap.
    if (m_tapPending && QLineF(location, m_pendingTapLocation).length() > m_tapReach)
        m_tapPending = false;
}

void ZoomSliderScroll::endTap()
{
    if (m_tapPending) {
        m_tapCount = m_pendingTapCount;
        m_tapEndTime = Clock::current().now();
        m_tapLocation = m_pendingTapLocation;
    } else {
        m_tapCount = 0;
    }
    m_tapPending = false;
}
