#include "ui/FastTableViewCell.h"

#include "ui/FastTableViewCellView.h"
#include "ui/TableCellPainter.h"

#include <QPainter>

FastTableViewCell::FastTableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
    , m_view(new FastTableViewCellView(this))
{
    m_view->raise();
    layoutSubviews();
}

void FastTableViewCell::drawContentView(QPainter&, const QRect&)
{
}

void FastTableViewCell::drawAccessory(QPainter& painter) const
{
    if (accessoryView() || accessoryRect().isEmpty())
        return;
    switch (isEditing() ? editingAccessoryType() : accessoryType()) {
    case AccessoryDisclosureIndicator:
        TableCellPainter::drawDisclosureIndicator(painter, accessoryRect(), showsSelection());
        break;
    case AccessoryDetailDisclosureButton:
        TableCellPainter::drawDetailDisclosureButton(painter, accessoryRect(), false);
        break;
    case AccessoryCheckmark:
        TableCellPainter::drawCheckmark(painter, accessoryRect(), showsSelection());
        break;
    case AccessoryNone:
        break;
    }
}

bool FastTableViewCell::showsSelection() const
{
    return (isSelected() || isHighlighted()) && selectionStyle() != SelectionStyleNone;
}

void FastTableViewCell::setNeedsDisplay()
{
    update();
    m_view->update();
}

void FastTableViewCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    if (m_view) // not yet while the base class lays out during construction
        m_view->setGeometry(0, 0, width(), qMax(0, height() - 1));
}

void FastTableViewCell::showHighlight(bool highlighted)
{
    TableViewCell::showHighlight(highlighted);
    if (m_view)
        m_view->update();
}
