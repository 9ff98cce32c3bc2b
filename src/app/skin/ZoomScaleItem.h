#pragma once

#include <QQuickPaintedItem>

class ZoomSliderItem;

// The drawn scale of a zoom slider: three slider widths wide, shifted as
// the value moves, painted again only when the slider says so.
class ZoomScaleItem : public QQuickPaintedItem {
    Q_OBJECT
public:
    explicit ZoomScaleItem(ZoomSliderItem* slider);

    void paint(QPainter* painter) override;
    // How often the scale was painted (a drawing is the costly part).
    int paintCount() const { return m_paintCount; }

private:
    ZoomSliderItem* m_slider;
    int m_paintCount = 0;
};
