#include "app/SettingsTour.h"

#include "models/Navigator.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"

#include <QQuickItem>
#include <QQuickWindow>

void addSettingsSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes)
{
    auto toRoot = [window] { QMetaObject::invokeMethod(window, "goBack"); };
    tour.addStep(QStringLiteral("settings"), [&remotes, toRoot] {
        toRoot();
        remotes.openSettings();
    }, 900);
    tour.addStep(QStringLiteral("settings-info"), [window] {
        if (auto* list = window->findChild<QQuickItem*>(QStringLiteral("settingsList")))
            QMetaObject::invokeMethod(list, "positionViewAtEnd");
    }, 600);
    tour.addStep(QStringLiteral("skip-distance"), [&remotes] { remotes.navigator().showSkipDistance(); }, 900);
}
