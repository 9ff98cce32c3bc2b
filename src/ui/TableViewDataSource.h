#pragma once

#include "core/IndexPath.h"

#include <QString>
#include <QStringList>

class TableView;
class TableViewCell;

// What a TableView shows. Only the row count and the cells must be given;
// the rest has sensible answers. Not owned by the table.
class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;

    virtual int numberOfSections(TableView* table);
    virtual int numberOfRowsInSection(TableView* table, int section) = 0;
    virtual QString titleForHeaderInSection(TableView* table, int section);
    // A cell for the row: dequeue one with the table's
    // dequeueReusableCellWithIdentifier, or make one. The table owns the cells
    // it is given; one without a reuse identifier is deleted once it leaves
    // the screen (keep a QPointer to any cell you hold on to).
    virtual TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) = 0;

    // Reordering in editing mode: which rows may move, and the move itself
    // (the table reloads afterwards).
    virtual bool canMoveRowAtIndexPath(TableView* table, const IndexPath& indexPath);
    virtual void moveRowAtIndexPath(TableView* table, const IndexPath& from, const IndexPath& to);

    // An index strip along the right edge (empty: none); choosing a title
    // scrolls to the section answered, or nowhere for -1.
    virtual QStringList sectionIndexTitlesForTableView(TableView* table);
    virtual int sectionForSectionIndexTitle(TableView* table, const QString& title, int index);
};
