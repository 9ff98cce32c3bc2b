#include "app/NewsSetupTour.h"

#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "screens/MainView/MainViewController.h"
#include "screens/News/FeedsViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/BWNavigationController.h"
#include "ui/TableView.h"

#include <QTimer>

void addNewsAndSetupSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app, bool withRemote)
{
    auto factory = [] { return &CentralAccessFactory::sharedFactory(); };
    auto toRoot = [&app] {
        if (AlertView* alert = AlertView::topAlert())
            alert->pressButton(0);
        app.navController()->popToRootViewControllerAnimated(false);
    };
    if (withRemote)
        tour.addStep(QStringLiteral("remote-news-badge"), [&app, factory, toRoot] {
            toRoot();
            app.navController()->pushViewController(factory()->mainViewController(), false);
            // A first working remote brings the what's-new page once: the
            // picture is of the remote screen.
            QTimer::singleShot(800, &app, [&app, factory] {
                if (app.navController()->topViewController() != factory()->mainViewController())
                    app.navController()->popToViewController(factory()->mainViewController(), false);
            });
        }, 1800);
    tour.addStep(QStringLiteral("news-loading"), [&app, factory, toRoot] {
        toRoot();
        FeedsViewController* feeds = factory()->feedsViewController();
        app.navController()->pushViewControllerVisibility(feeds, false, 1);
        feeds->refreshFeeds();
    }, 150);
    tour.addStep(QStringLiteral("news"), nullptr, 2500);
    tour.addStep(QStringLiteral("news-item"), [factory] {
        FeedsViewController* feeds = factory()->feedsViewController();
        if (feeds->tableView() && feeds->tableView()->numberOfSections() > 0)
            feeds->didSelectRowAtIndexPath(feeds->tableView(), IndexPath(0, 0));
    }, 1200);
    tour.addStep(QStringLiteral("setup"), [toRoot] {
        toRoot();
        NotificationCenter::defaultCenter().post(NotificationNames::setupHelper);
    }, 1500);
    tour.addStep(QStringLiteral("setup-alert"), [factory] { factory()->setupInstructionsViewController()->send(); }, 600);
    tour.addStep(QStringLiteral("setup-back"), toRoot, 1500);
}
