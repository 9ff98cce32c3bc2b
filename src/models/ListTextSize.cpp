#include "models/ListTextSize.h"

#include <algorithm>
#include <cmath>

ListTextSize::ListTextSize(QObject* parent)
    : QObject(parent)
{
}

void ListTextSize::setFontSize(int size)
{
    size = std::clamp(size, minimumSize, maximumSize);
    m_zoomScale = size;
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    emit fontSizeChanged(size);
}

void ListTextSize::beginPinch()
{
    // A pinch goes on from the size shown, so a small one changes little.
    m_pinching = true;
    m_pinchStart = m_fontSize;
    m_zoomScale = m_fontSize;
}

void ListTextSize::pinchScaled(qreal totalScale)
{
    if (!m_pinching)
        beginPinch();
    if (!std::isfinite(totalScale) || totalScale <= 0)
        return;
    m_zoomScale = std::clamp(m_pinchStart * totalScale, qreal(minimumSize), qreal(maximumSize));
}

void ListTextSize::zoomedBy(qreal change)
{
    if (!m_pinching)
        beginPinch();
    m_pinchStart = m_zoomScale;
    pinchScaled(1.0 + change);
}

void ListTextSize::endPinch()
{
    if (!m_pinching)
        return;
    m_pinching = false;
    // Truncated, as the zoom scale is read when the pinch ends.
    setFontSize(int(m_zoomScale));
}

bool ListTextSize::wheel(int angleDelta, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return false;
    // One point per notch (120 eighths of a degree), either way.
    if (const int notches = angleDelta / 120; notches != 0)
        setFontSize(m_fontSize + notches);
    return true;
}

bool ListTextSize::key(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return false;
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setFontSize(m_fontSize + keyStep);
        return true;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        setFontSize(m_fontSize - keyStep);
        return true;
    case Qt::Key_0:
        setFontSize(startingSize);
        return true;
    default:
        return false;
    }
}
