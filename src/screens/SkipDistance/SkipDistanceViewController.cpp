#include "screens/SkipDistance/SkipDistanceViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "core/RowKeys.h"

#include <algorithm>
#include <iterator>

SkipDistanceViewController::SkipDistanceViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Skip Distance"));
    tableStructure(); // built at creation
}

QString SkipDistanceViewController::seconds(int count)
{
    return fmt(QStringLiteral("%d %@"), count, localizedString("Seconds"));
}

QString SkipDistanceViewController::minutes(int count)
{
    // English says "1 Minutes" here as everywhere; other languages may not.
    if (count == 1)
        return localizedString("1 Minutes");
    return fmt(QStringLiteral("%d %@"), count, localizedString("Minutes"));
}

namespace {
const int offeredDistances[] = { 5, 10, 15, 20, 30, 45, 60, 120, 180, 240, 300, 600, 900 };
}

QString SkipDistanceViewController::wordForDistance(int distance)
{
    if (std::find(std::begin(offeredDistances), std::end(offeredDistances), distance) == std::end(offeredDistances))
        return QString();
    return distance < 60 ? seconds(distance) : minutes(distance / 60);
}

void SkipDistanceViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Skip Distance..."));
    QVariantMap row = displayRow();
    for (int distance : offeredDistances) {
        DictionaryHelpers::setInt(row, distance, BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, wordForDistance(distance));
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
    const bool chosen = tableStructure()->rowIdForIndexPath(indexPath)
        == UserDefaults::standard().integerForKey(PreferenceKeys::skipDistance);
    cell->setAccessoryType(chosen ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone);
    return cell;
}

void SkipDistanceViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setInteger(PreferenceKeys::skipDistance, tableStructure()->rowIdForIndexPath(indexPath));
    defaults.setObject(PreferenceKeys::skipDistanceWord, row.value(BW_ROW__AUTO_TEXT_STRING).toString());
    table->deselectRowAtIndexPath(indexPath, true);
    table->reloadData();
}
