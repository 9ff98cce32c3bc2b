#include "app/NewsSetupTour.h"

#include "models/Navigator.h"
#include "models/NewsScreen.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"
#include "models/SetupScreen.h"

#include <QQuickItem>
#include <QQuickWindow>

void addNewsSetupSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes, bool withRemote)
{
    auto toRoot = [&tour, window] {
        window->resize(tour.portrait());
        if (QQuickItem* ok = tour.shownItem(QStringLiteral("noticeOk")))
            QMetaObject::invokeMethod(ok, "clicked");
        QMetaObject::invokeMethod(window, "goBack");
    };
    if (withRemote)
        tour.addStep(QStringLiteral("remote-news-badge"), [window, toRoot] {
            toRoot();
            QMetaObject::invokeMethod(window, "showRemote");
        }, 1200);
    tour.addStep(QStringLiteral("news-loading"), [&remotes, toRoot] {
        toRoot();
        remotes.openNews();
        remotes.news()->reloadAll();
    }, 500); // past the slide in
    tour.addStep(QStringLiteral("news"), nullptr, 2500);
    tour.addStep(QStringLiteral("news-small"), [window] { window->resize(320, 568); }, 900);
    tour.addStep(QStringLiteral("news-landscape"), [&tour, window] { window->resize(tour.landscape()); }, 900);
    tour.addStep(QStringLiteral("news-item"), [&tour, window, &remotes] {
        window->resize(tour.portrait());
        remotes.news()->open(0);
    }, 1200);
    tour.addStep(QStringLiteral("setup"), [toRoot, &remotes] {
        toRoot();
        remotes.openSetup();
    }, 1500);
    tour.addStep(QStringLiteral("setup-small"), [window] { window->resize(320, 568); }, 900);
    tour.addStep(QStringLiteral("setup-landscape"), [&tour, window] { window->resize(tour.landscape()); }, 900);
    tour.addStep(QStringLiteral("setup-alert"), [&tour, window, &remotes] {
        window->resize(tour.portrait());
        remotes.setup()->send(QString(), false);
    }, 900);
    tour.addStep(QStringLiteral("setup-back"), toRoot, 1500);
}
