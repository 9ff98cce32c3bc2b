#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;
class ZoomSliderDelegate;
class ZoomSliderOverlay;
class ZoomSliderScroll;

// A horizontal value control for long ranges (a film's position in
// seconds): a tick scale moves under a fixed marker in the middle, and the
// value is the scale value under the marker. One finger drags the scale
// (gliding on after a flick), two fingers pinch the zoom (pixels per value
// unit), a double tap zooms out to the whole range. On the desktop the mouse
// is the finger, and Ctrl+wheel or a trackpad pinch zooms.
//
// The scale (ZoomSliderScroll with its three-widths-wide ZoomSliderInner)
// lies below the marker (ZoomSliderOverlay); the delegate chooses ticks and
// label texts and hears about user changes.
class ZoomSlider : public QWidget {
    Q_OBJECT
public:
    explicit ZoomSlider(const QRect& frame = QRect(), QWidget* parent = nullptr);
    ~ZoomSlider() override;

    ZoomSliderScroll* scroll() const { return m_scroll; }
    ZoomSliderOverlay* overlay() const { return m_overlay; }

    // Not owned; the delegate must outlive the slider or be unset first.
    ZoomSliderDelegate* delegate() const { return m_delegate; }
    void setDelegate(ZoomSliderDelegate* delegate) { m_delegate = delegate; }

    double minimumValue() const { return m_minimumValue; }
    // Redraws the scale; the value is not clamped again until it is next set.
    void setMinimumValue(double minimumValue);
    double maximumValue() const { return m_maximumValue; }
    // Fits the zoom to the new range; the value is not clamped again until
    // it is next set.
    void setMaximumValue(double maximumValue);

    double zoom() const { return m_zoom; }
    // Clamped to [minZoom, maxZoom]; redraws the scale and tells the delegate.
    void setZoom(double zoom);
    // Shows the whole range across the control (nothing for an empty range).
    void zoomToFit();

    double value() const { return m_value; }
    // Sets the value without telling the delegate.
    void setValue(double value);
    // Clamps the value to the range and moves the scale; with inform, tells
    // the delegate unless a glide is running. Setting the value it already
    // has (before clamping) does nothing.
    void setValueInform(double value, bool inform);
    // With animated, the scale slides to the new value over 0.2 s and is
    // recentred at the end.
    void setValueAnimated(double value, bool animated);
    // Moves the value by a distance on the scale, as the user does.
    void addPixelsToValue(double pixels);

    double minZoom() const { return m_minZoom; }
    void setMinZoom(double minZoom) { m_minZoom = minZoom; }
    double maxZoom() const { return m_maxZoom; }
    void setMaxZoom(double maxZoom) { m_maxZoom = maxZoom; }

    // The width at the last frame change.
    double previousWidth() const { return m_previousWidth; }

    // Tick spacings in value units, 0 for none; labels every labelInterval
    // units (1 or more). Stored only: the delegate sets them while the scale
    // is about to be drawn.
    int largeTick() const { return m_largeTick; }
    void setLargeTick(int largeTick) { m_largeTick = largeTick; }
    int mediumTick() const { return m_mediumTick; }
    void setMediumTick(int mediumTick) { m_mediumTick = mediumTick; }
    int smallTick() const { return m_smallTick; }
    void setSmallTick(int smallTick) { m_smallTick = smallTick; }
    int labelInterval() const { return m_labelInterval; }
    void setLabelInterval(int labelInterval) { m_labelInterval = labelInterval; }

    // Stored only; they show at the scale's next redraw.
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color) { m_textColor = color; }
    QColor largeTickColor() const { return m_largeTickColor; }
    void setLargeTickColor(const QColor& color) { m_largeTickColor = color; }
    QColor medTickColor() const { return m_medTickColor; }
    void setMedTickColor(const QColor& color) { m_medTickColor = color; }
    QColor smallTickColor() const { return m_smallTickColor; }
    void setSmallTickColor(const QColor& color) { m_smallTickColor = color; }

    // True while fingers are down or the scale still glides after a flick,
    // so that the player's updates leave the value alone.
    bool isMoving() const;

    // Places the control; the zoom follows the width so that the same span
    // of values stays visible.
    void setFrame(const QRect& frame);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void informValueChanged();
    void applyFrame();
    void finishMoveAnimation();

    ZoomSliderScroll* m_scroll = nullptr;
    ZoomSliderOverlay* m_overlay = nullptr;
    ZoomSliderDelegate* m_delegate = nullptr;
    double m_minimumValue = 0;
    double m_maximumValue = 1;
    double m_zoom = 1;
    double m_value = 0;
    double m_minZoom = 0;
    double m_maxZoom = 1000;
    double m_previousWidth = 0;
    int m_largeTick = 10;
    int m_mediumTick = 5;
    int m_smallTick = 1;
    int m_labelInterval = 10;
    QColor m_textColor = Qt::white;
    QColor m_largeTickColor = Qt::white;
    QColor m_medTickColor = Qt::white;
    QColor m_smallTickColor = Qt::white;

    QVariantAnimation* m_moveAnimation = nullptr;
    QSize m_appliedSize;
    bool m_settingFrame = false;
};
