#include "ui/ImageButton.h"

#include <QPainter>

ImageButton::ImageButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ImageButton::setImage(State state, const QPixmap& image)
{
    m_images[state] = image;
    update();
}

void ImageButton::setHighlighted(bool highlighted)
{
    if (m_highlighted == highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void ImageButton::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

ImageButton::State ImageButton::displayedState() const
{
    if (!isEnabled())
        return Disabled;
    if (isDown() || m_highlighted)
        return Highlighted;
    if (m_selected)
        return Selected;
    return Normal;
}

QSize ImageButton::sizeHint() const
{
    return m_images[Normal].isNull() ? QSize(44, 44) : m_images[Normal].deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    const State state = displayedState();
    QPixmap image = m_images[state];
    bool dim = false;
    // A state without its own image falls back the way a phone button does.
    if (image.isNull() && state == Highlighted && m_selected)
        image = m_images[Selected];
    if (image.isNull()) {
        image = m_images[Normal];
        dim = state == Disabled || (state == Highlighted && isDown());
    }
    if (image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSizeF size = image.deviceIndependentSize();
    if (size.width() > width() || size.height() > height())
        size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(), size.height());
    if (dim)
        p.setOpacity(state == Disabled ? 0.35 : 0.6);
    p.drawPixmap(target, image, QRectF(QPointF(0, 0), image.size()));
}
