#include "app/ComputerIconItem.h"

#include <QPainter>

#include <algorithm>

ComputerIconItem::ComputerIconItem(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
    setImplicitSize(ComputerIconDrawing::size, ComputerIconDrawing::size);
}

void ComputerIconItem::setAdding(bool adding)
{
    if (adding == m_adding)
        return;
    m_adding = adding;
    update();
    emit addingChanged();
}

void ComputerIconItem::paint(QPainter* painter)
{
    const qreal side = std::min(width(), height());
    painter->save();
    painter->translate((width() - side) / 2, (height() - side) / 2);
    painter->scale(side / ComputerIconDrawing::size, side / ComputerIconDrawing::size);
    ComputerIconDrawing::draw(*painter, m_adding);
    painter->restore();
}
