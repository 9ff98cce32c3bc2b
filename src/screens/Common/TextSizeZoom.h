#pragma once

#include "models/ListTextSize.h"

#include <QObject>
#include <QPointer>

class QWidget;
class TableView;

// The text size of a widget list: a ListTextSize (the rule, shared with the
// touch lists) fed with the widget's pinches on a touch screen or trackpad,
// its Ctrl+wheel and the window's Ctrl with plus, minus or 0.
class TextSizeZoom : public QObject {
    Q_OBJECT
public:
    static constexpr int minimumSize = ListTextSize::minimumSize;
    static constexpr int maximumSize = ListTextSize::maximumSize;
    static constexpr int startingSize = ListTextSize::startingSize;

    // Watches the widget (a list's viewport) for pinches and Ctrl+wheel.
    explicit TextSizeZoom(QWidget* watched, QObject* parent = nullptr);
    // One for a table: its rows grow and shrink with the text.
    static TextSizeZoom* forTable(TableView* table, QObject* parent);

    int fontSize() const { return m_size.fontSize(); }
    // Clamped to the limits; tells fontSizeChanged when it changed.
    void setFontSize(int size) { m_size.setFontSize(size); }

    // A pinch: begin, then the scale so far (1 = as it began), then end.
    void beginPinch() { m_size.beginPinch(); }
    void pinchScaled(qreal totalScale) { m_size.pinchScaled(totalScale); }
    void endPinch() { m_size.endPinch(); }
    // The pinch's running scale, as a zoom scale in points.
    qreal zoomScale() const { return m_size.zoomScale(); }

    // The row height that fits bold text of the size: at least minimum.
    static int rowHeightFor(int fontSize, int minimum);

    // Ctrl+plus, Ctrl+minus and Ctrl+0; false for any other key.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers) { return m_size.key(key, modifiers); }

signals:
    void fontSizeChanged(int size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_watched;
    ListTextSize m_size;
};
