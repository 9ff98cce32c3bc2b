#include "ui/PagingScrollView.h"

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWheelEvent>

#include <cmath>

namespace {
// How far a press on a page's control may move before its direction counts.
constexpr qreal directionSlop = 8;
// Sideways enough to be a page turn rather than a list's scroll.
constexpr qreal sidewaysRatio = 1.2;
// A press held this long without moving belongs to the control under it.
constexpr int holdMs = 180;
// A wheel stream that pauses this long has ended.
constexpr int wheelPauseMs = 250;
constexpr int wheelStep = 120;
}

PagingScrollView::PagingScrollView(QWidget* parent)
    : QWidget(parent)
    , m_content(new QWidget(this))
    , m_animation(this, "contentOffset")
{
    m_content->setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    m_animation.setDuration(300);
    m_animation.setEasingCurve(QEasingCurve::OutCubic);
    m_wheelPause.setSingleShot(true);
    m_wheelPause.setInterval(wheelPauseMs);
    connect(&m_wheelPause, &QTimer::timeout, this, [this] {
        m_wheelSpent = false;
        m_wheelAccumulated = 0;
    });
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(holdMs);
    connect(&m_holdTimer, &QTimer::timeout, this, &PagingScrollView::handHeldPressToControl);
    // Presses on the pages' controls pass here first, to tell a page turn
    // from the control's own drag.
    qApp->installEventFilter(this);
}

PagingScrollView::~PagingScrollView()
{
    qApp->removeEventFilter(this);
}

void PagingScrollView::setContentSize(const QSizeF& size)
{
    m_contentSize = size;
    m_content->resize(size.toSize());
    setContentOffsetValue(m_offset);
}

QPointF PagingScrollView::clamped(QPointF offset) const
{
    offset.setX(qBound<qreal>(0, offset.x(), qMax<qreal>(0, m_contentSize.width() - width())));
    offset.setY(qBound<qreal>(0, offset.y(), qMax<qreal>(0, m_contentSize.height() - height())));
    return offset;
}

void PagingScrollView::setContentOffsetValue(const QPointF& offset)
{
    m_offset = offset;
    m_content->move(-qRound(offset.x()), -qRound(offset.y()));
    const int page = visiblePage();
    if (page != m_visiblePage) {
        m_visiblePage = page;
        emit visiblePageChanged(page);
    }
}

void PagingScrollView::setContentOffset(const QPointF& offset, bool animated)
{
    m_animation.stop();
    const QPointF target = clamped(offset);
    if (!animated || !isVisible()) {
        setContentOffsetValue(target);
        return;
    }
    m_animation.setStartValue(m_offset);
    m_animation.setEndValue(target);
    m_animation.start();
}

int PagingScrollView::pageCount() const
{
    return width() > 0 ? int(m_contentSize.width() / width()) : 0;
}

int PagingScrollView::currentPage() const
{
    return width() > 0 ? int(m_offset.x() / width()) : 0;
}

int PagingScrollView::visiblePage() const
{
    const int pages = pageCount();
    if (pages <= 0)
        return 0;
    return qBound(0, int(std::lround(m_offset.x() / width())), pages - 1);
}

void PagingScrollView::scrollToPage(int page, bool animated)
{
    const int pages = pageCount();
    if (pages <= 0)
        return;
    page = qBound(0, page, pages - 1);
    if (!animated || !isVisible()) {
        m_animation.stop();
        setContentOffsetValue(QPointF(page * width(), m_offset.y()));
        if (m_delegate)
            m_delegate->scrollViewDidEndDecelerating(this);
        return;
    }
    settleOnPage(page, true);
}

void PagingScrollView::settleOnPage(int page, bool tellDelegate)
{
    const int pages = pageCount();
    if (pages <= 0)
        return;
    page = qBound(0, page, pages - 1);
    m_animation.stop();
    m_animation.setStartValue(m_offset);
    m_animation.setEndValue(QPointF(page * width(), m_offset.y()));
    if (tellDelegate) {
        disconnect(&m_animation, &QAbstractAnimation::finished, this, nullptr);
        connect(&m_animation, &QAbstractAnimation::finished, this, [this] {
            disconnect(&m_animation, &QAbstractAnimation::finished, this, nullptr);
            if (m_delegate)
                m_delegate->scrollViewDidEndDecelerating(this);
        });
    }
    m_animation.start();
}

void PagingScrollView::resizeEvent(QResizeEvent*)
{
    setContentOffsetValue(clamped(m_offset));
}

bool PagingScrollView::swipeable() const
{
    return m_scrollEnabled && m_paging && pageCount() > 1 && isVisible();
}

// --- Dragging ------------------------------------------------------------------

void PagingScrollView::beginDrag(const QPointF& position)
{
    m_animation.stop();
    m_dragging = true;
    m_pressPos = position;
    m_pressOffset = m_offset;
    m_pressTime = QDateTime::currentMSecsSinceEpoch();
}

void PagingScrollView::moveDrag(const QPointF& position)
{
    const qreal dx = position.x() - m_pressPos.x();
    QPointF offset(m_pressOffset.x() - dx, m_pressOffset.y());
    // Past either end the content follows the finger only half way.
    const qreal maxX = qMax<qreal>(0, m_contentSize.width() - width());
    if (offset.x() < 0)
        offset.setX(offset.x() / 2);
    else if (offset.x() > maxX)
        offset.setX(maxX + (offset.x() - maxX) / 2);
    setContentOffsetValue(offset);
}

void PagingScrollView::endDrag(const QPointF& position)
{
    m_dragging = false;
    const qreal dx = position.x() - m_pressPos.x();
    const qint64 elapsed = qMax<qint64>(1, QDateTime::currentMSecsSinceEpoch() - m_pressTime);
    const qreal speed = dx / elapsed; // points per millisecond
    int page = width() > 0 ? int(std::lround(m_offset.x() / width())) : 0;
    const int start = width() > 0 ? int(std::lround(m_pressOffset.x() / width())) : 0;
    // A quick flick turns the page even when it moved only a little.
    if (std::fabs(speed) > 0.3 && std::fabs(dx) > 10)
        page = start + (dx < 0 ? 1 : -1);
    settleOnPage(page, true);
}

void PagingScrollView::mousePressEvent(QMouseEvent* event)
{
    if (!m_scrollEnabled) {
        event->ignore();
        return;
    }
    beginDrag(event->position());
}

void PagingScrollView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        moveDrag(event->position());
}

void PagingScrollView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging)
        endDrag(event->position());
}

// --- Wheels and trackpads -------------------------------------------------------

bool PagingScrollView::turnByWheel(QWheelEvent* event)
{
    if (!swipeable())
        return false;
    const QPoint angle = event->angleDelta();
    const QPoint pixels = event->pixelDelta();
    const int dx = angle.x() != 0 ? angle.x() : pixels.x();
    const int dy = angle.x() != 0 ? angle.y() : pixels.y();
    if (dx == 0 || std::abs(dx) <= std::abs(dy))
        return false;
    m_wheelPause.start();
    if (event->phase() == Qt::ScrollBegin)
        m_wheelSpent = false;
    if (m_wheelSpent)
        return true;
    m_wheelAccumulated += dx;
    if (std::fabs(m_wheelAccumulated) >= wheelStep) {
        settleOnPage(visiblePage() + (m_wheelAccumulated < 0 ? 1 : -1), true);
        m_wheelAccumulated = 0;
        m_wheelSpent = true;
    }
    return true;
}

void PagingScrollView::wheelEvent(QWheelEvent* event)
{
    if (turnByWheel(event))
        event->accept();
    else
        event->ignore();
}

// --- Gestures that start on a page's controls ------------------------------------

bool PagingScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (m_replaying)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto* receiver = qobject_cast<QWidget*>(watched);
        return receiver && filterContentMouse(receiver, static_cast<QMouseEvent*>(event));
    }
    case QEvent::FocusIn: {
        // Tab to a control on another page turns to that page.
        auto* control = qobject_cast<QWidget*>(watched);
        if (control && m_content->isAncestorOf(control) && width() > 0) {
            const QPoint centre = control->mapTo(m_content, control->rect().center());
            const int page = int(centre.x() / width());
            if (page != visiblePage())
                scrollToPage(page, true);
        }
        return false;
    }
    case QEvent::Wheel: {
        auto* receiver = qobject_cast<QWidget*>(watched);
        // A sideways wheel on a page's control turns the page; anything else
        // is the control's.
        return receiver && m_content->isAncestorOf(receiver) && turnByWheel(static_cast<QWheelEvent*>(event));
    }
    default:
        return false;
    }
}

bool PagingScrollView::filterContentMouse(QWidget* receiver, QMouseEvent* event)
{
    // A new press while a gesture is still open (its release went astray)
    // ends that gesture first.
    if (event->type() == QEvent::MouseButtonPress && m_contentGesture != ContentGesture::None
        && event->buttons() == event->button()) {
        if (m_contentGesture == ContentGesture::Paging)
            endDrag(mapFromGlobal(event->globalPosition()));
        m_holdTimer.stop();
        m_contentGesture = ContentGesture::None;
    }
    if (m_contentGesture == ContentGesture::None) {
        if (event->type() != QEvent::MouseButtonPress || event->button() != Qt::LeftButton
            || event->buttons() != Qt::LeftButton || !swipeable() || !m_content->isAncestorOf(receiver))
            return false;
        // Held back until it shows whether it is a page turn.
        m_held = HeldPress { receiver,         event->position(), event->scenePosition(), event->globalPosition(),
                             event->button(),  event->buttons(),  event->modifiers(),     event->timestamp(),
                             event->pointingDevice() };
        m_contentGesture = ContentGesture::Held;
        m_holdTimer.start();
        return true;
    }
    if (receiver != m_held.receiver)
        return false;
    const QPointF position = mapFromGlobal(event->globalPosition());
    if (m_contentGesture == ContentGesture::Paging) {
        if (event->type() == QEvent::MouseMove) {
            moveDrag(position);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_contentGesture = ContentGesture::None;
            endDrag(position);
        }
        return true;
    }
    // Held: still undecided.
    if (event->type() == QEvent::MouseMove) {
        const QPointF moved = event->globalPosition() - m_held.global;
        if (std::hypot(moved.x(), moved.y()) < directionSlop)
            return true;
        if (std::fabs(moved.x()) > sidewaysRatio * std::fabs(moved.y())) {
            m_holdTimer.stop();
            m_contentGesture = ContentGesture::Paging;
            beginDrag(mapFromGlobal(m_held.global));
            moveDrag(position);
            return true;
        }
        handHeldPressToControl(); // the control's own drag: this move is its too
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease)
        handHeldPressToControl(); // a tap: the control gets press and release
    return false;
}

void PagingScrollView::handHeldPressToControl()
{
    m_holdTimer.stop();
    if (m_contentGesture != ContentGesture::Held)
        return;
    m_contentGesture = ContentGesture::None;
    QWidget* receiver = m_held.receiver;
    if (!receiver)
        return;
    QMouseEvent press(QEvent::MouseButtonPress, m_held.local, m_held.scene, m_held.global, m_held.button,
                      m_held.buttons, m_held.modifiers,
                      m_held.device ? m_held.device : QPointingDevice::primaryPointingDevice());
    press.setTimestamp(m_held.timestamp);
    m_replaying = true;
    QCoreApplication::sendEvent(receiver, &press);
    m_replaying = false;
}
