#pragma once

#include "ui/TableViewCell.h"

class EditableTableViewCellDelegate;

// Base of the cells that edit their content in place.
class EditableTableViewCell : public TableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit EditableTableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    // Not owned: the screen showing the cell, which outlives it.
    EditableTableViewCellDelegate* delegate() const { return m_delegate; }
    void setDelegate(EditableTableViewCellDelegate* delegate) { m_delegate = delegate; }
    bool isInlineEditing() const { return m_inlineEditing; }
    void setInlineEditing(bool editing) { m_inlineEditing = editing; }

    // Ends inline editing; nothing to end here.
    virtual void stopEditing() { }

private:
    EditableTableViewCellDelegate* m_delegate = nullptr;
    bool m_inlineEditing = false;
};
