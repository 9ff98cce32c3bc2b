#include "skin/SkinRowCell.h"

#include <QLabel>

SkinRowCell::SkinRowCell(const QString& reuseIdentifier, QWidget* parent)
    : DisplayCell(reuseIdentifier, parent)
{
}

void SkinRowCell::setTitle(const QString& title)
{
    m_title = title;
    layoutSubviews();
}

void SkinRowCell::layoutSubviews()
{
    DisplayCell::layoutSubviews();
    QLabel* label = textLabel();
    label->setText(label->fontMetrics().elidedText(m_title, Qt::ElideLeft, qMax(0, label->width())));
}
