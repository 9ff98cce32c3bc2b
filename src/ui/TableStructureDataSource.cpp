#include "ui/TableStructureDataSource.h"

#include "core/TableStructure.h"

int TableStructureDataSource::numberOfSections(TableView*)
{
    const TableStructure* structure = tableStructure();
    return structure ? structure->numberOfSections() : 0;
}

int TableStructureDataSource::numberOfRowsInSection(TableView*, int section)
{
    const TableStructure* structure = tableStructure();
    return structure ? structure->numberOfRowsInSection(section) : 0;
}

QString TableStructureDataSource::titleForHeaderInSection(TableView*, int section)
{
    const TableStructure* structure = tableStructure();
    return structure ? structure->titleForSection(section) : QString();
}
