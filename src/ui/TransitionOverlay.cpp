#include "ui/TransitionOverlay.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

TransitionOverlay::TransitionOverlay(QWidget* over, const QPixmap& before, const QPixmap& after, int kind,
                                     int durationMs, std::function<void()> finished)
    : QWidget(over)
    , m_before(before)
    , m_after(after)
    , m_kind(kind)
    , m_finished(std::move(finished))
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false); // nothing below is tapped meanwhile
    setGeometry(over->rect());
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setDuration(durationMs);
    m_animation.setEasingCurve(QEasingCurve::InOutCubic);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        m_progress = v.toReal();
        update();
    });
    connect(&m_animation, &QVariantAnimation::finished, this, [this] {
        m_progress = 1;
        hide();
        setParent(nullptr); // gone from the view at once, deleted a moment later
        if (auto done = std::exchange(m_finished, nullptr))
            done();
        deleteLater();
    });
}

void TransitionOverlay::start()
{
    raise();
    show();
    m_animation.start();
}

void TransitionOverlay::finishNow()
{
    m_animation.setCurrentTime(m_animation.duration());
    if (m_animation.state() == QAbstractAnimation::Running)
        m_animation.stop();
    if (auto done = std::exchange(m_finished, nullptr)) {
        hide();
        setParent(nullptr);
        done();
        deleteLater();
    }
}

void TransitionOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::black);
    switch (m_kind) {
    case FlipFromLeft:
        paintFlip(p, true);
        break;
    case FlipFromRight:
        paintFlip(p, false);
        break;
    case CurlUp:
        paintCurl(p, m_before, m_after, m_progress);
        break;
    case CurlDown:
        // The new page comes down over the old one: a curl up played backwards.
        paintCurl(p, m_after, m_before, 1 - m_progress);
        break;
    default:
        p.drawPixmap(rect(), m_progress < 1 ? m_before : m_after);
    }
}

void TransitionOverlay::paintFlip(QPainter& p, bool fromLeft)
{
    // The view turns around its vertical centre line: the old side for the
    // first half, the new side for the second, with perspective.
    const bool firstHalf = m_progress < 0.5;
    const qreal angle = firstHalf ? m_progress * 180.0 : (m_progress - 1.0) * 180.0;
    const qreal signedAngle = fromLeft ? angle : -angle;
    const QPixmap& face = firstHalf ? m_before : m_after;
    const qreal cx = width() / 2.0;
    const qreal cy = height() / 2.0;
    QTransform t;
    t.translate(cx, cy);
    t.scale(1 - 0.12 * std::sin(m_progress * M_PI), 1 - 0.12 * std::sin(m_progress * M_PI));
    t.rotate(signedAngle, Qt::YAxis);
    t.translate(-cx, -cy);
    p.setTransform(t);
    p.drawPixmap(rect(), face);
    // Shade the face as it turns away from the light.
    const int shade = int(160 * std::fabs(std::sin(angle * M_PI / 180.0)));
    p.fillRect(rect(), QColor(0, 0, 0, shade));
    p.resetTransform();
}

void TransitionOverlay::paintCurl(QPainter& p, const QPixmap& lifted, const QPixmap& beneath, qreal amount)
{
    // The lifted page curls up from its bottom-right corner along a slanted
    // fold line that sweeps across the view; the page beneath shows through.
    p.drawPixmap(rect(), beneath);
    if (amount >= 1)
        return;
    const qreal w = width();
    const qreal h = height();
    const qreal diagonal = std::hypot(w, h);
    // Fold line direction (pointing up-left) and its distance from the corner.
    const QPointF corner(w, h);
    const QPointF normal(-0.45, -0.893); // unit vector, about 27 degrees from vertical
    const qreal reach = amount * diagonal * 1.15;
    const QPointF foldPoint = corner + normal * reach;
    const QPointF along(-normal.y(), normal.x());

    // The part of the page still lying flat: beyond the fold line.
    auto halfPlane = [&](qreal sign) {
        QPainterPath path;
        const QPointF a = foldPoint + along * diagonal * 2;
        const QPointF b = foldPoint - along * diagonal * 2;
        path.moveTo(a);
        path.lineTo(b);
        path.lineTo(b + normal * sign * diagonal * 4);
        path.lineTo(a + normal * sign * diagonal * 4);
        path.closeSubpath();
        return path;
    };
    QPainterPath page;
    page.addRect(rect());
    const QPainterPath flat = page.intersected(halfPlane(1));
    p.save();
    p.setClipPath(flat);
    p.drawPixmap(rect(), lifted);
    p.restore();

    // The curled-back part: the lifted corner reflected over the fold line,
    // showing the back of the page, lit by a gradient.
    QTransform reflect;
    {
        const qreal nx = normal.x(), ny = normal.y();
        // Reflection across the line through foldPoint with normal (nx, ny).
        const qreal d = nx * foldPoint.x() + ny * foldPoint.y();
        reflect = QTransform(1 - 2 * nx * nx, -2 * nx * ny, -2 * nx * ny, 1 - 2 * ny * ny, 2 * d * nx, 2 * d * ny);
    }
    const QPainterPath liftedPart = page.subtracted(flat);
    const QPainterPath back = reflect.map(liftedPart).intersected(page);
    QLinearGradient light(foldPoint, foldPoint + normal * qMax<qreal>(40, reach * 0.6));
    light.setColorAt(0, QColor(245, 245, 245));
    light.setColorAt(0.5, QColor(205, 205, 210));
    light.setColorAt(1, QColor(150, 150, 158));
    p.save();
    // Shadow cast by the curl onto the page beneath.
    QLinearGradient shadow(foldPoint, foldPoint - normal * 30);
    shadow.setColorAt(0, QColor(0, 0, 0, 140));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillPath(page.subtracted(flat), shadow);
    p.fillPath(back, light);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawPath(back);
    p.restore();
}
