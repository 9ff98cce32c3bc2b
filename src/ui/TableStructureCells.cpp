#include "ui/TableStructureCells.h"

#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"
#include "core/TableStructure.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"

TableViewCell* TableStructureCells::cellFromConfigForTable(const TableStructure& structure, TableView* table,
                                                         const IndexPath& indexPath)
{
    const QVariant item = structure.itemAtIndexPath(indexPath);
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
