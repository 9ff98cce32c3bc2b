#include "ui/TableViewDataSource.h"

// What a data source answers when it does not answer itself.

int TableViewDataSource::numberOfSections(TableView*)
{
    return 1;
}

QString TableViewDataSource::titleForHeaderInSection(TableView*, int)
{
    return {};
}

bool TableViewDataSource::canMoveRowAtIndexPath(TableView*, const IndexPath&)
{
    return false;
}

void TableViewDataSource::moveRowAtIndexPath(TableView*, const IndexPath&, const IndexPath&)
{
}

QStringList TableViewDataSource::sectionIndexTitlesForTableView(TableView*)
{
    return {};
}

int TableViewDataSource::sectionForSectionIndexTitle(TableView*, const QString&, int index)
{
    return index;
}
