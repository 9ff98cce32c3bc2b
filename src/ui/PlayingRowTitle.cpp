#include "ui/PlayingRowTitle.h"

#include <QtGlobal>

namespace {
const QString playMark = QStringLiteral("\u25B6 ");
}

QString PlayingRowTitle::text(const QString& title, bool playing, const QFontMetrics& metrics, int room,
                              Qt::TextElideMode elide)
{
    const QString mark = playing ? playMark : QString();
    if (elide == Qt::ElideNone)
        return mark + title;
    return mark + metrics.elidedText(title, elide, qMax(0, room - metrics.horizontalAdvance(mark)));
}
