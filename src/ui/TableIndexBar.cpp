#include "ui/TableIndexBar.h"

#include "ui/UiPalette.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int verticalMargin = 6;
constexpr int lineHeight = 14;
}

TableIndexBar::TableIndexBar(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TableIndexBar::setTitles(const QStringList& titles)
{
    m_titles = titles;
    update();
}

QRect TableIndexBar::titlesArea() const
{
    // Titles keep their natural spacing, centred, squeezed only when needed.
    const int available = height() - 2 * verticalMargin;
    const int wanted = int(m_titles.size()) * lineHeight;
    const int used = qMin(available, wanted);
    return QRect(0, (height() - used) / 2, width(), used);
}

void TableIndexBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 28));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 9, 9);
    }
    if (m_titles.isEmpty())
        return;
    const QRect area = titlesArea();
    const qreal step = qreal(area.height()) / m_titles.size();
    painter.setFont(UiPalette::boldFont(qMin(11, int(step))));
    painter.setPen(UiPalette::accent());
    for (int i = 0; i < m_titles.size(); ++i) {
        const QRectF line(0, area.top() + i * step, width(), step);
        painter.drawText(line, Qt::AlignCenter, m_titles.at(i));
    }
}

void TableIndexBar::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    m_lastChosen = -1;
    chooseAt(event->position().toPoint().y());
    update();
}

void TableIndexBar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed)
        chooseAt(event->position().toPoint().y());
}

void TableIndexBar::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = false;
    update();
}

void TableIndexBar::chooseAt(int y)
{
    if (m_titles.isEmpty())
        return;
    const QRect area = titlesArea();
    const int index = qBound(0, int(qreal(y - area.top()) * m_titles.size() / qMax(1, area.height())),
                             int(m_titles.size()) - 1);
    if (index == m_lastChosen)
        return;
    m_lastChosen = index;
    emit titleChosen(m_titles.at(index), index);
}
