#pragma once

#include <QWidget>

class FastTableViewCell;

// The one opaque view of a FastTableViewCell: asked to paint, it has the
// cell draw everything into it.
class FastTableViewCellView : public QWidget {
    Q_OBJECT
public:
    explicit FastTableViewCellView(FastTableViewCell* cell);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FastTableViewCell* m_cell;
};
