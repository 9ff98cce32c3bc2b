#pragma once

#include <QPixmap>
#include <QPointF>
#include <QTimer>
#include <QWidget>

class RotatorDelegate;

// A round knob turned with one finger (the mouse is a finger). Its value is
// the number of turns, clockwise positive, kept between minValue and
// maxValue while the user turns it. The mouse wheel turns it by one
// twenty-fourth of a turn per notch, and so do the arrow keys while it has
// the focus. setValue() turns it to a value with a short animation.
class Rotator : public QWidget {
    Q_OBJECT
public:
    static constexpr int animationTicks = 25;
    static constexpr int animationIntervalMs = 20;
    static constexpr double stepTurns = 1.0 / 24.0;
    // A wheel or key turn counts as ended after this pause.
    static constexpr int restMs = 300;

    explicit Rotator(QWidget* parent = nullptr);
    ~Rotator() override;

    void setImage(const QPixmap& image);
    QPixmap image() const { return m_image; }

    // Not owned; must outlive the knob or be unset first.
    RotatorDelegate* delegate() const { return m_delegate; }
    void setDelegate(RotatorDelegate* delegate) { m_delegate = delegate; }

    float minValue() const { return m_minValue; }
    void setMinValue(float value) { m_minValue = value; }
    float maxValue() const { return m_maxValue; }
    void setMaxValue(float value) { m_maxValue = value; }

    // The turn angle in radians, clockwise positive.
    double rotation() const { return m_rotation; }
    float value() const;
    // Turns to the value over animationTicks ticks; neither clamps nor tells
    // the delegate.
    void setValue(float value);
    bool isAnimating() const { return m_animationTimer.isActive(); }

    // The angle of a point of a knob of the given size, measured from
    // straight down through right, up and left: 0, pi/2, pi, 3pi/2, in
    // [0, 2pi). The centre is 0.
    static double angleOfPoint(QPointF point, QSizeF size);
    // The turn between two angles of successive finger positions, taking
    // the short way across straight down (where the angle wraps).
    static double turnBetween(double fromAngle, double toAngle);

    QSize sizeHint() const override { return { 320, 320 }; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The square the knob is drawn in, centred in the widget.
    QRectF knobRect() const;
    void touchesBegan(int touchCount, QPointF location);
    void touchesMoved(int touchCount, QPointF location);
    void touchesEnded();
    void turnBy(double radians);
    void limitValue();
    void drawRotator() { update(); }
    void animateRotator();
    void stopAnimationTimer() { m_animationTimer.stop(); }
    void notifyChanged();
    void notifyStopped();

    QPixmap m_image;
    double m_rotation = 0;
    float m_minValue = 0;
    float m_maxValue = 0;
    RotatorDelegate* m_delegate = nullptr;
    QPointF m_touchStart;
    int m_lastTouchCount = 0;
    double m_targetRotation = 0;
    double m_animationRotationDelta = 0;
    QTimer m_animationTimer;
    QTimer m_restTimer;
};
