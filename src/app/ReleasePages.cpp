#include "app/ReleasePages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QQuickWindow>
#include <QSGRendererInterface>

void releasePages(QQuickWindow* window)
{
    QMetaObject::invokeMethod(window, "clearPages");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Images no page shows any longer wait in the image cache for a while;
    // their textures too, until the cache lets them go.
    window->releaseResources();
    if (window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software)
        window->grabWindow();
}
