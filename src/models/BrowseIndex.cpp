#include "models/BrowseIndex.h"

#include "core/FoldedText.h"
#include "core/NameOrder.h"

QStringList BrowseIndex::titles()
{
    return QStringLiteral(".|A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z").split(u'|');
}

int BrowseIndex::rowForTitle(const QString& title, int count, const std::function<QString(int)>& nameAt)
{
    if (count <= 0)
        return -1;
    for (int row = 0; row < count; ++row)
        if (NameOrder::compare(title, nameAt(row)) < 0)
            return row;
    return count - 1;
}

int BrowseIndex::rowForPrefix(const QString& prefix, int count, const std::function<QString(int)>& nameAt)
{
    const QString folded = FoldedText::fold(prefix);
    for (int row = 0; row < count; ++row)
        if (FoldedText::fold(nameAt(row)).startsWith(folded))
            return row;
    return -1;
}
