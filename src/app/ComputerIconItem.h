#pragma once

#include "models/ComputerIconDrawing.h"

#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// The remotes list's computer icon in Qt Quick, as the rows show
// it (ComputerIconDrawing), drawn to the item's size.
class ComputerIconItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ComputerIcon)
    // With the green plus of "Add computer".
    Q_PROPERTY(bool adding READ isAdding WRITE setAdding NOTIFY addingChanged)
public:
    explicit ComputerIconItem(QQuickItem* parent = nullptr);
    bool isAdding() const { return m_adding; }
    void setAdding(bool adding);
    void paint(QPainter* painter) override;

signals:
    void addingChanged();

private:
    bool m_adding = false;
};
