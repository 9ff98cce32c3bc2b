#include "ui/EditableTableViewCell.h"

EditableTableViewCell::EditableTableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
{
    setSelectionStyle(SelectionStyleNone);
}
