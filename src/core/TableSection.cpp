#include "core/TableSection.h"

#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"

TableSection::TableSection(const QString& title)
    : m_sectionTitle(title)
{
}

void TableSection::addRowId(const QVariant& item)
{
    m_rowIds.append(item);
}

int TableSection::rowIdForRow(int index) const
{
    return rowIdOfItem(m_rowIds.at(index));
}

void TableSection::insertObject(const QVariant& item, int index)
{
    m_rowIds.insert(index, item);
}

void TableSection::removeObjectAtIndex(int index)
{
    m_rowIds.removeAt(index);
}

bool TableSection::isRowDictionary(const QVariant& item)
{
    return item.typeId() == QMetaType::QVariantMap;
}

int TableSection::rowIdOfItem(const QVariant& item)
{
    if (isRowDictionary(item))
        return DictionaryHelpers::intForKey(item.toMap(), BW_ROW_ID_INT);
    return item.toInt();
}
