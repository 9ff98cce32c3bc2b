#include "ui/TableCellLabel.h"

#include <QPainter>
#include <QStyle>

TableCellLabel::TableCellLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QSize TableCellLabel::minimumSizeHint() const
{
    // Any width will do: the text elides.
    return QSize(0, QLabel::minimumSizeHint().height());
}

void TableCellLabel::paintEvent(QPaintEvent* event)
{
    if (!pixmap().isNull() || wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}
