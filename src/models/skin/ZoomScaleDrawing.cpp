#include "models/skin/ZoomScaleDrawing.h"

#include "models/skin/ZoomScale.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
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

QFont ZoomScaleDrawing::labelFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    return font;
}

ZoomScaleDrawing ZoomScaleDrawing::layout(const ZoomScale& s, double wi, double hi,
                                          const std::function<QString(int)>& textFor)
{
    const double z = s.zoom();
    const double v = s.innerLeftValue();
    const qint64 minimum = integerPart(s.minimumValue());
    const qint64 maximum = integerPart(s.maximumValue());
    const ZoomTickSchemes::Ticks ticks = s.ticks();
    ZoomScaleDrawing drawing;

    const int interval = ticks.labelInterval;
    // Every mark stands on a multiple of one spacing, so on a multiple of
    // their common divisor: visit only those.
    qint64 step = 0;
    for (const qint64 spacing : { qint64(interval >= 1 ? interval : 0), qint64(ticks.large), qint64(ticks.medium),
                                  qint64(ticks.small) })
        step = std::gcd(step, spacing);

    if (z > 0 && std::isfinite(v) && step > 0) {
        const qint64 first = integerPart(std::max(v, double(minimum)));
        const qint64 last = integerPart(std::min(v + wi / z, double(maximum)));
        const qint64 offset = ((first % step) + step) % step;
        const qint64 start = offset == 0 ? first : first + (step - offset);
        const QFontMetricsF metrics(labelFont());
        // A label stands right of its tick, unless it would run past the end
        // of the range: then it stands left of it, so the scale's last
        // labels stay whole inside the band.
        const double rangeEnd = z * (double(maximum) - v);
        if (last >= start && (last - start) / step < maxMarks) {
            for (qint64 i = start; i <= last; i += step) {
                const double x = z * (double(i) - v);
                if (interval >= 1 && i % interval == 0) {
                    const QString text = textFor ? textFor(int(i)) : QString::number(i);
                    const double textWidth = metrics.horizontalAdvance(text);
                    const double left = x + 3 + textWidth > rangeEnd ? x - 3 - textWidth : x + 3;
                    drawing.labels.push_back({ i, text, QPointF(left, 10), x + 1, textWidth });
                }
                TickSize size;
                double height;
                if (divides(ticks.large, i)) {
                    size = TickSize::Large;
                    height = 0.8 * hi;
                } else if (divides(ticks.medium, i)) {
                    size = TickSize::Medium;
                    height = 0.4 * hi;
                } else if (divides(ticks.small, i)) {
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
