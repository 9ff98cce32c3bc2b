#include "AdvancedStage.h"
#include "app/AppWindow.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "screens/Flipside/DeviceAddress.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "skin/Skin.h"
#include "skin/SkinIds.h"
#include "ui/NavigationController.h"
#include "ui/PagingScrollView.h"
#include "ui/PickerView.h"
#include "ui/SourceCell.h"
#include "ui/ZoomSlider.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The settings rows by id, wherever they stand.
IndexPath rowWithId(FlipsideViewController* screen, int id)
{
    TableStructure* structure = screen->tableStructure();
    for (int s = 0; s < structure->numberOfSections(); ++s)
        for (int r = 0; r < structure->numberOfRowsInSection(s); ++r)
            if (structure->rowIdForIndexPath(IndexPath(s, r)) == id)
                return IndexPath(s, r);
    return IndexPath();
}

UserDefaults& defaults()
{
    return UserDefaults::standard();
}
}

TEST(Settings, TogglesSwitchTheirPreferenceAndShowTheirTick)
{
    AdvancedStage s;
    auto* settings = s.push(s.factory().flipsideViewController());
    TableView* table = settings->myTableView();
    auto tap = [&](int id) { settings->didSelectRowAtIndexPath(table, rowWithId(settings, id)); };
    auto tick = [&](int id) {
        const IndexPath at = rowWithId(settings, id);
        table->scrollToRowAtIndexPath(at, TableView::ScrollPositionMiddle, false);
        return s.accessory(table, at.section(), at.row());
    };
    EXPECT_EQ(tick(FlipsideViewController::PlayFoldersRow), TableViewCell::AccessoryCheckmark);
    tap(FlipsideViewController::PlayFoldersRow);
    EXPECT_FALSE(defaults().boolForKey(PreferenceKeys::playFolders));
    EXPECT_EQ(tick(FlipsideViewController::PlayFoldersRow), TableViewCell::AccessoryNone);

    tap(FlipsideViewController::OnlyShowMediaRow);
    ASSERT_EQ(s.alerts.alerts.size(), 1u);
    EXPECT_EQ(s.alerts.alerts[0].title, QStringLiteral("Only showing media files"));
    tap(FlipsideViewController::OnlyShowMediaRow);
    EXPECT_EQ(s.alerts.alerts.size(), 1u) << "switching it off says nothing";

    QSignalSpy locks(settings, &FlipsideViewController::rotationLockChanged);
    settings->setInterfaceOrientation(OrientationLandscapeRight);
    tap(FlipsideViewController::LockRotationRow);
    EXPECT_EQ(defaults().integerForKey(PreferenceKeys::lockRotationSpecific), int(OrientationLandscapeRight));
    EXPECT_EQ(tick(FlipsideViewController::LockRotationRow), TableViewCell::AccessoryCheckmark);
    tap(FlipsideViewController::LockRotationRow);
    EXPECT_EQ(defaults().integerForKey(PreferenceKeys::lockRotationSpecific), 0);
    EXPECT_EQ(locks.count(), 2);

    QSignalSpy awake(settings, &FlipsideViewController::keepAwakeChanged);
    tap(FlipsideViewController::DisableSleepRow);
    EXPECT_TRUE(defaults().boolForKey(PreferenceKeys::disableSleep));
    EXPECT_EQ(awake.count(), 1);
    EXPECT_FALSE(table->indexPathForSelectedRow().isValid());
}

TEST(Settings, VolumeRangeAndSlidingReachTheRemoteScreenAtOnce)
{
    AdvancedStage s;
    MainViewController* main = s.push(s.factory().mainViewController());
    auto volumeWheelRows = [&] {
        for (const SkinControl& c : main->currentSkin()->currentRoot()->pickers)
            if (auto* picker = qobject_cast<PickerView*>(c.control.data()))
                return picker->numberOfRowsInComponent(2);
        return -1;
    };
    auto scaleMaximum = [&] {
        for (const SkinControl& c : main->currentSkin()->currentRoot()->zoomSliders)
            if (c.id == QStringLiteral("VolumeSlider"))
                return qobject_cast<ZoomSlider*>(c.control.data())->maximumValue();
        return -1.0;
    };
    auto slides = [&] {
        for (const SkinControl& c : main->currentSkin()->currentRoot()->scrollViews)
            if (auto* scroll = qobject_cast<PagingScrollView*>(c.control.data()); scroll && c.id == SkinIds::mainScrollView)
                return scroll->isScrollEnabled();
        return false;
    };
    ASSERT_EQ(volumeWheelRows(), 201);
    EXPECT_EQ(scaleMaximum(), 200);
    EXPECT_TRUE(slides());
    auto inSettings = [&](int row) {
        main->info();
        auto* settings = qobject_cast<FlipsideViewController*>(s.nav->topViewController());
        ASSERT_TRUE(settings);
        ASSERT_TRUE(waitUntil([&] { return !s.nav->isTransitioning(); }));
        settings->didSelectRowAtIndexPath(settings->myTableView(), rowWithId(settings, row));
        s.nav->popViewControllerAnimated(false);
    };
    inSettings(FlipsideViewController::DoubleVolRow);
    EXPECT_EQ(volumeWheelRows(), 401) << "the same skin, its wheel widened";
    EXPECT_EQ(scaleMaximum(), 400);
    inSettings(FlipsideViewController::SlideSkinRow);
    EXPECT_FALSE(slides()) << "the skin was built again without sliding";
}

TEST(Settings, SkipDistanceIsChosenByKeyboardAndShownInSettings)
{
    AdvancedStage s;
    auto* settings = s.push(s.factory().flipsideViewController());
    settings->didSelectRowAtIndexPath(settings->myTableView(), rowWithId(settings, FlipsideViewController::SkipDistanceRow));
    auto* skip = qobject_cast<SkipDistanceViewController*>(s.nav->topViewController());
    ASSERT_TRUE(skip);
    ASSERT_TRUE(waitUntil([&] { return !s.nav->isTransitioning(); }));
    TableView* table = skip->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 13);
    EXPECT_EQ(s.text(table, 0, 6), QStringLiteral("1 Minutes"));
    EXPECT_EQ(s.accessory(table, 0, 4), TableViewCell::AccessoryCheckmark) << "30 s, the default";
    ASSERT_EQ(s.nav->focusWidget(), table) << "the keyboard is in the list as it shows";
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(defaults().integerForKey(PreferenceKeys::skipDistance), 60);
    EXPECT_EQ(defaults().stringForKey(PreferenceKeys::skipDistanceWord), QStringLiteral("1 Minutes"));
    EXPECT_EQ(s.accessory(table, 0, 6), TableViewCell::AccessoryCheckmark);
    EXPECT_EQ(s.accessory(table, 0, 4), TableViewCell::AccessoryNone);

    s.nav->popViewControllerAnimated(false);
    const IndexPath row = rowWithId(settings, FlipsideViewController::SkipDistanceRow);
    EXPECT_EQ(s.text(settings->myTableView(), row.section(), row.row()), QStringLiteral("Skip Distance: 1 Minutes"));
}

TEST(Settings, MailsAndInfoRows)
{
    EXPECT_EQ(FlipsideViewController::feedbackMail().toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:?subject=Feedback%20on%20PlayerLink&body="));
    EXPECT_EQ(FlipsideViewController::tellAFriendMail().toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:?subject=Try%20PlayerLink...&body=I%27m%20using%20PlayerLink%20-%20it%20lets%20me%20"
                             "control%20VLC%20completely%20from%20my%20iPhone.%0A%0AI%20think%20you%20might%20like%20"
                             "it%21%0A%0A"));

    NetworkState state;
    state.interfaces.push_back({ QStringLiteral("lo"), true, true, { QHostAddress::LocalHost } });
    state.interfaces.push_back({ QStringLiteral("wlan0"), true, false,
                                 { QHostAddress(QStringLiteral("fe80::1")), QHostAddress(QStringLiteral("192.168.1.20")) } });
    state.interfaces.push_back({ QStringLiteral("docker0"), true, false, { QHostAddress(QStringLiteral("172.17.0.1")) } });
    state.routes.push_back({ QStringLiteral("docker0"), QHostAddress(QStringLiteral("172.17.0.0")), 16, false, 0 });
    EXPECT_EQ(DeviceAddress::wifiIPFrom(state), QStringLiteral("no wifi Ip address")) << "no default route";
    state.routes.push_back({ QStringLiteral("wlan0"), QHostAddress(QStringLiteral("0.0.0.0")), 0, true, 600 });
    EXPECT_EQ(DeviceAddress::wifiIPFrom(state), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(DeviceAddress::wifiIPFrom(std::nullopt), QStringLiteral("no wifi Ip address"));

    AdvancedStage s;
    auto* settings = s.push(s.factory().flipsideViewController());
    TableView* table = settings->myTableView();
    const IndexPath version = rowWithId(settings, FlipsideViewController::VersionRow);
    table->scrollToRowAtIndexPath(version, TableView::ScrollPositionBottom, false);
    auto* cell = qobject_cast<SourceCell*>(table->cellForRowAtIndexPath(version));
    ASSERT_TRUE(cell);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(cell->sourceLabel()->text()).hasMatch());
    EXPECT_EQ(table->rectForRowAtIndexPath(version).height(), 22);
    EXPECT_EQ(cell->selectionStyle(), TableViewCell::SelectionStyleNone);
}

TEST(Settings, LockedRotationKeepsTheShapeTheWindowHad)
{
    ScopedHome home;
    AppWindow window;
    auto* nav = new NavigationController(new ViewController);
    window.setNavigationController(nav);
    window.resize(390, 760);
    window.show();
    UserDefaults::standard().setInteger(PreferenceKeys::lockRotationSpecific, OrientationPortrait);
    window.rotationLockChanged();
    window.resize(900, 500); // wider than tall: would be landscape
    EXPECT_NEAR(double(nav->width()) / nav->height(), 390.0 / 760.0, 0.01);
    EXPECT_EQ(nav->height(), 500);
    EXPECT_EQ(Orientation::forSize(nav->size()), OrientationPortrait);

    UserDefaults::standard().setInteger(PreferenceKeys::lockRotationSpecific, 0);
    window.rotationLockChanged();
    EXPECT_EQ(nav->geometry(), window.rect()) << "unlocked, the window's shape turns the layout again";
}
