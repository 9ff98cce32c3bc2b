#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class ZoomScale;

// What the drawn scale of a zoom slider shows: its ticks, its labels and
// the band over the range, in the drawn scale's coordinates (three control
// widths wide, its left edge at the scale's innerLeftValue).
struct ZoomScaleDrawing {
    enum class TickSize { Large, Medium, Small };
    struct Tick {
        qint64 value;
        TickSize size;
        double x;
        double top;
        double bottom;
    };
    struct Label {
        qint64 value;
        QString text;
        QPointF baseline;
        double tickX;
        double width;
    };

    std::vector<Tick> ticks;
    std::vector<Label> labels;
    QRectF band;

    // Marks per drawing beyond which the ticks would be far denser than the
    // pixels; such a scale is left bare rather than stall the interface.
    static constexpr qint64 maxMarks = 1'000'000;

    static QFont labelFont();
    // text gives a label's text for a value ("%d" of it when empty).
    static ZoomScaleDrawing layout(const ZoomScale& scale, double width, double height,
                                   const std::function<QString(int)>& text);
};
