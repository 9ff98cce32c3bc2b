#include "app/HelpTour.h"

#include "models/Navigator.h"
#include "models/HelpScreen.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"
#include "models/WebPageScreen.h"

#include <QQuickWindow>
#include <QStringList>

void addHelpSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes)
{
    auto show = [&tour, window, &remotes](const QString& page) {
        window->resize(tour.portrait());
        remotes.navigator().showBundledPage(page);
    };
    for (const QString& page : { QStringLiteral("help"), QStringLiteral("cantSee"), QStringLiteral("router"),
                                 QStringLiteral("whatsNew"), QStringLiteral("credit"), QStringLiteral("index") }) {
        tour.addStep(page == u"help" ? page : QStringLiteral("help-") + page, [show, page] { show(page); }, 900);
        // The help's link to its icons, followed as a reader would.
        if (page == u"help")
            tour.addStep(QStringLiteral("help-icons"), [&remotes] { remotes.help()->page()->follow(QStringLiteral("#icons")); }, 900);
    }
    tour.addStep(QStringLiteral("help-small"), [window, show] {
        show(QStringLiteral("help"));
        window->resize(320, 568);
    }, 900);
    tour.addStep(QStringLiteral("help-landscape"), [&tour, window] { window->resize(tour.landscape()); }, 900);
}
