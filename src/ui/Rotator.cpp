#include "ui/Rotator.h"

#include "ui/RotatorDelegate.h"
#include "ui/UiPalette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr double pi = M_PI;
constexpr double twoPi = 2 * M_PI;
// The angle wraps at straight down; a jump from near 2pi to near 0 (or
// back) between two finger positions is a small turn across that line.
constexpr double wrapHigh = 5.0;
constexpr double wrapLow = 1.0;
}

Rotator::Rotator(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_animationTimer.setInterval(animationIntervalMs);
    connect(&m_animationTimer, &QTimer::timeout, this, &Rotator::animateRotator);
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(restMs);
    connect(&m_restTimer, &QTimer::timeout, this, &Rotator::notifyStopped);
}

Rotator::~Rotator() = default;

void Rotator::setImage(const QPixmap& image)
{
    m_image = image;
    update();
}

float Rotator::value() const
{
    return float(m_rotation / twoPi);
}

double Rotator::angleOfPoint(QPointF point, QSizeF size)
{
    const double dx = point.x() - size.width() / 2;
    const double dy = point.y() - size.height() / 2;
    if (dx == 0 && dy == 0)
        return 0;
    if (dx == 0)
        return dy > 0 ? 0 : pi;
    if (dy == 0)
        return dx > 0 ? pi / 2 : 3 * pi / 2;
    if (dx > 0 && dy > 0)
        return std::atan(dx / dy);
    if (dx > 0)
        return pi / 2 + std::atan(-dy / dx);
    if (dy < 0)
        return pi + std::atan(dx / dy);
    return twoPi + std::atan(dx / dy);
}

double Rotator::turnBetween(double fromAngle, double toAngle)
{
    if (toAngle > wrapHigh && fromAngle < wrapLow)
        toAngle -= twoPi;
    if (fromAngle > wrapHigh && toAngle < wrapLow)
        toAngle += twoPi;
    // Clockwise on screen lowers the angle and raises the value.
    return fromAngle - toAngle;
}

QRectF Rotator::knobRect() const
{
    const double side = std::min(width(), height());
    return QRectF((width() - side) / 2, (height() - side) / 2, side, side);
}

// --- Turning ------------------------------------------------------------------

void Rotator::touchesBegan(int touchCount, QPointF location)
{
    if (touchCount != 1)
        return;
    m_touchStart = location;
    m_lastTouchCount = 1;
    setCursor(Qt::ClosedHandCursor);
}

void Rotator::touchesMoved(int touchCount, QPointF location)
{
    if (touchCount != 1 || touchCount != m_lastTouchCount)
        return;
    const QRectF knob = knobRect();
    const double change = turnBetween(angleOfPoint(m_touchStart - knob.topLeft(), knob.size()),
                                      angleOfPoint(location - knob.topLeft(), knob.size()));
    if (change == 0)
        return;
    turnBy(change);
    m_touchStart = location;
}

void Rotator::touchesEnded()
{
    m_lastTouchCount = 0;
    setCursor(Qt::OpenHandCursor);
    notifyStopped();
}

void Rotator::turnBy(double radians)
{
    m_rotation += radians;
    limitValue();
    drawRotator();
    notifyChanged();
}

void Rotator::limitValue()
{
    if (twoPi * m_minValue > m_rotation)
        m_rotation = twoPi * m_minValue;
    if (twoPi * m_maxValue < m_rotation)
        m_rotation = twoPi * m_maxValue;
}

void Rotator::notifyChanged()
{
    if (m_delegate)
        m_delegate->rotatorValueChangedTo(value());
}

void Rotator::notifyStopped()
{
    m_restTimer.stop();
    if (m_delegate)
        m_delegate->rotatorStoppedChangingAt(value());
}

// --- Animation ----------------------------------------------------------------

void Rotator::setValue(float value)
{
    m_targetRotation = (double(value) + double(value)) * pi;
    m_animationRotationDelta = (m_targetRotation - m_rotation) / animationTicks;
    stopAnimationTimer();
    m_animationTimer.start();
    drawRotator();
}

void Rotator::animateRotator()
{
    if (std::abs(m_targetRotation - m_rotation) <= std::abs(m_animationRotationDelta)) {
        m_rotation = m_targetRotation;
        stopAnimationTimer();
    } else {
        m_rotation += m_animationRotationDelta;
    }
    drawRotator();
}

// --- Input --------------------------------------------------------------------

bool Rotator::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        const int count = int(touch->points().size());
        const QPointF location = count > 0 ? touch->points().first().position() : QPointF();
        if (event->type() == QEvent::TouchBegin)
            touchesBegan(count, location);
        else if (event->type() == QEvent::TouchUpdate)
            touchesMoved(count, location);
        else
            touchesEnded();
        event->accept();
        return true;
    }
    case QEvent::TouchCancel:
        m_lastTouchCount = 0;
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void Rotator::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    touchesBegan(1, event->position());
}

void Rotator::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        touchesMoved(1, event->position());
}

void Rotator::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_lastTouchCount == 1)
        touchesEnded();
}

void Rotator::wheelEvent(QWheelEvent* event)
{
    // 120 units are one notch; high-resolution wheels send parts of one.
    const QPoint delta = event->angleDelta();
    const int units = delta.y() != 0 ? delta.y() : delta.x();
    if (units == 0) {
        event->ignore();
        return;
    }
    event->accept();
    turnBy(twoPi * stepTurns * units / 120.0);
    m_restTimer.start();
}

void Rotator::keyPressEvent(QKeyEvent* event)
{
    int direction = 0;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        direction = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        direction = -1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    turnBy(twoPi * stepTurns * direction);
    m_restTimer.start();
}

void Rotator::keyReleaseEvent(QKeyEvent* event)
{
    const bool arrow = event->key() == Qt::Key_Right || event->key() == Qt::Key_Up || event->key() == Qt::Key_Left
        || event->key() == Qt::Key_Down;
    if (!arrow) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // A held key repeats; the turn ends when it is let go.
    if (!event->isAutoRepeat())
        notifyStopped();
}

// --- Drawing ------------------------------------------------------------------

void Rotator::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF knob = knobRect();
    p.save();
    p.translate(knob.center());
    p.rotate(m_rotation * 180.0 / pi);
    p.translate(-knob.center());
    if (!m_image.isNull())
        p.drawPixmap(knob, m_image, QRectF(QPointF(0, 0), m_image.size()));
    p.restore();
    if (hasFocus()) {
        p.setPen(QPen(UiPalette::accent(), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(knob.adjusted(2, 2, -2, -2));
    }
}
