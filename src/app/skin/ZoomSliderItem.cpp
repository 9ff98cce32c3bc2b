#include "app/skin/ZoomSliderItem.h"

#include "core/Clock.h"
#include "models/skin/ZoomScale.h"
#include "models/skin/ZoomTickSchemes.h"
#include "app/skin/ZoomScaleItem.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

ZoomSliderItem::ZoomSliderItem(QQuickItem* parent)
    : QQuickItem(parent)
    , m_scale(new ZoomScale(this))
    , m_scaleItem(new ZoomScaleItem(this))
{
    setClip(true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptTouchEvents(true);
    connect(m_scale, &ZoomScale::scaleMoved, this, &ZoomSliderItem::placeScale);
    connect(m_scale, &ZoomScale::redrawNeeded, m_scaleItem, [this] { m_scaleItem->update(); });
    connect(m_scale, &ZoomScale::valueChanged, this, &ZoomSliderItem::valueChanged);
    connect(m_scale, &ZoomScale::zoomChanged, this, &ZoomSliderItem::zoomChanged);
    connect(m_scale, &ZoomScale::userChangedValue, this, [this](double value) {
        m_heldByRange = false; // the user's value stands now
        // A value is told only where the scale comes to rest: the commands
        // of a drag would each go on their own connection, which VLC may
        // answer out of order, leaving the player where the finger passed.
        if (m_scale->isMoving()) {
            m_heldUserValue = value;
            return;
        }
        m_heldUserValue.reset();
        emit userChangedValue(value);
    });
    connect(m_scale, &ZoomScale::movingChanged, this, [this](bool moving) {
        if (!moving && m_maximumPending) {
            m_maximumPending = false;
            setMaximumValue(m_pendingMaximum);
        }
        if (!moving && m_heldUserValue)
            emit userChangedValue(*std::exchange(m_heldUserValue, std::nullopt));
        emit movingChanged();
    });
}

ZoomSliderItem::~ZoomSliderItem() = default;

void ZoomSliderItem::setPlayerValue(double value)
{
    if (value == m_playerValue)
        return;
    m_playerValue = value;
    // The scale stays under the finger.
    if (!m_scale->isMoving()) {
        m_scale->setValue(value);
        m_heldByRange = m_scale->value() != value;
    }
    emit playerValueChanged();
}

double ZoomSliderItem::value() const
{
    return m_scale->value();
}

double ZoomSliderItem::minimumValue() const
{
    return m_scale->minimumValue();
}

double ZoomSliderItem::maximumValue() const
{
    return m_scale->maximumValue();
}

void ZoomSliderItem::setMaximumValue(double maximum)
{
    if (m_scale->isMoving()) {
        m_pendingMaximum = maximum;
        m_maximumPending = true;
        return;
    }
    if (maximum == m_scale->maximumValue())
        return;
    m_scale->setMaximumValue(maximum);
    // The player's value may have come first and been held by the old
    // range.
    if (m_heldByRange) {
        m_scale->setValue(m_playerValue);
        m_heldByRange = m_scale->value() != m_playerValue;
    }
    emit maximumValueChanged();
}

double ZoomSliderItem::zoom() const
{
    return m_scale->zoom();
}

bool ZoomSliderItem::isMoving() const
{
    return m_scale->isMoving();
}

void ZoomSliderItem::setScheme(Scheme scheme)
{
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    emit schemeChanged();
    m_scaleItem->update();
}

#define PLAYERLINK_COLOUR_SETTER(Setter, member)                                                                 \
    void ZoomSliderItem::Setter(const QColor& color)                                                             \
    {                                                                                                            \
        if (color == member)                                                                                     \
            return;                                                                                              \
        member = color;                                                                                          \
        emit colorsChanged();                                                                                    \
        m_scaleItem->update();                                                                                   \
    }
PLAYERLINK_COLOUR_SETTER(setTextColor, m_textColor)
PLAYERLINK_COLOUR_SETTER(setLargeTickColor, m_largeTickColor)
PLAYERLINK_COLOUR_SETTER(setMediumTickColor, m_mediumTickColor)
PLAYERLINK_COLOUR_SETTER(setSmallTickColor, m_smallTickColor)
#undef PLAYERLINK_COLOUR_SETTER

QString ZoomSliderItem::textFor(int value) const
{
    switch (m_scheme) {
    case SkinZoomControl::VolumeScheme:
        return ZoomTickSchemes::volumeLabel(value);
    case SkinZoomControl::PositionScheme:
        return ZoomTickSchemes::positionLabel(value);
    case SkinZoomControl::NoScheme:
        break;
    }
    return QString::number(value);
}

void ZoomSliderItem::chooseTicks()
{
    switch (m_scheme) {
    case SkinZoomControl::VolumeScheme:
        m_scale->setTicks(ZoomTickSchemes::volume(m_scale->zoom()));
        break;
    case SkinZoomControl::PositionScheme:
        m_scale->setTicks(ZoomTickSchemes::position(m_scale->zoom()));
        break;
    case SkinZoomControl::NoScheme:
        break;
    }
}

// --- Geometry ----------------------------------------------------------------------

void ZoomSliderItem::componentComplete()
{
    QQuickItem::componentComplete();
    fitOnce();
}

void ZoomSliderItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    m_scaleItem->setSize(QSizeF(3 * newGeometry.width(), newGeometry.height()));
    m_scale->setWidth(newGeometry.width());
    fitOnce();
    placeScale();
}

void ZoomSliderItem::fitOnce()
{
    // A role's slider shows its whole range once it knows its width, and
    // then keeps within the zoom limits.
    if (m_fitted || !isComponentComplete() || width() <= 0)
        return;
    m_fitted = true;
    if (m_scheme == SkinZoomControl::NoScheme)
        return;
    m_scale->zoomToFit();
    m_scale->setMaxZoom(maxZoomLimit);
    m_scale->setMinZoom(minZoomLimit);
}

void ZoomSliderItem::placeScale()
{
    m_scaleItem->setX(m_scale->innerX());
}

// --- Input -------------------------------------------------------------------------

int ZoomSliderItem::beginTap(const QPointF& location, bool touch)
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    return m_taps.begin(location, Clock::current().now(), hints->mouseDoubleClickInterval() / 1000.0,
                        touch ? hints->touchDoubleTapDistance() : hints->mouseDoubleClickDistance());
}

void ZoomSliderItem::mousePressEvent(QMouseEvent* event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // A page around the slider must not take the drag away.
    setKeepMouseGrab(true);
    m_scale->touchesBegan({ event->position() }, beginTap(event->position(), false));
    event->accept();
}

void ZoomSliderItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Taps are counted here, for mouse and touch alike.
    mousePressEvent(event);
}

void ZoomSliderItem::mouseMoveEvent(QMouseEvent* event)
{
    m_taps.moved(event->position());
    m_scale->touchesMoved({ event->position() });
    event->accept();
}

void ZoomSliderItem::mouseReleaseEvent(QMouseEvent* event)
{
    setKeepMouseGrab(false);
    m_taps.end(Clock::current().now());
    m_scale->touchesEnded();
    event->accept();
}

void ZoomSliderItem::mouseUngrabEvent()
{
    m_taps.cancel();
    m_scale->touchesCancelled();
}

void ZoomSliderItem::touchEvent(QTouchEvent* event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->type() == QEvent::TouchCancel) {
        m_taps.cancel();
        m_scale->touchesCancelled();
        return;
    }
    QList<QPointF> down;
    bool pressed = false;
    bool released = false;
    bool moved = false;
    for (const QEventPoint& point : event->points()) {
        switch (point.state()) {
        case QEventPoint::State::Pressed:
            pressed = true;
            down.append(point.position());
            break;
        case QEventPoint::State::Released:
            released = true;
            break;
        case QEventPoint::State::Updated:
            moved = true;
            down.append(point.position());
            break;
        default:
            down.append(point.position());
            break;
        }
    }
    // Lifting any finger ends the gesture; the fingers left on the glass are
    // ignored until a new touch begins.
    if (released) {
        m_taps.end(Clock::current().now());
        m_scale->touchesEnded();
        if (down.isEmpty())
            setKeepTouchGrab(false);
    }
    if (pressed && !down.isEmpty()) {
        setKeepTouchGrab(true);
        const int taps = down.size() == 1 ? beginTap(down.first(), true) : 1;
        if (down.size() != 1)
            m_taps.cancel();
        m_scale->touchesBegan(down, taps);
    } else if (moved && !released) {
        if (down.size() == 1)
            m_taps.moved(down.first());
        m_scale->touchesMoved(down);
    }
}

void ZoomSliderItem::touchUngrabEvent()
{
    m_taps.cancel();
    m_scale->touchesCancelled();
}

void ZoomSliderItem::wheelEvent(QWheelEvent* event)
{
    // A plain wheel is left to the pages around; Ctrl+wheel zooms about the
    // marker as a pinch does.
    const double notches = event->angleDelta().y() / 120.0;
    if (!isEnabled() || !(event->modifiers() & Qt::ControlModifier) || notches == 0) {
        event->ignore();
        return;
    }
    m_scale->setZoom(m_scale->zoom() * std::pow(wheelZoomStep, notches));
    event->accept();
}

void ZoomSliderItem::keyPressEvent(QKeyEvent* event)
{
    if (!isEnabled() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || m_scale->isMoving()) {
        event->ignore();
        return;
    }
    chooseTicks();
    const ZoomTickSchemes::Ticks ticks = m_scale->ticks();
    const int fine = ticks.small > 0 ? ticks.small : ticks.medium > 0 ? ticks.medium : std::max(1, ticks.large);
    const int coarse = std::max(fine, ticks.large);
    const double value = m_scale->value();
    double to;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        to = value - fine;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        to = value + fine;
        break;
    case Qt::Key_PageDown:
        to = value - coarse;
        break;
    case Qt::Key_PageUp:
        to = value + coarse;
        break;
    case Qt::Key_Home:
        to = m_scale->minimumValue();
        break;
    case Qt::Key_End:
        to = m_scale->maximumValue();
        break;
    default:
        event->ignore();
        return;
    }
    m_scale->setValueInform(std::clamp(to, m_scale->minimumValue(), m_scale->maximumValue()), true);
    event->accept();
}

bool ZoomSliderItem::event(QEvent* event)
{
    if (event->type() != QEvent::NativeGesture)
        return QQuickItem::event(event);
    auto* gesture = static_cast<QNativeGestureEvent*>(event);
    switch (gesture->gestureType()) {
    case Qt::ZoomNativeGesture:
        m_scale->setZoom(m_scale->zoom() * (1 + gesture->value()));
        break;
    case Qt::SmartZoomNativeGesture:
        m_scale->zoomToFit();
        break;
    default:
        break;
    }
    event->accept();
    return true;
}
