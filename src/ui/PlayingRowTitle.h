#pragma once

#include <QFontMetrics>
#include <QString>

// What a list row's label shows of a title in the room it has: the item
// that plays wears a play mark, which stays whole while the title gives
// way as elide says (ElideNone: the label clips it).
namespace PlayingRowTitle {
QString text(const QString& title, bool playing, const QFontMetrics& metrics, int room, Qt::TextElideMode elide);
}
