#include "AdvancedStage.h"
#include "app/AppWindow.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/UserDefaults.h"
#include "models/HelpPages.h"
#include "net/DeviceNetworkAddress.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "screens/WebView/WebViewController.h"
#include "skin/Skin.h"
#include "skin/SkinIds.h"
#include "ui/NavigationController.h"
#include "ui/PagingScrollView.h"
#include "ui/PickerView.h"
#include "ui/SourceCell.h"
#include "ui/UrlOpener.h"
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
        main->actionsSheetDidDismissWithButtonIndex(4); // "Settings..."
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
    EXPECT_EQ(s.text(table, 0, 6), QStringLiteral("1 Minute"));
    EXPECT_EQ(s.accessory(table, 0, 4), TableViewCell::AccessoryCheckmark) << "30 s, the default";
    ASSERT_EQ(s.nav->focusWidget(), table) << "the keyboard is in the list as it shows";
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(defaults().integerForKey(PreferenceKeys::skipDistance), 60);
    EXPECT_EQ(defaults().stringForKey(PreferenceKeys::skipDistanceWord), QStringLiteral("1 Minute"));
    EXPECT_EQ(s.accessory(table, 0, 6), TableViewCell::AccessoryCheckmark);
    EXPECT_EQ(s.accessory(table, 0, 4), TableViewCell::AccessoryNone);

    s.nav->popViewControllerAnimated(false);
    const IndexPath row = rowWithId(settings, FlipsideViewController::SkipDistanceRow);
    EXPECT_EQ(s.text(settings->myTableView(), row.section(), row.row()), QStringLiteral("Skip Distance: 1 Minute"));
}

TEST(Settings, MailsAndInfoRows)
{
    // Line breaks go as CR LF, as mail wants them.
    EXPECT_EQ(FlipsideViewController::feedbackMail().toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:?subject=Feedback%20on%20PlayerLink&body="));
    EXPECT_EQ(FlipsideViewController::tellAFriendMail().toString(QUrl::FullyEncoded).toStdString(),
              QStringLiteral("mailto:?subject=Try%20PlayerLink...&body=I'm%20using%20PlayerLink%20-%20it%20lets%20me%20"
                             "control%20VLC%20completely%20from%20my%20iPhone.%0D%0A%0D%0AI%20think%20you%20might%20like%20"
                             "it!%0D%0A%0D%0A")
                  .toStdString());

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

TEST(Settings, RowsThatReachOutOpenTheirScreensAndPages)
{
    AdvancedStage s;
    QList<QUrl> opened;
    UrlOpener::setHandler([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    auto* settings = s.push(s.factory().flipsideViewController());
    TableView* table = settings->myTableView();
    auto tap = [&](int id) {
        s.nav->popToViewController(settings, false);
        settings->didSelectRowAtIndexPath(table, rowWithId(settings, id));
        return s.nav->topViewController();
    };
    WebViewController* viewer = s.factory().webViewController();
    auto shows = [viewer](const QUrl& url) {
        return waitUntil([&] { return viewer->theWebView() && viewer->theWebView()->url() == url; });
    };
    auto bundled = [](const char* page) {
        return HelpPages::bundledPage(defaults(), QString::fromLatin1(page)).url;
    };

    // Without a help site every page is the bundled one, and nothing is asked.
    EXPECT_EQ(tap(FlipsideViewController::HelpRow), viewer);
    EXPECT_TRUE(shows(bundled("help")));
    EXPECT_EQ(tap(FlipsideViewController::WhatsNewRow), viewer);
    EXPECT_TRUE(shows(bundled("whatsNew")));
    EXPECT_EQ(tap(FlipsideViewController::AboutRow), viewer);
    EXPECT_TRUE(shows(bundled("index")));
    EXPECT_EQ(tap(FlipsideViewController::NewsletterRow), viewer);
    EXPECT_TRUE(viewer->theWebView()->toPlainText().contains(QStringLiteral("none is set up")));
    EXPECT_EQ(tap(FlipsideViewController::SkinRow), s.factory().skinsViewController());
    EXPECT_EQ(tap(FlipsideViewController::SetupRow), s.factory().setupInstructionsViewController());
    tap(FlipsideViewController::TellAFriendRow);
    EXPECT_EQ(opened, QList<QUrl> { FlipsideViewController::tellAFriendMail() });

    // With one, the newsletter and about pages come from it.
    s.server.clearRequests();
    defaults().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + s.server.hostAddress());
    tap(FlipsideViewController::NewsletterRow);
    EXPECT_TRUE(waitUntil([&] { return s.server.targets().contains("/updates"); }));
    tap(FlipsideViewController::AboutRow);
    EXPECT_TRUE(waitUntil([&] { return s.server.targets().contains("/iAbout.php?source=PlayerLink"); }));
    EXPECT_EQ(viewer->backupUrl(), bundled("index"));

    const IndexPath ip = rowWithId(settings, FlipsideViewController::IpRow);
    table->scrollToRowAtIndexPath(ip, TableView::ScrollPositionBottom, false);
    EXPECT_EQ(s.text(table, ip.section(), ip.row()), QStringLiteral("IP: ") + DeviceNetworkAddress::wifiIP());
    UrlOpener::setHandler(nullptr);
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
