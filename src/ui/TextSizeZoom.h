#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class TableView;

// The text size of a list, changed the ways people expect: a pinch on a
// touch screen or trackpad (the size follows the pinch's scale, taken whole
// when the pinch ends), Ctrl with the wheel, and Ctrl with plus, minus or 0
// (back to the starting size). The size stays within minimumSize and
// maximumSize.
class TextSizeZoom : public QObject {
    Q_OBJECT
public:
    static constexpr int minimumSize = 8;
    static constexpr int maximumSize = 40;
    static constexpr int startingSize = 16;

    // Watches the widget (a list's viewport) for pinches and Ctrl+wheel.
    explicit TextSizeZoom(QWidget* watched, QObject* parent = nullptr);
    // One for a table: its rows grow and shrink with the text.
    static TextSizeZoom* forTable(TableView* table, QObject* parent);

    int fontSize() const { return m_fontSize; }
    // Clamped to the limits; tells fontSizeChanged when it changed.
    void setFontSize(int size);

    // A pinch: begin, then the scale so far (1 = as it began), then end.
    void beginPinch();
    void pinchScaled(qreal totalScale);
    void endPinch();
    // The pinch's running scale, as a zoom scale in points.
    qreal zoomScale() const { return m_zoomScale; }

    // The row height that fits bold text of the size: at least minimum.
    static int rowHeightFor(int fontSize, int minimum);

    // Ctrl+plus, Ctrl+minus and Ctrl+0; false for any other key.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

signals:
    void fontSizeChanged(int size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_watched;
    int m_fontSize = startingSize;
    qreal m_zoomScale = startingSize;
    qreal m_pinchStart = startingSize;
    bool m_pinching = false;
};
