#pragma once

#include <optional>

#include "models/skin/TapCounter.h"
#include "models/skin/SkinZoomControl.h"

#include <QColor>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class ZoomScale;
class ZoomScaleItem;

// A skin's zoom slider in Qt Quick: a tick scale that moves under the
// marker in the middle, over the value logic of ZoomScale. One finger (or
// the mouse) drags the scale, gliding on after a flick; two fingers pinch
// the zoom, as do Ctrl+wheel and a trackpad pinch; a double tap shows the
// whole range. With the keyboard's focus, the arrows move the value by the
// finest tick shown, the page keys by the coarsest, Home and End to the
// ends. Moving the value only moves the drawn scale; it is drawn
// again only when it has drifted half a width, or the zoom, range or size
// change.
//
// playerValue is what the player says: it moves the scale unless the user's
// finger is on it or it still glides (moving). The user's changes come out
// as userChangedValue.
class ZoomSliderItem : public QQuickItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ZoomSlider)
    Q_PROPERTY(double playerValue READ playerValue WRITE setPlayerValue NOTIFY playerValueChanged)
    Q_PROPERTY(double value READ value NOTIFY valueChanged)
    Q_PROPERTY(double minimumValue READ minimumValue CONSTANT)
    Q_PROPERTY(double maximumValue READ maximumValue WRITE setMaximumValue NOTIFY maximumValueChanged)
    Q_PROPERTY(double zoom READ zoom NOTIFY zoomChanged)
    Q_PROPERTY(bool moving READ isMoving NOTIFY movingChanged)
    Q_PROPERTY(SkinZoomControl::Scheme scheme READ scheme WRITE setScheme NOTIFY schemeChanged)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor largeTickColor READ largeTickColor WRITE setLargeTickColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor mediumTickColor READ mediumTickColor WRITE setMediumTickColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor smallTickColor READ smallTickColor WRITE setSmallTickColor NOTIFY colorsChanged)
public:
    // The ticks and labels of a role: the volume in percent, the position
    // in seconds; without one, the plain scale and range of a bare slider.
    using Scheme = SkinZoomControl::Scheme;

    explicit ZoomSliderItem(QQuickItem* parent = nullptr);
    ~ZoomSliderItem() override;

    ZoomScale& scale() const { return *m_scale; }
    ZoomScaleItem* scaleItem() const { return m_scaleItem; }

    double playerValue() const { return m_playerValue; }
    void setPlayerValue(double value);
    double value() const;
    double minimumValue() const;
    double maximumValue() const;
    // Held back while the slider moves and applied when it comes to rest,
    // so a new item's length is never lost under a finger.
    void setMaximumValue(double maximum);
    double zoom() const;
    bool isMoving() const;
    Scheme scheme() const { return m_scheme; }
    void setScheme(Scheme scheme);

    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color);
    QColor largeTickColor() const { return m_largeTickColor; }
    void setLargeTickColor(const QColor& color);
    QColor mediumTickColor() const { return m_mediumTickColor; }
    void setMediumTickColor(const QColor& color);
    QColor smallTickColor() const { return m_smallTickColor; }
    void setSmallTickColor(const QColor& color);

    // The label text of a value on the scale.
    QString textFor(int value) const;
    // Ticks for the present zoom, from the scheme.
    void chooseTicks();

    static constexpr double maxZoomLimit = 100;
    static constexpr double minZoomLimit = 0.02;
    // Zoom factor of one Ctrl+wheel notch.
    static constexpr double wheelZoomStep = 1.25;

signals:
    void playerValueChanged();
    void valueChanged();
    void maximumValueChanged();
    void zoomChanged();
    void movingChanged();
    void schemeChanged();
    void colorsChanged();
    void userChangedValue(double value);

protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void componentComplete() override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseUngrabEvent() override;
    void touchEvent(QTouchEvent* event) override;
    void touchUngrabEvent() override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitOnce();
    void placeScale();
    int beginTap(const QPointF& location, bool touch);

    ZoomScale* m_scale;
    ZoomScaleItem* m_scaleItem;
    TapCounter m_taps;
    Scheme m_scheme = SkinZoomControl::NoScheme;
    double m_playerValue = 0;
    double m_pendingMaximum = 0;
    bool m_maximumPending = false;
    std::optional<double> m_heldUserValue;
    // The player's value lay beyond the range it came in.
    bool m_heldByRange = false;
    bool m_fitted = false;
    QColor m_textColor = Qt::white;
    QColor m_largeTickColor = Qt::white;
    QColor m_mediumTickColor = Qt::white;
    QColor m_smallTickColor = Qt::white;
};
