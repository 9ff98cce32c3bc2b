#include "ui/TrackSlider.h"

#include "ui/FocusRing.h"
#include "ui/UiAccessibility.h"

#include <QMouseEvent>
#include <QPainter>

TrackSlider::TrackSlider(QWidget* parent)
    : QWidget(parent)
{
    UiAccessibility::install();
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; its keys are the window's (the arrows seek and set
    // the volume wherever the focus is).
    setFocusPolicy(Qt::TabFocus);
}

void TrackSlider::setMinimumTrackImage(const QPixmap& image, int leftCap)
{
    m_minTrack = image;
    m_minCap = leftCap;
    update();
}

void TrackSlider::setMaximumTrackImage(const QPixmap& image, int leftCap)
{
    m_maxTrack = image;
    m_maxCap = leftCap;
    update();
}

void TrackSlider::setThumbImage(const QPixmap& image)
{
    m_thumb = image;
    update();
}

void TrackSlider::setValue(double value)
{
    value = qBound(0.0, value, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void TrackSlider::setMaximumValue(double maximum)
{
    m_maximum = qMax(0.0, maximum);
    m_value = qMin(m_value, m_maximum);
    update();
}

void TrackSlider::setContentScale(qreal scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    update();
}

QSizeF TrackSlider::thumbSize() const
{
    return (m_thumb.isNull() ? QSizeF(22, 22) : m_thumb.deviceIndependentSize()) * m_contentScale;
}

QPointF TrackSlider::thumbCenter() const
{
    const qreal half = thumbSize().width() / 2;
    const qreal span = qMax<qreal>(0, width() - 2 * half);
    const qreal fraction = m_maximum > 0 ? m_value / m_maximum : 0;
    return { half + span * fraction, height() / 2.0 };
}

double TrackSlider::valueAt(qreal x) const
{
    const qreal half = thumbSize().width() / 2;
    const qreal span = qMax<qreal>(1, width() - 2 * half);
    return qBound(0.0, (x - half) / span, 1.0) * m_maximum;
}

void TrackSlider::drawStretched(QPainter& p, const QPixmap& image, int leftCap, const QRectF& target) const
{
    if (image.isNull() || target.width() <= 0)
        return;
    // The first leftCap points keep their size; the column after them
    // stretches; the rest mirrors the cap from the other side. Sizes in the
    // image are points; on screen they are points times the scale.
    const qreal dpr = image.devicePixelRatio();
    const qreal s = m_contentScale;
    const qreal w = image.width() / dpr;
    const qreal h = image.height() / dpr;
    const qreal cap = qMin<qreal>(leftCap, w / 2);
    const qreal right = qMax<qreal>(0, w - cap - 1);
    const qreal y = target.center().y() - h * s / 2;
    if (cap > 0)
        p.drawPixmap(QRectF(target.left(), y, qMin(cap * s, target.width()), h * s), image,
                     QRectF(0, 0, cap * dpr, h * dpr));
    const qreal middle = target.width() - (cap + right) * s;
    if (middle > 0)
        p.drawPixmap(QRectF(target.left() + cap * s, y, middle, h * s), image, QRectF(cap * dpr, 0, 1 * dpr, h * dpr));
    if (right > 0 && target.width() > cap * s)
        p.drawPixmap(QRectF(target.right() - right * s, y, right * s, h * s), image,
                     QRectF((w - right) * dpr, 0, right * dpr, h * dpr));
}

void TrackSlider::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        p.setOpacity(0.4);
    const QPointF thumb = thumbCenter();
    p.save();
    p.setClipRect(QRectF(0, 0, thumb.x(), height()));
    drawStretched(p, m_minTrack, m_minCap, QRectF(0, 0, width(), height()));
    p.restore();
    p.save();
    p.setClipRect(QRectF(thumb.x(), 0, width() - thumb.x(), height()));
    drawStretched(p, m_maxTrack, m_maxCap, QRectF(0, 0, width(), height()));
    p.restore();
    const QSizeF ts = thumbSize();
    if (!m_thumb.isNull()) {
        p.drawPixmap(QRectF(thumb.x() - ts.width() / 2, thumb.y() - ts.height() / 2, ts.width(), ts.height()), m_thumb,
                     QRectF(QPointF(0, 0), m_thumb.size()));
    } else {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0, 0, 0, 120));
        p.setBrush(QColor(235, 235, 235));
        p.drawEllipse(thumb, ts.width() / 2 - 1, ts.height() / 2 - 1);
    }
    if (FocusRing::shown(this))
        FocusRing::paint(p, QRectF(rect()), qMin<qreal>(10, height() / 2.0));
}

void TrackSlider::mousePressEvent(QMouseEvent* event)
{
    m_dragging = true;
    const double v = valueAt(event->position().x());
    if (v != m_value) {
        m_value = v;
        update();
        emit valueChanged(v);
    }
}

void TrackSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const double v = valueAt(event->position().x());
    if (v != m_value) {
        m_value = v;
        update();
        emit valueChanged(v);
    }
}

void TrackSlider::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}
