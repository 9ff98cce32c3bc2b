#include "ui/ImageView.h"

#include <QPainter>

ImageView::ImageView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImageView::setImage(const QPixmap& image)
{
    m_image = image;
    update();
}

void ImageView::setContentScale(qreal scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    update();
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF size = m_image.deviceIndependentSize() * m_contentScale;
    const QRectF target((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(), size.height());
    p.drawPixmap(target, m_image, QRectF(QPointF(0, 0), m_image.size()));
}
