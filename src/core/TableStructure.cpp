#include "core/TableStructure.h"

TableStructure::TableStructure(const QVariantList& list)
{
    for (const QVariant& item : list) {
        if (item.typeId() == QMetaType::QString)
            addSection(item.toString());
        else
            addRow(item);
    }
}

void TableStructure::addSection(const QString& title)
{
    m_sections.append(TableSection(title));
}

void TableStructure::addRow(const QVariant& item)
{
    if (m_sections.isEmpty())
        qFatal("section");
    m_sections.last().addRowId(item);
}

int TableStructure::numberOfRowsInSection(int section) const
{
    if (section < 0 || section >= numberOfSections())
        return 0;
    return m_sections.at(section).rowsInSection();
}

QString TableStructure::titleForSection(int section) const
{
    if (section < 0 || section >= numberOfSections())
        return {};
    return m_sections.at(section).sectionTitle();
}

QVariant TableStructure::itemAtIndexPath(const IndexPath& indexPath) const
{
    return m_sections.at(indexPath.section()).objectAtIndex(indexPath.row());
}

int TableStructure::rowIdForIndexPath(const IndexPath& indexPath) const
{
    return m_sections.at(indexPath.section()).rowIdForRow(indexPath.row());
}

void TableStructure::insertItem(const QVariant& item, const IndexPath& indexPath)
{
    m_sections[indexPath.section()].insertObject(item, indexPath.row());
}

void TableStructure::deleteItemAtIndexPath(const IndexPath& indexPath)
{
    m_sections[indexPath.section()].removeObjectAtIndex(indexPath.row());
}

void TableStructure::moveRowAtIndexPath(const IndexPath& from, const IndexPath& to)
{
    const QVariant item = itemAtIndexPath(from);
    deleteItemAtIndexPath(from);
    insertItem(item, to);
}
