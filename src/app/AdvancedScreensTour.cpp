#include "app/AdvancedScreensTour.h"

#include "app/AppWindow.h"
#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/Track/TrackViewController.h"
#include "ui/AlertView.h"

#include <functional>

void AdvancedScreensTour::addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app)
{
    using Screens = std::function<QList<ViewController*>(CentralAccessFactory&)>;
    // Each step builds its stack afresh above the remote screen, so that a
    // notice or a screen of the step before never stands in the way.
    auto show = [&tour, &app](const char* name, Screens screens, int settleMs) {
        tour.addStep(QString::fromLatin1(name), [&app, screens] {
            CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
            for (AlertView* alert : AlertView::visibleAlerts())
                alert->dismissWithClickedButtonIndex(int(alert->buttonTitles().size()) - 1, false);
            app.window()->resize(AppWindow::defaultSize);
            BWNavigationController* nav = app.navController();
            nav->popToRootViewControllerAnimated(false);
            nav->pushViewController(factory.mainViewController(), false);
            for (ViewController* screen : screens(factory))
                nav->pushViewController(screen, false);
        }, settleMs);
    };
    using F = CentralAccessFactory;
    show("settings", [](F& f) { return QList<ViewController*> { f.flipsideViewController() }; }, 900);
    tour.addStep(QStringLiteral("settings-info"), [] {
        TableView* table = CentralAccessFactory::sharedFactory().flipsideViewController()->myTableView();
        const int last = table->numberOfSections() - 1;
        table->scrollToRowAtIndexPath(IndexPath(last, table->numberOfRowsInSection(last) - 1),
                                      TableView::ScrollPositionBottom, false);
    }, 600);
    show("skip-distance", [](F& f) {
        return QList<ViewController*> { f.flipsideViewController(), f.skipDistanceViewController() };
    }, 900);
    show("menu-plain", [](F& f) { return QList<ViewController*> { f.additionalActionsViewController() }; }, 900);
    show("menu-lua", [](F& f) { return QList<ViewController*> { f.luaAdditionalActionsViewController() }; }, 900);
    // The screens of the Lua menu, with the player's lists and values.
    auto underLua = [](std::function<ViewController*(F&)> screen) {
        return [screen](F& f) { return QList<ViewController*> { f.luaAdditionalActionsViewController(), screen(f) }; };
    };
    show("chapters", underLua([](F& f) -> ViewController* { return f.chapterTitleViewController(); }), 2000);
    show("aspect-ratio", underLua([](F& f) -> ViewController* { return f.aspectRatioViewController(); }), 1500);
    show("audio-video-tracks", underLua([](F& f) -> ViewController* { return f.audioTrackViewController(); }), 1500);
    show("subtitle-tracks", underLua([](F& f) -> ViewController* { return f.subtitleTrackViewController(); }), 1500);
    show("speed", underLua([](F& f) -> ViewController* { return f.speedViewController(); }), 1200);
    // The smallest window the application allows.
    tour.addStep(QStringLiteral("speed-small"), [&app] { app.window()->resize(app.window()->minimumSize()); }, 900);
    show("audio-delay", underLua([](F& f) -> ViewController* { return f.audioDelayViewController(); }), 1200);
    show("dvd", underLua([](F& f) -> ViewController* { return f.dvdViewController(); }), 900);
}
