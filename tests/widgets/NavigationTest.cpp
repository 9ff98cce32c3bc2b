#include "LaunchedApp.h"
#include "screens/MainView/MainViewController.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "TestSupport.h"
#include "ui/BarButton.h"
#include "ui/BWNavigationController.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationItem.h"
#include "ui/Toolbar.h"
#include "ui/TransitionOverlay.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A screen that records its life cycle.
class Screen : public ViewController {
public:
    explicit Screen(const QString& name) { setTitle(name); }
    QStringList calls;
    int loads = 0;

protected:
    void viewDidLoad() override { ++loads; }
    void viewWillAppear(bool) override { calls << "willAppear"; }
    void viewDidAppear(bool) override { calls << "didAppear"; }
    void viewWillDisappear(bool) override { calls << "willDisappear"; }
    void viewDidDisappear(bool) override { calls << "didDisappear"; }
};

struct Stack {
    Screen* root = new Screen("Root");
    BWNavigationController nav { root };
    Stack()
    {
        nav.resize(320, 480);
        nav.show();
    }
    void settle()
    {
        for (TransitionOverlay* overlay : nav.findChildren<TransitionOverlay*>())
            overlay->finishNow();
        waitUntil([&] { return !nav.isTransitioning(); }, 2000);
    }
    std::vector<int> visibilities() const
    {
        std::vector<int> out;
        for (const NavTransition& t : nav.transitionDetailsArray())
            out.push_back(t.barVisibility());
        return out;
    }
};
}

TEST(NavTransition, MirrorsTheAppearTransitionWhenNoDisappearIsGiven)
{
    EXPECT_EQ(NavTransition(0, 1, -1).disappearTransition(), 2);
    EXPECT_EQ(NavTransition(0, 2, -1).disappearTransition(), 1);
    EXPECT_EQ(NavTransition(0, 3, -1).disappearTransition(), 4);
    EXPECT_EQ(NavTransition(0, 4, -1).disappearTransition(), 3);
    EXPECT_EQ(NavTransition(0, 0, -1).disappearTransition(), 0);
    EXPECT_EQ(NavTransition(0, 7, -1).disappearTransition(), 0);
    EXPECT_EQ(NavTransition(0, -1, -1).disappearTransition(), -1);
    EXPECT_EQ(NavTransition(1, 4, 3).disappearTransition(), 3);
}

TEST(Navigation, RecordsFollowTheStackAndTheRootShowsTheBar)
{
    Stack s;
    ASSERT_EQ(s.nav.transitionDetailsArray().size(), 1u);
    EXPECT_EQ(s.visibilities(), std::vector<int> { 1 });
    EXPECT_FALSE(s.nav.isNavigationBarHidden());
    EXPECT_EQ(s.root->loads, 1);

    auto* a = new Screen("A");
    s.nav.pushViewController(a, false);
    EXPECT_EQ(s.visibilities(), (std::vector<int> { 1, 0 }));
    EXPECT_EQ(s.nav.topViewController(), a);
    EXPECT_EQ(a->calls, (QStringList { "willAppear", "didAppear" }));
    EXPECT_EQ(s.root->calls.mid(2), (QStringList { "willDisappear", "didDisappear" }));
    // The back button is titled by the screen below.
    ASSERT_TRUE(s.nav.navigationBar()->backButton());
    EXPECT_EQ(s.nav.navigationBar()->backButton()->text(), QStringLiteral("Root"));
    EXPECT_EQ(s.nav.navigationBar()->titleText(), QStringLiteral("A"));

    s.nav.popViewControllerAnimated(false);
    EXPECT_EQ(s.visibilities(), std::vector<int> { 1 });
    EXPECT_EQ(s.nav.topViewController(), s.root);
    EXPECT_EQ(s.root->loads, 1); // loaded once, whatever the visits
}

TEST(Navigation, BarVisibilityIsRestoredOnTheWayBack)
{
    Stack s;
    // Pushed with -1 from the root (1): hidden before the push, shown after the pop.
    auto* hidden = new Screen("Hidden");
    s.nav.pushViewControllerVisibility(hidden, false, -1);
    EXPECT_TRUE(s.nav.isNavigationBarHidden());
    s.nav.popViewControllerAnimated(false);
    EXPECT_FALSE(s.nav.isNavigationBarHidden());

    // From a screen whose record says 0 the bar stays hidden after popping back.
    auto* plain = new Screen("Plain");
    s.nav.pushViewController(plain, false);
    s.nav.setNavigationBarHidden(true, false); // plain hides its own bar...
    EXPECT_EQ(s.visibilities().back(), -1);
    auto* above = new Screen("Above");
    s.nav.pushViewController(above, false);
    s.nav.setNavigationBarHidden(false, false);
    s.nav.popViewControllerAnimated(false);
    EXPECT_TRUE(s.nav.isNavigationBarHidden()); // ...and gets it hidden again
}

TEST(Navigation, QueuedTransitionsFlipInAndMirrorOut)
{
    Stack s;
    auto* settings = new Screen("Settings");
    s.nav.queueTransitionType(1, -1);
    s.nav.pushViewController(settings, true);
    auto* overlay = s.nav.findChild<TransitionOverlay*>();
    ASSERT_TRUE(overlay);
    EXPECT_EQ(overlay->kind(), TransitionOverlay::FlipFromLeft);
    EXPECT_EQ(s.nav.topViewController(), settings); // the stack changed at once
    s.settle();
    EXPECT_FALSE(s.nav.queuedTransition().has_value());

    s.nav.popViewControllerAnimated(true);
    overlay = s.nav.findChild<TransitionOverlay*>();
    ASSERT_TRUE(overlay);
    EXPECT_EQ(overlay->kind(), TransitionOverlay::FlipFromRight);
    s.settle();
    EXPECT_EQ(s.nav.topViewController(), s.root);
}

TEST(Navigation, AQueuedTransitionWaitsForTheNextPush)
{
    Stack s;
    s.nav.queueTransitionType(4, 3);
    spinEventLoop(50);
    ASSERT_TRUE(s.nav.queuedTransition().has_value());
    auto* any = new Screen("Any");
    s.nav.pushViewControllerVisibility(any, true, 1);
    auto* overlay = s.nav.findChild<TransitionOverlay*>();
    ASSERT_TRUE(overlay);
    EXPECT_EQ(overlay->kind(), TransitionOverlay::CurlDown);
    EXPECT_EQ(s.nav.transitionDetailsArray().back().barVisibility(), 1);
    s.settle();
    // A plain push afterwards slides.
    s.nav.pushViewController(new Screen("Next"), true);
    EXPECT_EQ(s.nav.findChild<TransitionOverlay*>(), nullptr);
    s.settle();
}

TEST(Navigation, PopToAnimatesOnlyTheLastPopAndReturnsTopFirst)
{
    Stack s;
    auto* a = new Screen("A");
    auto* b = new Screen("B");
    auto* c = new Screen("C");
    for (Screen* screen : { a, b, c }) {
        s.nav.queueTransitionType(3, -1);
        s.nav.pushViewController(screen, false);
    }
    s.settle();
    const QList<ViewController*> popped = s.nav.popToViewController(s.root, true);
    EXPECT_EQ(popped, (QList<ViewController*> { c, b, a }));
    // Each pop has its curl, but only the last one is animated.
    EXPECT_EQ(s.nav.findChildren<TransitionOverlay*>().size(), 1);
    s.settle();
    EXPECT_EQ(s.nav.topViewController(), s.root);
    EXPECT_EQ(s.visibilities(), std::vector<int> { 1 });
}

TEST(Navigation, TheBackButtonPopsAndSlidesTheScreensIn)
{
    Stack s;
    auto* a = new Screen("A");
    a->setBackButtonTitle(QStringLiteral("Remote"));
    s.nav.pushViewController(a, false);
    auto* b = new Screen("B");
    s.nav.pushViewController(b, true);
    EXPECT_TRUE(s.nav.isTransitioning());
    ASSERT_TRUE(waitUntil([&] { return !s.nav.isTransitioning(); }, 2000));
    EXPECT_EQ(b->calls, (QStringList { "willAppear", "didAppear" }));
    ASSERT_TRUE(s.nav.navigationBar()->backButton());
    EXPECT_EQ(s.nav.navigationBar()->backButton()->text(), QStringLiteral("Remote"));
    QTest::mouseClick(s.nav.navigationBar()->backButton(), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !s.nav.isTransitioning() && s.nav.topViewController() == a; }, 2000));
    EXPECT_EQ(b->calls, (QStringList { "willAppear", "didAppear", "willDisappear", "didDisappear" }));
    EXPECT_TRUE(a->isVisible());
    EXPECT_FALSE(b->isVisible());
}

TEST(Navigation, EscapeGoesBackUnlessATextFieldIsBeingEdited)
{
    Stack s;
    auto* a = new Screen("A");
    auto* field = new QLineEdit(a);
    QTest::keyClick(&s.nav, Qt::Key_Escape); // on the root there is nowhere to go
    EXPECT_EQ(s.nav.topViewController(), s.root);
    s.nav.pushViewController(a, false);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(s.nav.topViewController(), a);
    field->setReadOnly(true);
    QTest::keyClick(field, Qt::Key_Escape);
    s.settle();
    EXPECT_EQ(s.nav.topViewController(), s.root);
}

// Whatever screen goes away, and however (a pop, a pop to the root), the
// screen then on top alone decides whether the toolbar shows: it does
// while that screen has toolbar buttons.
TEST(Navigation, TheScreenOnTopDecidesTheToolbarForEveryPairOfScreens)
{
    ScopedHome home;
    // No what's-new page over the remote screen.
    LaunchedApp run([] { UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2); });
    run.app->connectTo(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()), QStringLiteral("pw"));
    CentralAccessFactory& f = run.factory();
    const auto remote = f.mainViewController()->currentRemote();
    f.browseViewController()->setCurrentRemote(remote);
    f.playlistViewController()->setCurrentRemote(remote);
    for (const auto& make : std::initializer_list<std::function<void()>> {
             [&] { f.webViewController(); }, [&] { f.skinsViewController(); }, [&] { f.skinsWebViewController(); },
             [&] { f.flipsideViewController(); }, [&] { f.skipDistanceViewController(); },
             [&] { f.additionalActionsViewController(); }, [&] { f.luaAdditionalActionsViewController(); },
             [&] { f.chapterTitleViewController(); }, [&] { f.aspectRatioViewController(); },
             [&] { f.audioTrackViewController(); }, [&] { f.subtitleTrackViewController(); },
             [&] { f.speedViewController(); }, [&] { f.dvdViewController(); }, [&] { f.audioDelayViewController(); },
             [&] { f.feedsViewController(); }, [&] { f.setupInstructionsViewController(); },
             [&] { f.remoteConfigViewController(); }, [&] { f.foundRemotesViewController(); } })
        make();
    BWNavigationController* nav = run.navigation();
    nav->popToRootViewControllerAnimated(false);
    ViewController* root = nav->topViewController();
    QList<ViewController*> screens;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* screen = qobject_cast<ViewController*>(widget); screen && screen != root)
            screens << screen;
    ASSERT_GE(screens.size(), 21);

    auto name = [](const ViewController* screen) { return std::string(screen->metaObject()->className()); };
    auto expectToolbarOf = [&](ViewController* top, const char* step, ViewController* gone) {
        ASSERT_EQ(nav->topViewController(), top)
            << name(nav->topViewController()) << " after " << step << " " << name(gone);
        const bool shown = !nav->isToolbarHidden() && nav->toolbar()->isVisibleTo(nav);
        EXPECT_EQ(shown, !top->toolbarItems().isEmpty()) << name(top) << " after " << step << " " << name(gone);
    };
    for (ViewController* below : QList<ViewController*> { root } + screens) {
        for (ViewController* above : screens) {
            if (above == below)
                continue;
            if (below != root)
                nav->pushViewController(below, false);
            nav->pushViewController(above, false);
            expectToolbarOf(above, "pushing it over", below);
            nav->popViewControllerAnimated(false);
            expectToolbarOf(below, "popping", above);
            nav->pushViewController(above, false);
            nav->popToRootViewControllerAnimated(false);
            expectToolbarOf(root, "popping to it from", above);
        }
    }
}
