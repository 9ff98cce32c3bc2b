#pragma once

#include <QPixmap>
#include <QVariantAnimation>
#include <QWidget>

#include <functional>

// Plays a whole-view transition between two pictures of a view: a flip
// around the vertical axis (from the left or the right) or a page curl (up
// or down), over the view, then removes itself.
class TransitionOverlay : public QWidget {
    Q_OBJECT
public:
    enum Kind { None = 0, FlipFromLeft = 1, FlipFromRight = 2, CurlUp = 3, CurlDown = 4 };

    TransitionOverlay(QWidget* over, const QPixmap& before, const QPixmap& after, int kind, int durationMs,
                      std::function<void()> finished);

    void start();
    // Jumps to the end at once (a new transition was asked for).
    void finishNow();
    qreal progress() const { return m_progress; }
    int kind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFlip(QPainter& p, bool fromLeft);
    void paintCurl(QPainter& p, const QPixmap& lifted, const QPixmap& beneath, qreal amount);

    QPixmap m_before;
    QPixmap m_after;
    int m_kind;
    qreal m_progress = 0;
    QVariantAnimation m_animation;
    std::function<void()> m_finished;
};
