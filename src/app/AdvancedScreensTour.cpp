#include "app/AdvancedScreensTour.h"

#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/AudioVideoTrack/AudioVideoTrackViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/SubtitleTrack/SubtitleTrackViewController.h"
#include "ui/AlertView.h"

void AdvancedScreensTour::addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app)
{
    CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
    BWNavigationController* nav = app.navController();
    // Each step starts from the Lua menu above the remote screen, so that a
    // notice or a screen of the step before never stands in the way.
    auto above = [nav, &factory](ViewController* menu, ViewController* screen) {
        for (AlertView* alert : AlertView::visibleAlerts())
            alert->dismissWithClickedButtonIndex(int(alert->buttonTitles().size()) - 1, false);
        nav->popToRootViewControllerAnimated(false);
        nav->pushViewController(factory.mainViewController(), false);
        if (menu)
            nav->pushViewController(menu, false);
        if (screen)
            nav->pushViewController(screen, false);
    };
    ViewController* lua = factory.luaAdditionalActionsViewController();
    tour.addStep(QStringLiteral("settings"), [above, &factory] { above(factory.flipsideViewController(), nullptr); }, 900);
    tour.addStep(QStringLiteral("settings-info"), [&factory] {
        FlipsideViewController* settings = factory.flipsideViewController();
        TableView* table = settings->myTableView();
        const int last = table->numberOfSections() - 1;
        table->scrollToRowAtIndexPath(IndexPath(last, table->numberOfRowsInSection(last) - 1),
                                      TableView::ScrollPositionBottom, false);
    }, 600);
    tour.addStep(QStringLiteral("skip-distance"), [above, &factory] {
        above(factory.flipsideViewController(), factory.skipDistanceViewController());
    }, 900);
    tour.addStep(QStringLiteral("menu-plain"), [above, &factory] { above(factory.additionalActionsViewController(), nullptr); }, 900);
    tour.addStep(QStringLiteral("menu-lua"), [above, lua] { above(lua, nullptr); }, 900);
    tour.addStep(QStringLiteral("chapters"), [above, lua, &factory] { above(lua, factory.chapterTitleViewController()); }, 2000);
    tour.addStep(QStringLiteral("aspect-ratio"), [above, lua, &factory] { above(lua, factory.aspectRatioViewController()); }, 1500);
    tour.addStep(QStringLiteral("audio-video-tracks"), [above, lua, &factory] {
        above(lua, factory.audioTrackViewController());
    }, 1500);
    tour.addStep(QStringLiteral("subtitle-tracks"), [above, lua, &factory] {
        above(lua, factory.subtitleTrackViewController());
    }, 1500);
    tour.addStep(QStringLiteral("speed"), [above, lua, &factory] { above(lua, factory.speedViewController()); }, 1200);
    tour.addStep(QStringLiteral("audio-delay"), [above, lua, &factory] { above(lua, factory.audioDelayViewController()); }, 1200);
    tour.addStep(QStringLiteral("dvd"), [above, lua, &factory] { above(lua, factory.dvdViewController()); }, 900);
}
