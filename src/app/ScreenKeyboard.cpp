#include "ScreenKeyboard.h"

#include <QGuiApplication>
#include <QInputMethod>

ScreenKeyboard::ScreenKeyboard(QObject* parent)
    : QObject(parent)
{
    connect(QGuiApplication::inputMethod(), &QInputMethod::keyboardRectangleChanged, this, &ScreenKeyboard::areaChanged);
    connect(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, this, &ScreenKeyboard::areaChanged);
}

QRectF ScreenKeyboard::area() const
{
    const QInputMethod* method = QGuiApplication::inputMethod();
    return method->isVisible() ? method->keyboardRectangle() : QRectF();
}
