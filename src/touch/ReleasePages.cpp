#include "touch/ReleasePages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QQuickWindow>
#include <QSGRendererInterface>

void releasePages(QQuickWindow* window)
{
    QMetaObject::invokeMethod(window, "clearPages");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software)
        window->grabWindow();
}
