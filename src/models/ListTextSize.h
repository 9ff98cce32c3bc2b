#pragma once

#include <QObject>

// The text size of a list's rows, and the ways people change it: a pinch
// (the size follows the pinch's scale, taken whole when it ends), Ctrl with
// the wheel (a point a notch), Ctrl with plus or minus (two points) and
// Ctrl+0 (back to the starting size). It stays within minimumSize and
// maximumSize. Each front end feeds it its own events.
class ListTextSize : public QObject {
    Q_OBJECT
    Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize NOTIFY fontSizeChanged)
public:
    static constexpr int minimumSize = 8;
    static constexpr int maximumSize = 40;
    static constexpr int startingSize = 16;
    static constexpr int keyStep = 2;

    explicit ListTextSize(QObject* parent = nullptr);

    int fontSize() const { return m_fontSize; }
    // Clamped to the limits; tells fontSizeChanged when it changed.
    void setFontSize(int size);

    // A pinch: begin, then the scale so far (1 = as it began), then end.
    void beginPinch();
    void pinchScaled(qreal totalScale);
    void endPinch();
    // A trackpad's zoom, told step by step as changes of the scale.
    void zoomedBy(qreal change);
    // The pinch's running scale, as a size in points.
    qreal zoomScale() const { return m_zoomScale; }

    // The wheel turned by angleDelta (eighths of a degree); true when it is
    // the text's to take (Ctrl held), sized or not.
    bool wheel(int angleDelta, Qt::KeyboardModifiers modifiers);
    // Ctrl+plus, Ctrl+minus and Ctrl+0; false for any other key.
    bool key(int key, Qt::KeyboardModifiers modifiers);

signals:
    void fontSizeChanged(int size);

private:
    int m_fontSize = startingSize;
    qreal m_zoomScale = startingSize;
    qreal m_pinchStart = startingSize;
    bool m_pinching = false;
};
