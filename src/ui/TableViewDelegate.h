#pragma once

#include "core/IndexPath.h"
#include "ui/TableViewCell.h"

class TableView;
class QWidget;

// How a TableView lays out and reacts. Every hook is optional. Not owned by
// the table.
class TableViewDelegate {
public:
    // Answer this from a height question to use the table's own measure.
    static constexpr int automaticDimension = -1;

    virtual ~TableViewDelegate() = default;

    virtual int heightForRowAtIndexPath(TableView* table, const IndexPath& indexPath);
    // The table takes ownership of the view and deletes it once the section
    // header leaves the screen: give a new view each time.
    virtual QWidget* viewForHeaderInSection(TableView* table, int section);
    // Automatic: the table's section header height when the section has a
    // title, none otherwise.
    virtual int heightForHeaderInSection(TableView* table, int section);

    // May redirect the selection to another row, or refuse it with an
    // invalid index path.
    virtual IndexPath willSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath);
    virtual void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath);
    virtual void accessoryButtonTappedForRowWithIndexPath(TableView* table, const IndexPath& indexPath);

    // None by default: rows show no editing control and cannot be swiped.
    virtual TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* table, const IndexPath& indexPath);
    // The user confirmed a delete (swipe or editing control) or tapped an
    // insert control.
    virtual void commitEditingStyle(TableView* table, TableViewCell::EditingStyle style, const IndexPath& indexPath);
    // Where a dragged row may land.
    virtual IndexPath targetIndexPathForMoveFromRowAtIndexPath(TableView* table, const IndexPath& from,
                                                               const IndexPath& proposed);
};
