#pragma once

#include "ui/EditableTableViewCell.h"

class QLineEdit;

// A row that is one text field. The field asks the cell's delegate before
// editing begins and tells it when editing ended; Return ends editing.
class CellTextField : public EditableTableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit CellTextField(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QLineEdit* view() const;
    // Replaces the field (see CellHostedView) and lays the cell out again.
    void setView(QLineEdit* field);

    // Takes the keyboard away from the field and runs the end of editing.
    void stopEditing() override;

protected:
    void layoutSubviews() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool beginEditing();
    void endEditing();

    CellHostedView m_view;
    bool m_endingEditing = false;
};
