#include "ui/TableSectionTitleView.h"

#include "ui/UiPalette.h"

#include <QLinearGradient>
#include <QPainter>

TableSectionTitleView::TableSectionTitleView(const QString& title, bool grouped, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_grouped(grouped)
{
}

void TableSectionTitleView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    if (m_grouped) {
        painter.setFont(UiPalette::boldFont(15));
        painter.setPen(UiPalette::secondaryText());
        painter.drawText(area.adjusted(20, 0, -20, -6), Qt::AlignLeft | Qt::AlignBottom,
                         painter.fontMetrics().elidedText(m_title, Qt::ElideRight, area.width() - 40));
        return;
    }
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(0x3c, 0x3f, 0x47, 245));
    fill.setColorAt(1, QColor(0x2b, 0x2d, 0x33, 245));
    painter.fillRect(area, fill);
    painter.fillRect(QRect(0, 0, area.width(), 1), QColor(255, 255, 255, 30));
    painter.fillRect(QRect(0, area.height() - 1, area.width(), 1), QColor(0, 0, 0, 150));
    painter.setFont(UiPalette::boldFont(14));
    painter.setPen(UiPalette::text());
    painter.drawText(area.adjusted(12, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(m_title, Qt::ElideRight, area.width() - 24));
}
