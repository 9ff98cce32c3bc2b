#include "app/LaunchLinks.h"

#include "platform/BringToFront.h"
#include "platform/SingleInstance.h"
#include "models/SkinsScreen.h"

#include <QWindow>

void takeLaunchLinks(const QStringList& links, SingleInstance& instance, QWindow* window, SkinsScreen& skins)
{
    for (const QString& link : links)
        skins.ask(link);
    QObject::connect(&instance, &SingleInstance::argumentsReceived, window, [window, &skins](const QStringList& later) {
        bringToFront(window);
        for (const QString& link : later)
            skins.ask(link);
    });
}
