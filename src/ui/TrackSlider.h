#pragma once

#include <QPixmap>
#include <QWidget>

// A horizontal slider drawn from images: the track left of the thumb and
// the track right of it, each stretched sideways past a left cap, and a
// thumb image that is not stretched. Values are real numbers from 0 to the
// maximum; dragging reports every change. Images are drawn at their own
// size times the content scale; a disabled slider is drawn faded.
class TrackSlider : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal contentScale READ contentScale WRITE setContentScale)
public:
    explicit TrackSlider(QWidget* parent = nullptr);

    void setMinimumTrackImage(const QPixmap& image, int leftCap);
    void setMaximumTrackImage(const QPixmap& image, int leftCap);
    void setThumbImage(const QPixmap& image);

    double value() const { return m_value; }
    void setValue(double value);
    double maximumValue() const { return m_maximum; }
    void setMaximumValue(double maximum);
    bool isTracking() const { return m_dragging; }
    qreal contentScale() const { return m_contentScale; }
    void setContentScale(qreal scale);

    // The thumb's centre for the current value, in widget coordinates.
    QPointF thumbCenter() const;

signals:
    // The user moved the thumb.
    void valueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double valueAt(qreal x) const;
    QSizeF thumbSize() const;
    void drawStretched(QPainter& p, const QPixmap& image, int leftCap, const QRectF& target) const;

    QPixmap m_minTrack;
    QPixmap m_maxTrack;
    QPixmap m_thumb;
    int m_minCap = 0;
    int m_maxCap = 0;
    double m_value = 0;
    double m_maximum = 1;
    bool m_dragging = false;
    qreal m_contentScale = 1;
};
