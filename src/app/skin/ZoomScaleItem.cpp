#include "app/skin/ZoomScaleItem.h"

#include "models/skin/ZoomScale.h"
#include "models/skin/ZoomScaleDrawing.h"
#include "app/skin/ZoomSliderItem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QQuickWindow>

#include <cmath>

ZoomScaleItem::ZoomScaleItem(ZoomSliderItem* slider)
    : QQuickPaintedItem(slider)
    , m_slider(slider)
{
    setAntialiasing(true);
    // Touches belong to the slider; the scale only shows.
    setAcceptedMouseButtons(Qt::NoButton);
}

void ZoomScaleItem::paint(QPainter* painter)
{
    ++m_paintCount;
    m_slider->chooseTicks();
    const ZoomScaleDrawing drawing = ZoomScaleDrawing::layout(m_slider->scale(), width(), height(),
                                                              [this](int value) { return m_slider->textFor(value); });
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    // Lines sit on whole device pixels, so they stay sharp at any density.
    const auto snap = [dpr](double v) { return std::round(v * dpr) / dpr; };
    const double lineWidth = std::max(1.0, std::round(dpr)) / dpr;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setFont(ZoomScaleDrawing::labelFont());
    painter->setPen(m_slider->textColor());
    // A last label turned left of its tick must not run into the one before
    // it: that one is left out.
    constexpr double labelGap = 6;
    const auto& labels = drawing.labels;
    for (size_t k = 0; k < labels.size(); ++k) {
        const bool crowded = k + 1 < labels.size() && labels[k + 1].baseline.x() < labels[k + 1].tickX
            && labels[k].baseline.x() + labels[k].width + labelGap > labels[k + 1].baseline.x();
        if (!crowded)
            painter->drawText(labels[k].baseline, labels[k].text);
    }
    const QColor colours[] = { m_slider->largeTickColor(), m_slider->mediumTickColor(), m_slider->smallTickColor() };
    for (const ZoomScaleDrawing::Tick& tick : drawing.ticks) {
        const double top = snap(tick.top);
        painter->fillRect(QRectF(snap(tick.x - lineWidth / 2), top, lineWidth, snap(tick.bottom) - top), colours[int(tick.size)]);
    }
    if (!drawing.band.isEmpty()) {
        QLinearGradient gradient(drawing.band.topLeft(), drawing.band.bottomLeft());
        gradient.setColorAt(0.0, QColor::fromRgbF(1, 1, 1, 0.2f));
        gradient.setColorAt(0.5, QColor::fromRgbF(1, 1, 1, 0.4f));
        gradient.setColorAt(1.0, QColor::fromRgbF(0, 0, 0, 0.2f));
        painter->fillRect(drawing.band, gradient);
    }
}
