#include "skin/SkinRowCell.h"

#include "ui/PlayingRowTitle.h"

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

void SkinRowCell::setPlaying(bool playing)
{
    setEmphasized(playing);
    layoutSubviews();
}

void SkinRowCell::layoutSubviews()
{
    DisplayCell::layoutSubviews();
    QLabel* label = textLabel();
    // The title gives way at its head, so the end of a long name stays.
    label->setText(PlayingRowTitle::text(m_title, isEmphasized(), label->fontMetrics(), label->width(), Qt::ElideLeft));
}
