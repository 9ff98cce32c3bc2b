#pragma once

class EditableTableViewCell;

// What a screen says about the inline editing of its cells. Both answers are
// optional: by default editing may begin and its end goes unremarked.
class EditableTableViewCellDelegate {
public:
    virtual ~EditableTableViewCellDelegate() = default;
    virtual bool cellShouldBeginEditing(EditableTableViewCell* cell)
    {
        (void)cell;
        return true;
    }
    virtual void cellDidEndEditing(EditableTableViewCell* cell) { (void)cell; }
};
