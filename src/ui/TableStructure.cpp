#include "ui/TableStructure.h"

#include "core/DictionaryHelpers.h"
#include "ui/RowKeys.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"

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

TableViewCell* TableStructure::cellFromConfigForTable(TableView* table, const IndexPath& indexPath) const
{
    const QVariant item = itemAtIndexPath(indexPath);
    if (!TableSection::isRowDictionary(item))
        qFatal("cellFromConfigForTable: row %d of section %d is not a row dictionary", indexPath.row(),
               indexPath.section());
    const QVariantMap row = item.toMap();

    const QString reuseIdentifier = row.value(BW_ROW_CELL_ID_STRING).toString();
    TableViewCell* cell = table->dequeueReusableCellWithIdentifier(reuseIdentifier);
    if (!cell) {
        const auto* cellClass
            = static_cast<const QMetaObject*>(DictionaryHelpers::classForKey(row, BW_ROW_CELL_CLASS_CLASS));
        cell = TableViewCell::createCell(cellClass, reuseIdentifier);
    }
    if (row.contains(BW_ROW_AUTO_ACCESSORY_STYLE_INT)) {
        const auto accessory = TableViewCell::AccessoryType(
            DictionaryHelpers::intForKey(row, BW_ROW_AUTO_ACCESSORY_STYLE_INT));
        cell->setAccessoryType(accessory);
        cell->setEditingAccessoryType(accessory);
    }
    if (row.contains(BW_ROW_AUTO_SELECTION_STYLE_INT))
        cell->setSelectionStyle(
            TableViewCell::SelectionStyle(DictionaryHelpers::intForKey(row, BW_ROW_AUTO_SELECTION_STYLE_INT)));
    cell->textLabel()->setText(row.value(BW_ROW__AUTO_TEXT_STRING).toString());
    return cell;
}
