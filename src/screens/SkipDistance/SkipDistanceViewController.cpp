#include "screens/SkipDistance/SkipDistanceViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/RowKeys.h"

SkipDistanceViewController::SkipDistanceViewController(UserDefaults& defaults, QWidget* parent)
    : StyledTableViewController(parent)
    , m_distances(defaults)
{
    setTitle(localizedString("Skip Distance"));
    tableStructure(); // built at creation
}

void SkipDistanceViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Skip Distance..."));
    QVariantMap row = displayRow();
    for (int i = 0; i < m_distances.rowCount(); ++i) {
        const QModelIndex distance = m_distances.index(i);
        DictionaryHelpers::setInt(row, distance.data(SkipDistanceModel::DistanceRole).toInt(), BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, distance.data(SkipDistanceModel::TextRole).toString());
        structure.addRow(row);
    }
    setTableStructure(structure);
}

void SkipDistanceViewController::viewWillAppear(bool animated)
{
    StyledTableViewController::viewWillAppear(animated);
    myTableView()->reloadData();
}

TableViewCell* SkipDistanceViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    TableViewCell* cell = StyledTableViewController::cellForRowAtIndexPath(table, indexPath);
    const bool chosen = m_distances.index(indexPath.row()).data(SkipDistanceModel::ChosenRole).toBool();
    cell->setAccessoryType(chosen ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone);
    return cell;
}

void SkipDistanceViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    m_distances.choose(indexPath.row());
    table->deselectRowAtIndexPath(indexPath, true);
    table->reloadData();
}
