#pragma once

#include "ui/TableViewCell.h"

class FastTableViewCellView;
class QPainter;

// A table cell that draws all its content itself into one opaque view
// (no label widgets), so that long lists scroll smoothly. The view covers
// the cell but its bottom line, which keeps the separator; the accessory
// is drawn over the content. Subclasses draw in drawContentView().
class FastTableViewCell : public TableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit FastTableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    // Draws the content into rect; nothing here.
    virtual void drawContentView(QPainter& painter, const QRect& rect);
    void drawAccessory(QPainter& painter) const;
    // Redraws the cell and its view.
    void setNeedsDisplay();
    FastTableViewCellView* fastContentView() const { return m_view; }
    // Selected or pressed, with a selection style that shows it.
    bool showsSelection() const;

protected:
    void layoutSubviews() override;
    void showHighlight(bool highlighted) override;

private:
    FastTableViewCellView* m_view;
};
