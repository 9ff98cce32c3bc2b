#include "ui/PageControl.h"

#include "core/Localization.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

PageControl::PageControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(localizedString("Page"));
}

void PageControl::setNumberOfPages(int pages)
{
    pages = qMax(0, pages);
    if (pages == m_pages)
        return;
    m_pages = pages;
    m_current = qBound(0, m_current, qMax(0, pages - 1));
    updateGeometry();
    update();
}

void PageControl::setCurrentPage(int page)
{
    page = qBound(0, page, qMax(0, m_pages - 1));
    if (page == m_current)
        return;
    m_current = page;
    update();
}

void PageControl::setDotSize(int diameter)
{
    m_dot = qMax(3, diameter);
    updateGeometry();
    update();
}

QRect PageControl::dotRect(int page) const
{
    const int pitch = m_dot * 2;
    const int total = m_pages * pitch - m_dot;
    const int left = (width() - total) / 2;
    return QRect(left + page * pitch, (height() - m_dot) / 2, m_dot, m_dot);
}

QSize PageControl::sizeHint() const
{
    return { qMax(0, m_pages * m_dot * 2 - m_dot) + 2 * m_dot, m_dot * 2 };
}

void PageControl::paintEvent(QPaintEvent*)
{
    if (m_pages <= 1)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < m_pages; ++i) {
        p.setBrush(i == m_current ? QColor(255, 255, 255, 230) : QColor(255, 255, 255, 80));
        p.drawEllipse(QRectF(dotRect(i)));
    }
}

void PageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pages <= 1 || !rect().contains(event->position().toPoint()))
        return;
    // The dot nearest the click, so small dots are easy to hit.
    const qreal x = event->position().x();
    int nearest = 0;
    for (int i = 1; i < m_pages; ++i)
        if (std::abs(dotRect(i).center().x() - x) < std::abs(dotRect(nearest).center().x() - x))
            nearest = i;
    if (nearest != m_current)
        emit pageChosen(nearest);
}
