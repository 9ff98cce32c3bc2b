#include "screens/SkipDistance/SkipDistanceViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/RowKeys.h"
#include "core/UserDefaults.h"
#include "models/SkipDistances.h"

SkipDistanceViewController::SkipDistanceViewController(UserDefaults& defaults, QWidget* parent)
    : StyledTableViewController(parent)
    , m_defaults(defaults)
{
    setTitle(localizedString("Skip Distance"));
    tableStructure(); // built at creation
}

void SkipDistanceViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Skip Distance..."));
    QVariantMap row = displayRow();
    for (const int distance : SkipDistances::offered()) {
        DictionaryHelpers::setInt(row, distance, BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, SkipDistances::wordForDistance(distance));
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
    const bool chosen
        = tableStructure()->rowIdForIndexPath(indexPath) == m_defaults.integerForKey(PreferenceKeys::skipDistance);
    cell->setAccessoryType(chosen ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone);
    return cell;
}

void SkipDistanceViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    m_defaults.setInteger(PreferenceKeys::skipDistance, tableStructure()->rowIdForIndexPath(indexPath));
    m_defaults.setObject(PreferenceKeys::skipDistanceWord, row.value(BW_ROW__AUTO_TEXT_STRING).toString());
    table->deselectRowAtIndexPath(indexPath, true);
    table->reloadData();
}
