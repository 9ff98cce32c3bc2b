#include "ui/PickerView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

// How fingers, the mouse, the mouse wheel, the trackpad and the keys turn
// the wheels.

namespace {
constexpr int notch = 120; // one mouse-wheel step in eighths of a degree
}

void PickerView::pointerDown(const QPointF& pos)
{
    m_pressedComponent = componentAt(pos);
    m_dragging = false;
    if (m_pressedComponent < 0)
        return;
    const int component = m_pressedComponent;
    QPointer<PickerView> self(this);
    componentTouched(component);
    if (!self || component >= numberOfComponents()) {
        m_pressedComponent = -1;
        return;
    }
    m_keyboardComponent = component;
    m_showKeyboardFocus = false;
    m_pressPos = pos;
    PickerViewWheel& wheel = m_wheels[size_t(component)].wheel;
    // A finger on a wheel the user set spinning stops it where it is; a
    // wheel that is just following a programmatic selection finishes that.
    if (wheel.isTurningByUser()) {
        wheel.beginTracking(m_clock());
        m_dragging = true;
        motionChanged();
    }
}

void PickerView::pointerMove(const QPointF& pos)
{
    if (m_pressedComponent < 0 || m_pressedComponent >= numberOfComponents())
        return;
    Component& c = m_wheels[size_t(m_pressedComponent)];
    const qint64 now = m_clock();
    if (!m_dragging) {
        if (std::abs(pos.y() - m_pressPos.y()) < QApplication::startDragDistance())
            return;
        m_dragging = true;
        m_pressPos = pos;
        c.wheel.beginTracking(now);
    }
    // Pulling the finger down brings the earlier rows into the band.
    c.wheel.trackBy(-(pos.y() - m_pressPos.y()) / c.rowHeight, now);
    motionChanged();
}

void PickerView::pointerUp(const QPointF& pos)
{
    const int component = m_pressedComponent;
    m_pressedComponent = -1;
    if (component < 0 || component >= numberOfComponents())
        return;
    Component& c = m_wheels[size_t(component)];
    if (m_dragging) {
        m_dragging = false;
        c.wheel.endTracking(m_clock());
    } else {
        const int row = rowAtY(c, pos.y());
        if (row >= 0 && row != c.wheel.selectedRow())
            c.wheel.scrollToRow(row, m_clock());
    }
    motionChanged();
}

void PickerView::mousePressEvent(QMouseEvent* event)
{
    if (m_touchId || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pointerDown(event->position());
    event->accept();
}

void PickerView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_touchId || !(event->buttons() & Qt::LeftButton))
        return;
    pointerMove(event->position());
}

void PickerView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_touchId || event->button() != Qt::LeftButton)
        return;
    pointerUp(event->position());
}

bool PickerView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        // The first finger turns the wheel; others are ignored until it lifts.
        for (const QEventPoint& point : touch->points()) {
            const QPointF pos = mapFromGlobal(point.globalPosition());
            if (!m_touchId && point.state() == QEventPoint::Pressed) {
                m_touchId = point.id();
                pointerDown(pos);
            } else if (m_touchId && point.id() == *m_touchId) {
                if (point.state() == QEventPoint::Released) {
                    m_touchId.reset();
                    pointerUp(pos);
                } else if (point.state() == QEventPoint::Updated) {
                    pointerMove(pos);
                }
            }
        }
        if (event->type() == QEvent::TouchEnd && m_touchId) {
            m_touchId.reset();
            pointerUp(m_pressPos);
        }
        event->accept();
        return true;
    }
    case QEvent::TouchCancel:
        if (m_touchId && m_dragging && m_pressedComponent >= 0 && m_pressedComponent < numberOfComponents()) {
            m_wheels[size_t(m_pressedComponent)].wheel.endTracking(m_clock());
            motionChanged();
        }
        m_touchId.reset();
        m_pressedComponent = -1;
        m_dragging = false;
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void PickerView::wheelEvent(QWheelEvent* event)
{
    const int component = componentAt(event->position());
    if (component < 0) {
        event->ignore();
        return;
    }
    QPointer<PickerView> self(this);
    componentTouched(component);
    if (!self || component >= numberOfComponents())
        return;
    Component& c = m_wheels[size_t(component)];
    const qint64 now = m_clock();
    if (!event->pixelDelta().isNull()) {
        // Trackpads scroll finely and settle when the fingers pause.
        c.wheel.nudgeBy(-event->pixelDelta().y() / double(c.rowHeight), now);
    } else {
        m_wheelRemainder += event->angleDelta().y();
        const int steps = m_wheelRemainder / notch;
        m_wheelRemainder -= steps * notch;
        if (steps)
            c.wheel.stepBy(-steps, now);
    }
    m_keyboardComponent = component;
    motionChanged();
    event->accept();
}

void PickerView::keyPressEvent(QKeyEvent* event)
{
    if (m_wheels.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto visibleNeighbour = [this](int from, int direction) {
        for (int i = from + direction; i >= 0 && i < numberOfComponents(); i += direction)
            if (!m_wheels[size_t(i)].rect.isEmpty())
                return i;
        return from;
    };
    int step = 0;
    int jumpTo = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        m_keyboardComponent = visibleNeighbour(m_keyboardComponent, -1);
        m_showKeyboardFocus = true;
        update();
        return;
    case Qt::Key_Right:
        m_keyboardComponent = visibleNeighbour(m_keyboardComponent, 1);
        m_showKeyboardFocus = true;
        update();
        return;
    case Qt::Key_Up: step = -1; break;
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_PageUp: step = -5; break;
    case Qt::Key_PageDown: step = 5; break;
    case Qt::Key_Home: jumpTo = 0; break;
    case Qt::Key_End: jumpTo = numberOfRowsInComponent(m_keyboardComponent) - 1; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int component = m_keyboardComponent;
    if (m_wheels[size_t(component)].rect.isEmpty())
        return;
    QPointer<PickerView> self(this);
    componentTouched(component);
    if (!self || component >= numberOfComponents())
        return;
    PickerViewWheel& wheel = m_wheels[size_t(component)].wheel;
    if (jumpTo >= 0)
        wheel.scrollToRow(jumpTo, m_clock());
    else
        wheel.stepBy(step, m_clock());
    m_showKeyboardFocus = true;
    motionChanged();
}

void PickerView::turnToRow(int row, int component)
{
    if (component < 0 || component >= numberOfComponents() || m_wheels[size_t(component)].rect.isEmpty())
        return;
    QPointer<PickerView> self(this);
    componentTouched(component);
    if (!self || component >= numberOfComponents())
        return;
    m_wheels[size_t(component)].wheel.scrollToRow(std::clamp(row, 0, std::max(0, numberOfRowsInComponent(component) - 1)),
                                                  m_clock());
    motionChanged();
}

void PickerView::focusOutEvent(QFocusEvent* event)
{
    m_showKeyboardFocus = false;
    update();
    QWidget::focusOutEvent(event);
}
