#pragma once

#include "ui/TableViewDataSource.h"

class TableStructure;

// The table answers of a screen whose list is a TableStructure: sections,
// rows (0 beyond the structure, which a table may ask for while the screen
// rebuilds it) and titles. The screen still makes its cells.
class TableStructureDataSource : public TableViewDataSource {
public:
    // The screen's structure, or none.
    virtual TableStructure* tableStructure() = 0;

    int numberOfSections(TableView* table) override;
    int numberOfRowsInSection(TableView* table, int section) override;
    QString titleForHeaderInSection(TableView* table, int section) override;
};
