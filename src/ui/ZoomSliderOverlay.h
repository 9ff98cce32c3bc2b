#pragma once

#include <QRectF>
#include <QWidget>

class QPainter;

// The fixed marker in the middle of a zoom slider: the value is the scale
// value under it. Touches pass through to the scale below.
class ZoomSliderOverlay : public QWidget {
    Q_OBJECT
public:
    explicit ZoomSliderOverlay(const QRect& frame, QWidget* parent = nullptr);
    ~ZoomSliderOverlay() override;

    // Where the marker is drawn, in this view's coordinates.
    QRectF markerRect() const;
    static QColor markerColor();

    // Fills rect with the painter's brush, with elliptical corners of
    // ovalWidth × ovalHeight; a plain rectangle when either is 0.
    static void fillRoundedRect(QPainter& context, const QRectF& rect, qreal ovalWidth, qreal ovalHeight);

protected:
    void paintEvent(QPaintEvent* event) override;
};
