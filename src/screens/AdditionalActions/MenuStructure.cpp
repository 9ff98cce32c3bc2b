#include "screens/AdditionalActions/MenuStructure.h"

#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"
#include "models/TableStructureModel.h"
#include "ui/TableViewCell.h"

TableStructure menuStructure(const TableStructureModel& rows, const QVariantMap& style, int moreRole)
{
    TableStructure structure;
    int section = -1;
    for (int i = 0; i < rows.rowCount(); ++i) {
        const QModelIndex at = rows.index(i);
        if (at.data(TableStructureModel::SectionIndexRole).toInt() != section) {
            section = at.data(TableStructureModel::SectionIndexRole).toInt();
            structure.addSection(at.data(TableStructureModel::SectionRole).toString());
        }
        QVariantMap row = style;
        DictionaryHelpers::setInt(row, at.data(TableStructureModel::RowIdRole).toInt(), BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, at.data(TableStructureModel::TextRole).toString());
        DictionaryHelpers::setInt(row,
                                  at.data(moreRole).toBool() ? TableViewCell::AccessoryDisclosureIndicator
                                                             : TableViewCell::AccessoryNone,
                                  BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    }
    return structure;
}
