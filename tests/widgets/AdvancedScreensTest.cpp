#include "AdvancedStage.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/Track/TrackViewController.h"
#include "ui/SourceCell.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using QBL = QList<QByteArray>;

TEST(AdvancedMenus, Vlc3GetsTheLuaMenuAndTheOlderInterfaceThePlainOne)
{
    AdvancedStage s;
    MainViewController* main = s.push(s.factory().mainViewController());
    main->actionsSheetDidDismissWithButtonIndex(0); // "Advanced Controls..."
    auto* lua = qobject_cast<LuaAdditionalActionsViewController*>(s.nav->topViewController());
    ASSERT_TRUE(lua) << "VLC 3 (apiversion 3) gets the Lua menu";
    TableView* table = lua->myTableView();
    ASSERT_EQ(table->numberOfSections(), 1);
    ASSERT_EQ(table->numberOfRowsInSection(0), 7);
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(s.accessory(table, 0, row), TableViewCell::AccessoryDisclosureIndicator);
    lua->didSelectRowAtIndexPath(table, IndexPath(0, 6));
    EXPECT_TRUE(qobject_cast<SpeedViewController*>(s.nav->topViewController()));

    s.nav->popToViewController(main, false);
    s.feed(fixture(QStringLiteral("legacy-status.xml")));
    main->actionsSheetDidDismissWithButtonIndex(0); // "Advanced Controls..."
    auto* plain = qobject_cast<AdditionalActionsViewController*>(s.nav->topViewController());
    ASSERT_TRUE(plain) << "the older interface gets the plain menu";
    table = plain->myTableView();
    ASSERT_EQ(table->numberOfSections(), 3);
    EXPECT_EQ(table->numberOfRowsInSection(0) + table->numberOfRowsInSection(1) + table->numberOfRowsInSection(2), 11);
    EXPECT_EQ(s.accessory(table, 0, 0), TableViewCell::AccessoryDisclosureIndicator);
    EXPECT_EQ(s.accessory(table, 0, 1), TableViewCell::AccessoryNone);
    EXPECT_EQ(s.commands([&] { plain->didSelectRowAtIndexPath(table, IndexPath(1, 0)); }), QBL { "key&val=faster" });
    EXPECT_EQ(s.nav->topViewController(), plain) << "a command leaves the user on the menu";
    EXPECT_FALSE(table->indexPathForSelectedRow().isValid());
    EXPECT_EQ(s.commands([&] { plain->didSelectRowAtIndexPath(table, IndexPath(2, 3)); }), QBL { "key&val=subdelay-down" });
}

TEST(AdvancedLists, TracksAreMarkedOnceChosenAndEitherLineChooses)
{
    AdvancedStage s;
    auto* screen = s.push(s.factory().audioTrackViewController());
    TableView* table = screen->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 6) << "None, English, French: a name and a detail line each";
    ASSERT_EQ(table->numberOfRowsInSection(1), 4);
    EXPECT_EQ(s.text(table, 0, 0), QStringLiteral("None"));
    EXPECT_EQ(s.text(table, 1, 2), QStringLiteral("Track 1"));
    // In the file's order, though VLC lists French first this time.
    const int french = 4;
    EXPECT_EQ(s.text(table, 0, 2), QStringLiteral("English"));
    ASSERT_EQ(s.text(table, 0, french), QStringLiteral("French"));
    auto* detail = qobject_cast<SourceCell*>(table->cellForRowAtIndexPath(IndexPath(0, french + 1)));
    ASSERT_TRUE(detail);
    EXPECT_TRUE(detail->sourceLabel()->toolTip().contains(QStringLiteral("Codec: MPEG Audio layer 1/2 (mpga)")))
        << "the whole line, where the row shows it cut short";
    EXPECT_TRUE(detail->sourceLabel()->text().endsWith(QChar(0x2026)));
    for (int row = 0; row < 6; row += 2)
        EXPECT_EQ(s.accessory(table, 0, row), TableViewCell::AccessoryNone) << "VLC 3 says nothing before a choice";

    EXPECT_EQ(s.commands([&] { screen->didSelectRowAtIndexPath(table, IndexPath(0, french + 1)); }),
              QBL { "audio_track&val=2" });
    EXPECT_EQ(s.accessory(table, 0, french), TableViewCell::AccessoryCheckmark);
    EXPECT_EQ(s.accessory(table, 0, 6 - french), TableViewCell::AccessoryNone);
    EXPECT_EQ(table->rectForRowAtIndexPath(IndexPath(0, french + 1)).height(), 22);

    auto* subtitles = s.push(s.factory().subtitleTrackViewController());
    table = subtitles->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 6);
    const int german = 4;
    ASSERT_EQ(s.text(table, 0, german), QStringLiteral("German"));
    EXPECT_EQ(s.commands([&] { subtitles->didSelectRowAtIndexPath(table, IndexPath(0, german)); }),
              QBL { "subtitle_track&val=4" });
    EXPECT_EQ(s.accessory(table, 0, german), TableViewCell::AccessoryCheckmark);
}

TEST(AdvancedLists, AspectRatiosOfVlc3WithDefaultSendingTheReset)
{
    AdvancedStage s;
    auto* screen = s.push(s.factory().aspectRatioViewController());
    TableView* table = screen->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 9);
    EXPECT_EQ(s.text(table, 0, 0), QStringLiteral("Default"));
    EXPECT_EQ(s.accessory(table, 0, 0), TableViewCell::AccessoryCheckmark);
    EXPECT_EQ(s.commands([&] { screen->didSelectRowAtIndexPath(table, IndexPath(0, 4)); }),
              QBL { "aspectratio&val=16%3A9" });
    EXPECT_EQ(s.commands([&] { screen->didSelectRowAtIndexPath(table, IndexPath(0, 0)); }),
              QBL { "aspectratio&val=" });
}

TEST(AdvancedLists, ChaptersComeFromTheJsonStatusAndPollOnlyWhileShown)
{
    AdvancedStage s;
    auto* screen = s.push(s.factory().chapterTitleViewController());
    TableView* table = screen->myTableView();
    ASSERT_TRUE(waitUntil([&] { return table->numberOfRowsInSection(1) == 3; }));
    EXPECT_EQ(table->numberOfRowsInSection(0), 1);
    EXPECT_EQ(s.text(table, 1, 1), QStringLiteral("Chapter 2"));
    EXPECT_EQ(s.accessory(table, 1, 1), TableViewCell::AccessoryCheckmark);
    EXPECT_EQ(s.accessory(table, 1, 0), TableViewCell::AccessoryNone);
    EXPECT_TRUE(screen->timerRunning());
    EXPECT_EQ(s.commands([&] { screen->didSelectRowAtIndexPath(table, IndexPath(1, 2)); }),
              QBL { "chapter&val=2" });

    s.nav->popViewControllerAnimated(false);
    EXPECT_FALSE(screen->timerRunning());
    s.server.clearRequests();
    spinEventLoop(1300);
    EXPECT_TRUE(s.server.targets().isEmpty()) << "nothing is asked while the screen is hidden";
}

TEST(KnobScreens, SpeedSnapsThinsAndMapsToVlc3Rates)
{
    AdvancedStage s;
    ManualClock clock;
    s.factory().setClock(clock);
    auto* speed = s.push(s.factory().speedViewController());
    EXPECT_EQ(speed->speedLabel()->text(), QStringLiteral("Speed x 1.00"));
    EXPECT_EQ(s.commands([&] { speed->faster(); }), QBL { "rate&val=2" });
    EXPECT_EQ(speed->speedLabel()->text(), QStringLiteral("Speed x 2.00"));
    EXPECT_EQ(s.commands([&] {
        speed->normal();
        spinEventLoop(60); // each request supersedes the one before; let it leave first
        speed->slower();
    }),
              (QBL { "rate&val=1", "rate&val=0.5" }));
    EXPECT_EQ(speed->speedLabel()->text(), QStringLiteral("Speed x 0.50"));

    clock.advance(1);
    const QBL turned = s.commands([&] {
        speed->rotatorValueChangedTo(0.03f); // snaps to normal, sent: the last was long ago
        spinEventLoop(60);
        clock.advance(0.1);
        speed->rotatorValueChangedTo(0.3f); // too soon: the label only
        clock.advance(0.15);
        speed->rotatorValueChangedTo(0.5f); // 0.25 s after the last: sent
        spinEventLoop(60);
        speed->rotatorStoppedChangingAt(0.5f); // letting go always sends
    });
    EXPECT_EQ(turned, (QBL { "rate&val=1", "rate&val=1.41443", "rate&val=1.41443" }));
    EXPECT_EQ(speed->speedLabel()->text(), QStringLiteral("Speed x 1.41"));
    EXPECT_EQ(s.commands([&] { speed->rotatorStoppedChangingAt(10.0f); }), QBL { "rate&val=1000" })
        << "the top of the knob stays the fastest, never wraps to normal";

    // No status yet: no speed to show, nothing sent until the user turns.
    s.nav->popViewControllerAnimated(false);
    auto fresh = std::make_shared<VLCController>();
    fresh->setHostAddress(s.server.hostAddress());
    s.factory().mainViewController()->setCurrentRemote(fresh);
    EXPECT_TRUE(s.commands([&] { s.push(speed); }).isEmpty());
    EXPECT_EQ(speed->speedLabel()->text(), QStringLiteral("Speed x --"));
}

TEST(KnobScreens, AudioDelaySendsOnlyPastATenthAndAlwaysOnRelease)
{
    AdvancedStage s;
    auto* delay = s.push(s.factory().audioDelayViewController());
    EXPECT_EQ(delay->delay()->text(), QStringLiteral("Current Delay: 0.00 s"));
    const QBL turned = s.commands([&] {
        for (float v : { 0.08f, 0.15f, 0.2f }) {
            delay->rotatorValueChangedTo(v);
            spinEventLoop(60);
        }
        delay->rotatorStoppedChangingAt(0.2f);
        spinEventLoop(60);
        delay->rotatorStoppedChangingAt(0.04f);
    });
    EXPECT_EQ(turned, (QBL { "audiodelay&val=0.150000", "audiodelay&val=0.200000", "audiodelay&val=0.000000" }));
    EXPECT_EQ(s.commands([&] {
        for (auto button : { &AudioDelayViewController::addOne, &AudioDelayViewController::addOne,
                             &AudioDelayViewController::minusOne }) {
            (delay->*button)();
            spinEventLoop(60);
        }
    }),
              (QBL { "audiodelay&val=1.000000", "audiodelay&val=2.000000", "audiodelay&val=1.000000" }));
    EXPECT_EQ(delay->delay()->text(), QStringLiteral("Current Delay: 1.00 s"));
}

TEST(KnobScreens, DvdButtonsAndKeysSendTheNavigationKeys)
{
    AdvancedStage s;
    auto* dvd = s.push(s.factory().dvdViewController());
    dvd->setFocus();
    const QBL keys = s.commands([&] {
        for (Qt::Key key : { Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_M }) {
            QTest::keyClick(dvd, key);
            spinEventLoop(60); // each supersedes the one before; let it leave first
        }
    });
    EXPECT_EQ(keys, (QBL { "key&val=nav-up", "key&val=nav-down", "key&val=nav-left", "key&val=nav-right",
                           "key&val=nav-activate", "key&val=disc-menu" }));
    EXPECT_TRUE(s.alerts.alerts.empty()) << "VLC 3 takes the keys as they are: no notice about a setup helper";
}
