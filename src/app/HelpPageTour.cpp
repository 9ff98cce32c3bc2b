#include "app/HelpPageTour.h"

#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "screens/WebView/WebViewController.h"
#include "ui/BWNavigationController.h"

#include <QStringList>

void addHelpPageSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app)
{
    auto show = [&app](const QString& page, const QString& anchor) {
        WebViewController* viewer = CentralAccessFactory::sharedFactory().webViewController();
        BWNavigationController* navigation = app.navController();
        if (navigation->topViewController() != viewer) {
            navigation->popToRootViewControllerAnimated(false);
            navigation->pushViewControllerVisibility(viewer, false, 1);
        }
        viewer->loadViewIfNeeded();
        viewer->loadBundledPage(page);
        if (!anchor.isEmpty())
            QObject::connect(viewer->theWebView(), &WebView::loadFinished, viewer, [viewer, anchor] {
                viewer->theWebView()->scrollToAnchor(anchor);
            }, Qt::SingleShotConnection);
    };
    tour.addStep(QStringLiteral("help"), [show] { show(QStringLiteral("help"), {}); }, 900);
    tour.addStep(QStringLiteral("help-icons"), [show] { show(QStringLiteral("help"), QStringLiteral("icons")); }, 900);
    for (const QString& page : { QStringLiteral("cantSee"), QStringLiteral("router"), QStringLiteral("whatsNew"),
                                 QStringLiteral("credit"), QStringLiteral("index") })
        tour.addStep(QStringLiteral("help-") + page, [show, page] { show(page, {}); }, 900);
}
