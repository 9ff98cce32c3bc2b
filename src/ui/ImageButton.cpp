#include "ui/ImageButton.h"

#include "ui/FocusRing.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

namespace {
// A disabled button reads as such whether or not its skin drew a disabled
// image; one without its own image fades further.
constexpr qreal disabledOpacity = 0.45;
constexpr qreal disabledFallbackOpacity = 0.35;
constexpr qreal pressedFallbackOpacity = 0.6;
}

ImageButton::ImageButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
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

void ImageButton::setContentScale(qreal scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    update();
}

void ImageButton::setCaption(const QString& text)
{
    if (text == m_caption)
        return;
    m_caption = text;
    update();
}

void ImageButton::setCaptionStyle(const CaptionStyle& style)
{
    m_captionStyle = style;
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

qreal ImageButton::drawnOpacity() const
{
    const State state = displayedState();
    if (state == Disabled)
        return m_images[Disabled].isNull() ? disabledFallbackOpacity : disabledOpacity;
    if (state == Highlighted && isDown() && m_images[Highlighted].isNull()
        && !(m_selected && !m_images[Selected].isNull()))
        return pressedFallbackOpacity;
    return 1;
}

void ImageButton::paintEvent(QPaintEvent*)
{
    const State state = displayedState();
    QPixmap image = m_images[state];
    // A state without its own image falls back the way a phone button does;
    // a disabled one that the program holds highlighted keeps that look.
    if (image.isNull() && state == Highlighted && m_selected)
        image = m_images[Selected];
    if (image.isNull() && state == Disabled && m_highlighted)
        image = m_images[Highlighted];
    if (image.isNull())
        image = m_images[Normal];
    if (image.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QSizeF size = image.deviceIndependentSize() * m_contentScale;
    if (size.width() > width() || size.height() > height())
        size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(), size.height());
    p.setOpacity(drawnOpacity());
    p.drawPixmap(target, image, QRectF(QPointF(0, 0), image.size()));
    paintCaption(p);
    if (FocusRing::shown(this))
        FocusRing::paint(p, QRectF(rect()).intersected(target.adjusted(-4, -4, 4, 4)), 8);
}

void ImageButton::paintCaption(QPainter& p)
{
    if (m_caption.isEmpty())
        return;
    const CaptionStyle& style = m_captionStyle;
    const qreal s = m_contentScale;
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(style.pointSize * s)));
    // Shrunk in whole pixels until it fits, as the image's own text would be drawn.
    while (style.maximumWidth > 0 && font.pixelSize() > 1
           && QFontMetricsF(font).horizontalAdvance(m_caption) > style.maximumWidth * s)
        font.setPixelSize(font.pixelSize() - 1);
    const QPointF centre = style.centre ? *style.centre * s : QRectF(rect()).center();
    p.setFont(font);
    p.setPen(isEnabled() ? style.colour : style.disabledColour);
    p.drawText(QRectF(centre.x() - width(), centre.y() - height(), 2.0 * width(), 2.0 * height()), Qt::AlignCenter,
               m_caption);
}

void ImageButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
