// The remote screen's notices in playerlink, through real mouse and
// key events on its window: a chosen skin that cannot be loaded, a skin made
// for an older version, the DVD controls on VLC's older interface, an
// address no request can be made of; and the launch's word on a missing
// network.

#include "FakeHttpServer.h"
#include "GivenNetwork.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "bundle/BundleInstaller.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/SkinFolders.h"
#include "models/NoInternetNotice.h"
#include "models/RemoteSession.h"
#include "models/SkinListModel.h"
#include "net/Reachability_2.h"
#include "models/SkinsScreen.h"
#include "models/skin/SkinControl.h"
#include "models/skin/SkinPagesControl.h"
#include "models/skin/SkinScene.h"
#include "vlc/SavedRemoteList.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool settled(ProgramWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

// A skin folder of the skins folder with this definition; its identifier.
QString installSkin(const QString& name, const QByteArray& definition)
{
    const QString dir = SkinFolders::installedSkins() + u'/' + name;
    QDir().mkpath(dir);
    QFile file(dir + QStringLiteral("/SkinDefinition.xml"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(definition) == definition.size());
    return SkinFolders::identifierForInstalled(name);
}

// Touches a notice's button once the notice is laid out: its buttons
// find their places as the next frame is drawn.
void touchNoticeButton(ProgramWindow& w, int index)
{
    ASSERT_TRUE(waitUntil([&] { return w.noticeButton(index); }));
    // A lone button has no other to stand apart from: wait for its frame.
    QSignalSpy drawn(w.window, &QQuickWindow::frameSwapped);
    w.window->update();
    ASSERT_TRUE(drawn.wait(3000));
    w.click(w.noticeButton(index));
}

class NoticesOnRealVlc : public RealVlcTest {
protected:
    void SetUp() override { startVlc(); }
    ScopedHome home; // a skins folder of its own
};
}

// A broken skin chosen gives way to the built-in one, and the screen says
// which; a skin of an older version is pointed out until the user says not
// again.
TEST_F(NoticesOnRealVlc, ASkinThatCannotBeLoadedOrIsOldIsPointedOut)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    BundleInstaller::install();
    const QString broken = installSkin(QStringLiteral("Broken"), "<skin apiVersion=\"4\"><Portrait><view");
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setObject(PreferenceKeys::skin, broken);
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        RemoteRecord record = RemoteRecord::forAddress(vlc->hostAddress());
        record.password = vlc->password();
        remotes.saved().setRecords({ record });
    }, broken);
    const auto openRemote = [&] {
        w.click(w.item(QStringLiteral("remote-") + vlc->hostAddress()));
        return settled(w, 2);
    };
    const auto backToList = [&] {
        QTest::keyClick(w.window, Qt::Key_Escape);
        return settled(w, 1);
    };
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-answers")); }, 10000))
        << "VLC said: " << vlc->log().toStdString();

    ASSERT_TRUE(openRemote());
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeButton0")); }));
    EXPECT_EQ(w.alerts.title(), u"The skin \"Broken\" could not be loaded, so PlayerLink is using its built-in skin.");
    EXPECT_EQ(w.alerts.buttons(), QStringList { "Ok" });
    EXPECT_EQ(w.keys.remote()->directory(), SkinFolders::builtInSkin);
    EXPECT_TRUE(w.keys.remote()->isLoaded());
    EXPECT_TRUE(w.skinItem(SkinControl::Button, QStringLiteral("PlayPause")));
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skin), SkinFolders::builtInSkin);
    touchNoticeButton(w, 0);
    ASSERT_TRUE(waitUntil([&] { return !w.alerts.isShowing(); }));
    ASSERT_TRUE(backToList());

    // A skin made for an older version, chosen.
    const QString old = installSkin(
        QStringLiteral("Old"), R"(<skin apiVersion="3.5"><Portrait><view width="390" height="600"/></Portrait></skin>)");
    SkinsScreen* skins = w.remotes.skins();
    skins->reload();
    const auto* list = qobject_cast<SkinListModel*>(skins->list());
    ASSERT_TRUE(list);
    skins->choose(int(list->identifiers().indexOf(old)));
    ASSERT_EQ(defaults.stringForKey(PreferenceKeys::skin), old);
    for (const bool notice : { true, false }) {
        ASSERT_TRUE(openRemote());
        EXPECT_EQ(w.keys.remote()->directory(), old);
        if (notice) {
            ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeButton1")); }));
            EXPECT_TRUE(w.alerts.title().startsWith(u"The skin you are using may not be supported"));
            EXPECT_EQ(w.alerts.buttons(), (QStringList { "Ok - Don't tell me again", "Ok" }));
            touchNoticeButton(w, 0);
            EXPECT_TRUE(waitUntil([&] { return !w.alerts.isShowing(); }));
        } else {
            QTest::qWait(300);
            EXPECT_FALSE(w.alerts.isShowing()) << w.alerts.title().toStdString();
        }
        ASSERT_TRUE(backToList());
    }
}

// VLC's older interface needed the setup helper for the disc-menu keys (VLC
// 3.0 takes them as they are, so a loopback stand-in of the older one
// answers here): a DVD key brings the notice, and its "Send me details"
// leads to the setup screen.
TEST(Notices, ADvdKeyOnTheOlderInterfaceOffersTheSetupDetails)
{
    ScopedHome home;
    FakeHttpServer older;
    older.setHandler([](const FakeHttpServer::Request& request) {
        return FakeHttpServer::ok(fixture(request.target.startsWith("/requests/playlist.xml")
                                              ? QStringLiteral("legacy-playlist.xml")
                                              : QStringLiteral("legacy-status.xml")));
    });
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(older.hostAddress(), {}); });
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(waitUntil([&] { return w.remotes.session().hasStatus(); }));
    // The disc-menu keys are on the skin's third page.
    SkinPagesControl* pages = w.keys.remote()->mainScrollView();
    ASSERT_TRUE(pages);
    QTest::keyClick(w.window, Qt::Key_PageDown);
    QTest::keyClick(w.window, Qt::Key_PageDown);
    ASSERT_EQ(pages->currentPage(), 2);
    QQuickItem* dvdUp = w.skinItem(SkinControl::Button, QStringLiteral("DvdUp"));
    ASSERT_TRUE(dvdUp);
    // Touched once the page has slid into view.
    ASSERT_TRUE(waitUntil([&] {
        const QPointF at = dvdUp->mapToScene(QPointF(0, 0));
        return at.x() >= 0 && at.x() + dvdUp->width() <= w.window->width();
    }));
    QTest::qWait(300);
    w.click(dvdUp);
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeButton2")); }));
    EXPECT_TRUE(w.alerts.title().startsWith(u"To use DVD controls, you will need to download and run the setup helper"));
    EXPECT_EQ(w.alerts.buttons(), (QStringList { "Send me details", "Ok - Don't tell me again", "Ok" }));
    touchNoticeButton(w, 0);
    ASSERT_TRUE(settled(w, 3));
    EXPECT_EQ(w.item(QStringLiteral("barTitle"))->property("text").toString(), u"Setup");
    EXPECT_FALSE(w.alerts.isShowing());
}

// An address no request can be made of: the remote screen says so, once
// however many polls fail alike, until the user answers.
TEST(Notices, AnAddressNoRequestCanBeMadeOfIsAnErrorToldOnce)
{
    ScopedHome home;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(QStringLiteral("my pc"), QStringLiteral("pw")); });
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeOk")) != nullptr; }));
    EXPECT_EQ(w.alerts.title(), u"Error...");
    EXPECT_TRUE(w.alerts.message().startsWith(u"there was an internal error trying to access "));
    EXPECT_TRUE(w.alerts.message().endsWith(u"\n\nSorry."));
    // A few rounds of polls, each failing alike.
    QTest::qWait(2500);
    w.click(w.item(QStringLiteral("noticeOk")));
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("noticeOk")); }));
    EXPECT_FALSE(w.alerts.isShowing());
}

// No network at launch: "No Internet..." says the remotes cannot be used
// yet, and goes by itself once the network is back.
TEST(Notices, NoNetworkAtLaunchIsToldUntilItComesBack)
{
    ScopedHome home;
    auto* network = new GivenNetwork;
    network->setOnline(false);
    Reachability_2 reachability { std::unique_ptr<NetworkStateSource>(network) };
    ProgramWindow w(false);
    NoInternetNotice notice(reachability, w.alerts);
    notice.check();
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeOk")) != nullptr; }));
    EXPECT_EQ(w.alerts.title(), u"No Internet...");
    EXPECT_TRUE(reachability.networkStatusNotificationsEnabled());

    // Still offline: it stays.
    emit reachability.networkReachabilityChanged();
    QTest::qWait(100);
    EXPECT_TRUE(w.item(QStringLiteral("noticeOk")));
    // The source tells of the change, and the reachability passes it on.
    network->setOnline(true);
    EXPECT_FALSE(w.alerts.isShowing());
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("noticeOk")); }));
    EXPECT_FALSE(reachability.networkStatusNotificationsEnabled());
}
