#include "ui/PagingScrollView.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

PagingScrollView::PagingScrollView(QWidget* parent)
    : QWidget(parent)
    , m_content(new QWidget(this))
    , m_animation(this, "contentOffset")
{
    m_content->setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    m_animation.setDuration(300);
    m_animation.setEasingCurve(QEasingCurve::OutCubic);
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

void PagingScrollView::mousePressEvent(QMouseEvent* event)
{
    if (!m_scrollEnabled) {
        event->ignore();
        return;
    }
    m_animation.stop();
    m_dragging = true;
    m_pressPos = event->position();
    m_pressOffset = m_offset;
    m_pressTime = QDateTime::currentMSecsSinceEpoch();
}

void PagingScrollView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const qreal dx = event->position().x() - m_pressPos.x();
    QPointF offset(m_pressOffset.x() - dx, m_pressOffset.y());
    // Past either end the content follows the finger only half way.
    const qreal maxX = qMax<qreal>(0, m_contentSize.width() - width());
    if (offset.x() < 0)
        offset.setX(offset.x() / 2);
    else if (offset.x() > maxX)
        offset.setX(maxX + (offset.x() - maxX) / 2);
    setContentOffsetValue(offset);
}

void PagingScrollView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    const qreal dx = event->position().x() - m_pressPos.x();
    const qint64 elapsed = qMax<qint64>(1, QDateTime::currentMSecsSinceEpoch() - m_pressTime);
    const qreal speed = dx / elapsed; // points per millisecond
    int page = width() > 0 ? int(std::lround(m_offset.x() / width())) : 0;
    const int start = width() > 0 ? int(std::lround(m_pressOffset.x() / width())) : 0;
    // A quick flick turns the page even when it moved only a little.
    if (std::fabs(speed) > 0.3 && std::fabs(dx) > 10)
        page = start + (dx < 0 ? 1 : -1);
    settleOnPage(page, true);
}

void PagingScrollView::wheelEvent(QWheelEvent* event)
{
    if (!m_scrollEnabled || pageCount() <= 1) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    m_wheelAccumulated += delta.x() != 0 ? delta.x() : 0;
    if (std::fabs(m_wheelAccumulated) >= 120) {
        settleOnPage(currentPage() + (m_wheelAccumulated < 0 ? 1 : -1), true);
        m_wheelAccumulated = 0;
    }
    event->accept();
}
