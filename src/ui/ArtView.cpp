#include "ui/ArtView.h"

#include <QPainter>

#include <cmath>

ArtView::ArtView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ArtView::setFrameImage(const QPixmap& frame)
{
    m_frame = frame;
    update();
}

void ArtView::setPlaceholderImage(const QPixmap& placeholder)
{
    m_placeholder = placeholder;
    update();
}

void ArtView::setInset(qreal points)
{
    m_inset = qMax<qreal>(0, points);
    m_scaled = {};
    update();
}

void ArtView::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_scaled = {};
    update();
}

void ArtView::setContentScale(qreal scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    m_scaled = {};
    update();
}

QRectF ArtView::pictureArea() const
{
    const qreal inset = qMin(m_inset * m_contentScale, qMin(width(), height()) / 2.0);
    return QRectF(rect()).adjusted(inset, inset, -inset, -inset);
}

QImage ArtView::scaledToFit(const QImage& image, const QSize& size)
{
    if (image.isNull() || size.isEmpty())
        return {};
    const QSize target = image.size().scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // Qt's smooth scaling of a whole image averages every source pixel into
    // its target pixel; a painter drawing the full image smaller would
    // sample only a few, and fine detail would turn to grit.
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ArtView::resizeEvent(QResizeEvent*)
{
    m_scaled = {};
}

void ArtView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_frame.isNull())
        p.drawPixmap(QRectF(rect()), m_frame, QRectF(QPointF(0, 0), m_frame.size()));
    const QRectF area = pictureArea();
    if (area.isEmpty())
        return;
    auto centred = [&area](QSizeF size) {
        return QRectF(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                      size.width(), size.height());
    };
    if (!m_picture.isNull()) {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels(int(std::floor(area.width() * ratio)), int(std::floor(area.height() * ratio)));
        if (m_scaled.isNull() || m_scaled.size() != m_picture.size().scaled(pixels, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)))
            m_scaled = scaledToFit(m_picture, pixels);
        p.drawImage(centred(QSizeF(m_scaled.size()) / ratio), m_scaled);
    } else if (!m_placeholder.isNull()) {
        const QSizeF size = m_placeholder.deviceIndependentSize().scaled(area.size(), Qt::KeepAspectRatio);
        p.drawPixmap(centred(size), m_placeholder, QRectF(QPointF(0, 0), m_placeholder.size()));
    }
}
