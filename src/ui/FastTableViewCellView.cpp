#include "ui/FastTableViewCellView.h"

#include "ui/FastTableViewCell.h"

#include <QPainter>
#include <QPaintEvent>

FastTableViewCellView::FastTableViewCellView(FastTableViewCell* cell)
    : QWidget(cell)
    , m_cell(cell)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Taps and presses belong to the table, which looks at the cell.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FastTableViewCellView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_cell->drawContentView(painter, rect());
    m_cell->drawAccessory(painter);
}
