#pragma once

#include "ui/TableViewCell.h"

// A row with its main label and one control (`view`) at the right, such as
// a switch or a remove button.
class DisplayCell : public TableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit DisplayCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QWidget* view() const { return m_view.view(); }
    // Replaces the control (see CellHostedView) and lays the cell out again.
    void setView(QWidget* view);

protected:
    void layoutSubviews() override;

private:
    CellHostedView m_view;
};
