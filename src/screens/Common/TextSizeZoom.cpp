#include "screens/Common/TextSizeZoom.h"

#include "ui/TableView.h"

#include <QGestureEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QFontMetrics>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

TextSizeZoom::TextSizeZoom(QWidget* watched, QObject* parent)
    : QObject(parent)
    , m_watched(watched)
{
    connect(&m_size, &ListTextSize::fontSizeChanged, this, &TextSizeZoom::fontSizeChanged);
    if (watched) {
        watched->installEventFilter(this);
        watched->grabGesture(Qt::PinchGesture);
    }
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

bool TextSizeZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_watched)
        return false;
    switch (event->type()) {
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        return m_size.wheel(wheel->angleDelta().y(), wheel->modifiers());
    }
    case QEvent::NativeGesture: {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        switch (gesture->gestureType()) {
        case Qt::BeginNativeGesture:
            beginPinch();
            return true;
        case Qt::ZoomNativeGesture:
            m_size.zoomedBy(gesture->value());
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
