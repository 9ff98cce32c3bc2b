#include "ui/ZoomSliderInner.h"

#include "ui/ZoomSlider.h"
#include "ui/ZoomSliderDelegate.h"
#include "ui/ZoomSliderScroll.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
// Marks per redraw beyond which the ticks would be far denser than the
// pixels; such a scale is left bare rather than stall the interface.
constexpr qint64 maxMarks = 1'000'000;
// The least room between two labels.
constexpr double labelGap = 6;

// The integer part, kept finite.
qint64 integerPart(double v)
{
    if (std::isnan(v))
        return 0;
    return qint64(std::clamp(v, -1e15, 1e15));
}

bool divides(int spacing, qint64 i)
{
    return spacing != 0 && i % spacing == 0;
}
}

ZoomSliderInner::ZoomSliderInner(const QRect& frame, ZoomSlider* coreView, ZoomSliderScroll* slider)
    : QWidget(slider)
    , m_coreView(coreView)
    , m_slider(slider)
{
    Q_ASSERT(coreView && slider);
    setGeometry(frame);
    m_position = frame.x();
    // Touches belong to the scroll view; the scale only shows.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ZoomSliderInner::~ZoomSliderInner() = default;

QFont ZoomSliderInner::labelFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    return font;
}

ZoomSliderInner::Drawing ZoomSliderInner::layout() const
{
    ZoomSlider* s = m_coreView;
    const double z = s->zoom();
    const double v = m_slider->innerLeftValue();
    const double wi = width();
    const double hi = height();
    const qint64 minimum = integerPart(s->minimumValue());
    const qint64 maximum = integerPart(s->maximumValue());
    Drawing drawing;

    const int interval = s->labelInterval();
    const int large = s->largeTick();
    const int medium = s->mediumTick();
    const int small = s->smallTick();
    // Every mark stands on a multiple of one spacing, so on a multiple of
    // their common divisor: visit only those.
    qint64 step = 0;
    for (const qint64 spacing : { qint64(interval >= 1 ? interval : 0), qint64(large), qint64(medium), qint64(small) })
        step = std::gcd(step, spacing);

    if (z > 0 && std::isfinite(v) && step > 0) {
        const qint64 first = integerPart(std::max(v, double(minimum)));
        const qint64 last = integerPart(std::min(v + wi / z, double(maximum)));
        const qint64 offset = ((first % step) + step) % step;
        const qint64 start = offset == 0 ? first : first + (step - offset);
        ZoomSliderDelegate* delegate = s->delegate();
        const bool delegateTexts = delegate && delegate->answers(ZoomSliderDelegate::Operation::TextForValue);
        const QFontMetricsF metrics(labelFont());
        // A label stands right of its tick, unless it would run past the end
        // of the range: then it stands left of it, so the scale's last
        // labels stay whole inside the track.
        const double rangeEnd = z * (double(maximum) - v);
        if (last >= start && (last - start) / step < maxMarks) {
            for (qint64 i = start; i <= last; i += step) {
                const double x = z * (double(i) - v);
                if (interval >= 1 && i % interval == 0) {
                    const QString text = delegateTexts ? delegate->zoomSliderTextForValue(s, int(i))
                                                       : QString::number(i);
                    const double textWidth = metrics.horizontalAdvance(text);
                    const double left = x + 3 + textWidth > rangeEnd ? x - 3 - textWidth : x + 3;
                    drawing.labels.push_back({ i, text, QPointF(left, 10), x + 1, textWidth });
                }
                TickSize size;
                double height;
                if (divides(large, i)) {
                    size = TickSize::Large;
                    height = 0.8 * hi;
                } else if (divides(medium, i)) {
                    size = TickSize::Medium;
                    height = 0.4 * hi;
                } else if (divides(small, i)) {
                    size = TickSize::Small;
                    height = 0.2 * hi;
                } else {
                    continue;
                }
                drawing.ticks.push_back({ i, size, x + 1, 0.9 * hi - height, 0.9 * hi });
            }
        }
    }

    // The band spans the range and reaches past its end far enough to hold
    // the last label.
    const double x0 = std::max(0.0, z * (double(minimum) - v));
    const double x1 = std::min(wi, z * (double(maximum) - v) + 35);
    drawing.band = QRectF(x0, 2, x1 - x0, hi - 4).normalized();
    return drawing;
}

ZoomSliderInner::Drawing ZoomSliderInner::prepareDrawing()
{
    ZoomSliderDelegate* delegate = m_coreView->delegate();
    if (delegate && delegate->answers(ZoomSliderDelegate::Operation::AboutToRedraw))
        delegate->zoomSliderAboutToRedraw(m_coreView);
    return layout();
}

void ZoomSliderInner::drawScale(QPainter& painter, const Drawing& drawing) const
{
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // Lines sit on whole device pixels, so they stay sharp at any density.
    const auto snap = [dpr](double v) { return std::round(v * dpr) / dpr; };
    const double lineWidth = std::max(1.0, std::round(dpr)) / dpr;

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(labelFont());
    const QColor textColor = m_coreView->textColor();
    const QColor tickColors[] = { m_coreView->largeTickColor(), m_coreView->medTickColor(), m_coreView->smallTickColor() };

    // A last label turned left of its tick must not run into the one before
    // it: that one is left out.
    std::vector<bool> shown(drawing.labels.size(), true);
    for (size_t k = 1; k < drawing.labels.size(); ++k) {
        const Label& last = drawing.labels[k];
        const Label& before = drawing.labels[k - 1];
        if (last.baseline.x() < last.tickX && before.baseline.x() + before.width + labelGap > last.baseline.x())
            shown[k - 1] = false;
    }

    // Value by value, a label before its tick.
    auto label = drawing.labels.begin();
    auto tick = drawing.ticks.begin();
    while (label != drawing.labels.end() || tick != drawing.ticks.end()) {
        const bool labelFirst = tick == drawing.ticks.end()
            || (label != drawing.labels.end() && label->value <= tick->value);
        if (labelFirst) {
            painter.setPen(textColor);
            if (shown[size_t(label - drawing.labels.begin())])
                drawLabel(painter, label->text, label->baseline);
            ++label;
        } else {
            const double top = snap(tick->top);
            const QRectF line(snap(tick->x - lineWidth / 2), top, lineWidth, snap(tick->bottom) - top);
            painter.fillRect(line, tickColors[int(tick->size)]);
            ++tick;
        }
    }

    if (!drawing.band.isEmpty()) {
        QLinearGradient gradient(drawing.band.topLeft(), drawing.band.bottomLeft());
        gradient.setColorAt(0.0, QColor::fromRgbF(1, 1, 1, 0.2f));
        gradient.setColorAt(0.5, QColor::fromRgbF(1, 1, 1, 0.4f));
        gradient.setColorAt(1.0, QColor::fromRgbF(0, 0, 0, 0.2f));
        painter.fillRect(drawing.band, gradient);
    }
}

void ZoomSliderInner::drawLabel(QPainter& painter, const QString& text, QPointF baseline) const
{
    painter.drawText(baseline, text);
}

void ZoomSliderInner::setNeedsDisplay()
{
    m_needsDisplay = true;
    update();
}

void ZoomSliderInner::setPosition(double x)
{
    m_position = x;
    const int whole = int(std::floor(std::clamp(x, -1e7, 1e7)));
    if (whole != this->x())
        move(whole, this->y());
    update();
}

void ZoomSliderInner::renderCache(qreal dpr)
{
    // Cleared first: a delegate that changes the zoom while being asked
    // marks the scale again for the next paint.
    m_needsDisplay = false;
    const Drawing drawing = prepareDrawing();
    m_cachedLabels = drawing.labels;
    QPixmap pixmap(size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        drawScale(painter, drawing);
    }
    m_cache = pixmap;
    ++m_drawCount;
}

void ZoomSliderInner::paintEvent(QPaintEvent* event)
{
    if (width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    if (m_needsDisplay || m_cache.size() != size() * dpr || m_cache.devicePixelRatio() != dpr)
        renderCache(dpr);
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.4);
    // The widget stands on a whole pixel; the rest of the offset is drawn.
    const double fraction = m_position - x();
    const QPointF shift(std::round(fraction * dpr) / dpr, 0);

    // Labels the slider's edges would cut: left out of the picture, and
    // drawn on the other side of their tick where they fit there whole.
    const double visibleLeft = -x() - shift.x();
    const double visibleRight = visibleLeft + (parentWidget() ? parentWidget()->width() : width());
    const QFontMetricsF metrics(labelFont());
    QRegion clip = event->region();
    std::vector<std::pair<QString, QPointF>> moved;
    for (const Label& label : m_cachedLabels) {
        const double left = label.baseline.x();
        const double right = left + label.width;
        const bool cut = (left < visibleRight && right > visibleRight) || (left < visibleLeft && right > visibleLeft);
        if (!cut)
            continue;
        const QRectF text(left, label.baseline.y() - metrics.ascent(), label.width, metrics.ascent() + metrics.descent());
        clip -= text.translated(shift).toAlignedRect();
        const double other = left > label.tickX ? label.tickX - 4 - label.width : label.tickX + 2;
        if (other < visibleLeft || other + label.width > visibleRight)
            continue;
        // Only where it runs into no other label.
        const bool clear = std::none_of(m_cachedLabels.begin(), m_cachedLabels.end(), [&](const Label& neighbour) {
            return &neighbour != &label && neighbour.baseline.x() < other + label.width + labelGap
                && neighbour.baseline.x() + neighbour.width + labelGap > other;
        });
        if (clear)
            moved.emplace_back(label.text, QPointF(other, label.baseline.y()) + shift);
    }
    painter.setClipRegion(clip);
    painter.drawPixmap(shift, m_cache);
    if (moved.empty())
        return;
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(labelFont());
    painter.setPen(m_coreView->textColor());
    for (const auto& [text, baseline] : moved)
        drawLabel(painter, text, baseline);
}
