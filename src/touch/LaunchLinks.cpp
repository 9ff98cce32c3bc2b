#include "touch/LaunchLinks.h"

#include "desktop/BringToFront.h"
#include "desktop/SingleInstance.h"
#include "touch/TouchSkins.h"

#include <QWindow>

void takeLaunchLinks(const QStringList& links, SingleInstance& instance, QWindow* window, TouchSkins& skins)
{
    for (const QString& link : links)
        skins.ask(link);
    QObject::connect(&instance, &SingleInstance::argumentsReceived, window, [window, &skins](const QStringList& later) {
        bringToFront(window);
        for (const QString& link : later)
            skins.ask(link);
    });
}
