#include "touch/TouchSettingsTour.h"

#include "models/Navigator.h"
#include "touch/TouchRemotes.h"
#include "touch/TouchScreenshotTour.h"

#include <QQuickItem>
#include <QQuickWindow>

void addTouchSettingsSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes)
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
