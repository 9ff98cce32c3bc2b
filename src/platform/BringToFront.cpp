#include "platform/BringToFront.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

void bringToFront(QWindow* window)
{
    if (!window)
        return;
    window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->requestActivate();
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        // X refuses a focus request older than the user's last action
        // elsewhere, and this window has seen no event for a while: a change
        // of its own title brings back a fresh server time, and the request
        // is made again with it.
        const QString title = window->title();
        window->setTitle(title + u' ');
        window->setTitle(title);
        QTimer::singleShot(150, window, [window] { window->requestActivate(); });
    }
}
