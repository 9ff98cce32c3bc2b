#include "ui/ActivityIndicatorView.h"

#include <QPainter>

ActivityIndicatorView::ActivityIndicatorView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % spokes;
        update();
    });
}

void ActivityIndicatorView::startAnimating()
{
    if (!m_timer.isActive())
        m_timer.start();
    update();
}

void ActivityIndicatorView::stopAnimating()
{
    m_timer.stop();
    update();
}

void ActivityIndicatorView::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides)
{
    m_hidesWhenStopped = hides;
    update();
}

void ActivityIndicatorView::paintEvent(QPaintEvent*)
{
    if (!isAnimating() && m_hidesWhenStopped)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    QPen pen(m_color);
    pen.setWidthF(qMax(1.5, side / 10.0));
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < spokes; ++i) {
        // The spoke at the current step is the brightest; the others fade behind it.
        const int age = (m_step - i + spokes) % spokes;
        QColor colour = m_color;
        colour.setAlphaF(isAnimating() ? qMax(0.2, 1.0 - age / qreal(spokes)) : 0.35);
        pen.setColor(colour);
        painter.setPen(pen);
        painter.save();
        painter.rotate(i * 360.0 / spokes);
        painter.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.44));
        painter.restore();
    }
}
