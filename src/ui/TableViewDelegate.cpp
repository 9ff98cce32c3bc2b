#include "ui/TableViewDelegate.h"

// What a delegate answers when it does not answer itself.

int TableViewDelegate::heightForRowAtIndexPath(TableView*, const IndexPath&)
{
    return automaticDimension;
}

QWidget* TableViewDelegate::viewForHeaderInSection(TableView*, int)
{
    return nullptr;
}

int TableViewDelegate::heightForHeaderInSection(TableView*, int)
{
    return automaticDimension;
}

IndexPath TableViewDelegate::willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    return indexPath;
}

void TableViewDelegate::didSelectRowAtIndexPath(TableView*, const IndexPath&)
{
}

void TableViewDelegate::accessoryButtonTappedForRowWithIndexPath(TableView*, const IndexPath&)
{
}

TableViewCell::EditingStyle TableViewDelegate::editingStyleForRowAtIndexPath(TableView*, const IndexPath&)
{
    return TableViewCell::EditingStyleNone;
}

void TableViewDelegate::commitEditingStyle(TableView*, TableViewCell::EditingStyle, const IndexPath&)
{
}

IndexPath TableViewDelegate::targetIndexPathForMoveFromRowAtIndexPath(TableView*, const IndexPath&,
                                                                      const IndexPath& proposed)
{
    return proposed;
}
