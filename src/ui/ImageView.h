#pragma once

#include <QPixmap>
#include <QWidget>

// An image drawn centred at its own size times the content scale, never
// stretched to its frame; it takes no clicks.
class ImageView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal contentScale READ contentScale WRITE setContentScale)
public:
    explicit ImageView(QWidget* parent = nullptr);

    QPixmap image() const { return m_image; }
    void setImage(const QPixmap& image);
    qreal contentScale() const { return m_contentScale; }
    void setContentScale(qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
    qreal m_contentScale = 1;
};
