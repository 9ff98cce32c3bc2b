#include "ui/TextSizeZoom.h"

#include "ui/TableView.h"

#include <QGestureEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QFontMetrics>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

TextSizeZoom::TextSizeZoom(QWidget* watched, QObject* parent)
    : QObject(parent)
    , m_watched(watched)
{
    if (watched) {
        watched->installEventFilter(this);
        watched->grabGesture(Qt::PinchGesture);
    }
}

void TextSizeZoom::setFontSize(int size)
{
    size = std::clamp(size, minimumSize, maximumSize);
    m_zoomScale = size;
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    emit fontSizeChanged(size);
}

void TextSizeZoom::beginPinch()
{
    // A pinch goes on from the size shown, so a small one changes little.
    m_pinching = true;
    m_pinchStart = m_fontSize;
    m_zoomScale = m_fontSize;
}

void TextSizeZoom::pinchScaled(qreal totalScale)
{
    if (!m_pinching)
        beginPinch();
    if (!std::isfinite(totalScale) || totalScale <= 0)
        return;
    m_zoomScale = std::clamp(m_pinchStart * totalScale, qreal(minimumSize), qreal(maximumSize));
}

void TextSizeZoom::endPinch()
{
    if (!m_pinching)
        return;
    m_pinching = false;
    // Truncated, as the zoom scale is read when the pinch ends.
    setFontSize(int(m_zoomScale));
}

TextSizeZoom* TextSizeZoom::forTable(TableView* table, QObject* parent)
{
    auto* zoom = new TextSizeZoom(table->viewport(), parent);
    connect(zoom, &TextSizeZoom::fontSizeChanged, table, [table](int size) {
        table->setRowHeight(rowHeightFor(size, TableView::defaultRowHeight));
        table->reloadData();
    });
    return zoom;
}

int TextSizeZoom::rowHeightFor(int fontSize, int minimum)
{
    QFont font;
    font.setBold(true);
    font.setPointSize(fontSize);
    return std::max(minimum, QFontMetrics(font).height() + 16);
}

bool TextSizeZoom::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return false;
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setFontSize(m_fontSize + 2);
        return true;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        setFontSize(m_fontSize - 2);
        return true;
    case Qt::Key_0:
        setFontSize(startingSize);
        return true;
    default:
        return false;
    }
}

bool TextSizeZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_watched)
        return false;
    switch (event->type()) {
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            return false;
        // One point per notch (120 eighths of a degree), either way.
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            setFontSize(m_fontSize + notches);
        return true;
    }
    case QEvent::NativeGesture: {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        switch (gesture->gestureType()) {
        case Qt::BeginNativeGesture:
            beginPinch();
            return true;
        case Qt::ZoomNativeGesture:
            if (!m_pinching)
                beginPinch();
            // Trackpads report each step as a change of the scale.
            m_pinchStart = m_zoomScale;
            pinchScaled(1.0 + gesture->value());
            return true;
        case Qt::EndNativeGesture:
            endPinch();
            return true;
        default:
            return false;
        }
    }
    case QEvent::Gesture: {
        auto* gestures = static_cast<QGestureEvent*>(event);
        auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture));
        if (!pinch)
            return false;
        if (pinch->state() == Qt::GestureStarted)
            beginPinch();
        pinchScaled(pinch->totalScaleFactor());
        if (pinch->state() == Qt::GestureFinished || pinch->state() == Qt::GestureCanceled)
            endPinch();
        gestures->accept(pinch);
        return true;
    }
    default:
        return false;
    }
}
