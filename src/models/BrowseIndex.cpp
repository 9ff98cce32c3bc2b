#include "models/BrowseIndex.h"

QStringList BrowseIndex::titles()
{
    return QStringLiteral(".|A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z").split(u'|');
}

int BrowseIndex::rowForTitle(const QString& title, int count, const std::function<QString(int)>& nameAt)
{
    if (count <= 0)
        return -1;
    for (int row = 0; row < count; ++row)
        if (QString::compare(title, nameAt(row), Qt::CaseInsensitive) < 0)
            return row;
    return count - 1;
}
