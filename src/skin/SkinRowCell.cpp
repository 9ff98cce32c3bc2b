#include "skin/SkinRowCell.h"

#include <QLabel>

namespace {
const QString playMark = QStringLiteral("\u25B6 ");
}

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
    const QFontMetrics metrics = label->fontMetrics();
    // The mark stays whole; the title gives way at its head.
    const QString mark = isEmphasized() ? playMark : QString();
    const int room = qMax(0, label->width() - metrics.horizontalAdvance(mark));
    label->setText(mark + metrics.elidedText(m_title, Qt::ElideLeft, room));
}
