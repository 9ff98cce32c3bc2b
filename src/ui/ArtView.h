#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture in a frame: the frame image fills the control, and the picture
// (or, without one, the placeholder image) sits inset points inside it,
// whole, centred, with its own proportions. The picture is scaled once per
// size, to the device pixels it takes, with area averaging, so that a large
// cover shrunk to a thumbnail stays smooth instead of grainy; it takes no
// clicks.
class ArtView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal contentScale READ contentScale WRITE setContentScale)
public:
    explicit ArtView(QWidget* parent = nullptr);

    void setFrameImage(const QPixmap& frame);
    void setPlaceholderImage(const QPixmap& placeholder);
    // Points between the control's edge and the picture.
    void setInset(qreal points);
    // A null image shows the placeholder.
    void setPicture(const QImage& picture);
    bool showsPicture() const { return !m_picture.isNull(); }
    qreal contentScale() const { return m_contentScale; }
    void setContentScale(qreal scale);

    // Where the picture goes, in the control's pixels.
    QRectF pictureArea() const;
    // image shrunk (or grown) smoothly to fit size, proportions kept.
    static QImage scaledToFit(const QImage& image, const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_frame;
    QPixmap m_placeholder;
    QImage m_picture;
    QImage m_scaled; // m_picture at the device pixels it is drawn with
    qreal m_inset = 0;
    qreal m_contentScale = 1;
};
