#pragma once

#include <QLabel>

// A cell's label: one line that ends in "…" when it does not fit, as list
// rows do, instead of being cut off mid-letter.
class TableCellLabel : public QLabel {
    Q_OBJECT
public:
    explicit TableCellLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
