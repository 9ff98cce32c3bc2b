#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

// The spinning wheel that says "working": twelve spokes, the brightest one
// going round while animating; nothing is drawn while stopped (unless
// hidesWhenStopped is off).
class ActivityIndicatorView : public QWidget {
    Q_OBJECT
public:
    explicit ActivityIndicatorView(QWidget* parent = nullptr);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_timer.isActive(); }

    void setColor(const QColor& color);
    void setHidesWhenStopped(bool hides);

    QSize sizeHint() const override { return { 20, 20 }; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int spokes = 12;
    QTimer m_timer;
    QColor m_color = Qt::white;
    int m_step = 0;
    bool m_hidesWhenStopped = true;
};
