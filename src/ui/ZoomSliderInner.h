#pragma once

#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;
class ZoomSlider;
class ZoomSliderScroll;

// The drawn scale of a zoom slider: ticks, labels and the band over the
// slider's range, three control widths wide. A value u sits at
// x = zoom × (u − innerLeftValue). The drawing is kept in a pixmap and
// remade only when marked (setNeedsDisplay); moving the view only moves
// that picture, to a fraction of a pixel. A label the slider's edge would
// cut is drawn on the other side of its tick, or not at all, so every label
// in view is whole.
class ZoomSliderInner : public QWidget {
    Q_OBJECT
public:
    enum class TickSize { Large, Medium, Small };

    struct Tick {
        qint64 value;
        TickSize size;
        double x; // the line's centre
        double top;
        double bottom;
    };
    struct Label {
        qint64 value;
        QString text;
        QPointF baseline; // start of the text's baseline
        double tickX = 0; // where its tick stands
        double width = 0; // of the text
    };
    // What one redraw puts on the scale, in the inner view's coordinates,
    // ticks and labels in ascending value.
    struct Drawing {
        std::vector<Tick> ticks;
        std::vector<Label> labels;
        QRectF band;
    };

    // The only constructor: the scale reads everything from its slider.
    ZoomSliderInner(const QRect& frame, ZoomSlider* coreView, ZoomSliderScroll* slider);
    ~ZoomSliderInner() override;

    ZoomSlider* coreView() const { return m_coreView; }
    ZoomSliderScroll* slider() const { return m_slider; }

    // The scale for the slider's current settings, asking nobody.
    Drawing layout() const;
    // What a redraw does first: lets the delegate adjust the ticks for the
    // zoom, then lays out the scale.
    Drawing prepareDrawing();
    void drawScale(QPainter& painter, const Drawing& drawing) const;
    static QFont labelFont();

    void setNeedsDisplay();
    bool needsDisplay() const { return m_needsDisplay; }
    // How many times the scale has been drawn.
    int drawCount() const { return m_drawCount; }

    // Places the left edge at a fractional x in the parent.
    void setPosition(double x);
    double position() const { return m_position; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void renderCache(qreal dpr);
    void drawLabel(QPainter& painter, const QString& text, QPointF baseline) const;

    ZoomSlider* m_coreView;
    ZoomSliderScroll* m_slider;
    QPixmap m_cache;
    std::vector<Label> m_cachedLabels;
    bool m_needsDisplay = true;
    int m_drawCount = 0;
    double m_position = 0;
};
