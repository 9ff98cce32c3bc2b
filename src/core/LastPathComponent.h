#pragma once

#include <QString>

// The last part of a "/"-separated path, as lists show an item's title:
// trailing separators do not count, and a title without one is whole.
inline QString lastPathComponent(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == u'/')
        --end;
    const qsizetype start = path.lastIndexOf(u'/', end - 1) + 1;
    return start >= end ? path.left(end) : path.mid(start, end - start);
}
