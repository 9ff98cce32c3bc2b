#include "app/BundleInstaller.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "screens/MainView/MainViewController.h"
#include "skin/Skin.h"
#include "skin/SkinRowCell.h"
#include "skin/TitleView.h"
#include "TestSupport.h"
#include "ui/AlertView.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/TableView.h"
#include "ui/UrlOpener.h"
#include "ui/WidgetAlertPresenter.h"
#include "vlc/VLCController.h"

#include <QNetworkAccessManager>

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QByteArray statusReply(const char* state, int volume, int time = 12, int length = 240)
{
    return QByteArray("<root><apiversion>3</apiversion><state>") + state + "</state><volume>"
        + QByteArray::number(volume) + "</volume><time>" + QByteArray::number(time) + "</time><length>"
        + QByteArray::number(length) + "</length><position>0.05</position><random>false</random>"
        + "<loop>true</loop><repeat>false</repeat></root>";
}

// The remote screen on a remote whose computer is a fake VLC 3 that records
// every request.
struct RemoteScreen {
    ScopedHome home;
    FakeHttpServer server;
    QNetworkAccessManager network;
    std::shared_ptr<VLCController> remote = std::make_shared<VLCController>(RemoteRecord {}, &network);
    QWidget window;
    MainViewController* screen = new MainViewController(&window);
    WidgetAlertPresenter alerts { &window };
    QList<QUrl> opened;

    RemoteScreen()
    {
        BundleInstaller::install();
        AlertPresenter::setCurrent(&alerts);
        UrlOpener::setHandler([this](const QUrl& url) {
            opened << url;
            return true;
        });
        server.setHandler([](const FakeHttpServer::Request& r) {
            if (r.target.startsWith("/requests/playlist.xml"))
                return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
            return FakeHttpServer::ok(statusReply("playing", 256));
        });
        remote->setHostAddress(server.hostAddress());
        remote->setNickname(QStringLiteral("Den"));
        screen->setCurrentRemote(remote);
        window.resize(390, 672);
        screen->resize(390, 672);
        window.show();
    }
    ~RemoteScreen()
    {
        UrlOpener::setHandler(nullptr);
        AlertPresenter::setCurrent(nullptr);
        delete screen;
    }
    void appear(bool polling = true)
    {
        screen->beginAppearance(true, false);
        screen->endAppearance();
        if (!polling) {
            screen->stopTimer(); // the test feeds the replies itself...
            // ...once the first status and playlist, asked for at once, are in.
            waitUntil([&] { return remote->hasPlaylist() && !remote->isBusy(); }, 3000);
        }
    }
    void disappear()
    {
        screen->beginAppearance(false, false);
        screen->endAppearance();
    }
    // Stores a reply as if it had just arrived.
    void feed(const QByteArray& body)
    {
        HttpReply reply;
        reply.httpStatus = 200;
        reply.body = body;
        remote->processResponse(reply, VLCController::OrdinaryRequest);
    }
    // The command the action sent, once its reply has been handled (polls
    // in between are not commands).
    std::string sent(const std::function<void()>& action)
    {
        waitUntil([&] { return !remote->isBusy(); });
        server.clearRequests();
        action();
        auto command = [&]() -> std::string {
            for (const QByteArray& target : server.targets())
                if (target.contains("command="))
                    return target.toStdString();
            return {};
        };
        const bool any = waitUntil([&] { return !command().empty(); }, 1000);
        waitUntil([&] { return !remote->isBusy(); });
        return any ? command() : "<nothing>";
    }
    template <typename T>
    T* control(const std::vector<SkinControl> SkinRoot::*list, const QString& id)
    {
        for (const SkinControl& entry : screen->currentSkin()->currentRoot()->*list)
            if (entry.id == id)
                return qobject_cast<T*>(entry.control.data());
        return nullptr;
    }
};
}

TEST(RemoteScreen, PollsWhileShownAndActive)
{
    RemoteScreen s;
    s.appear();
    EXPECT_TRUE(s.screen->timersRunning());
    ASSERT_TRUE(waitUntil([&] { return s.server.targets().contains("/requests/status.xml"); }, 2500));
    ASSERT_TRUE(waitUntil([&] { return s.server.targets().contains("/requests/playlist.xml"); }, 4000));
    NotificationCenter::defaultCenter().post(NotificationNames::applicationWillResignActive);
    EXPECT_FALSE(s.screen->timersRunning());
    NotificationCenter::defaultCenter().post(NotificationNames::applicationDidBecomeActive);
    EXPECT_TRUE(s.screen->timersRunning());
    s.disappear();
    EXPECT_FALSE(s.screen->timersRunning());
}

TEST(RemoteScreen, ShowsThePlayersStateThroughTheSkin)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 384, 75, 300));
    auto* nowPlaying = s.control<FitLabel>(&SkinRoot::labels, QStringLiteral("NowPlaying"));
    ASSERT_TRUE(nowPlaying);
    EXPECT_EQ(nowPlaying->text(), QStringLiteral("Bob's Café Song.wav"));
    EXPECT_EQ(s.screen->titleView()->topLabel()->text(), QStringLiteral("Bob's Café Song.wav"));
    EXPECT_EQ(s.screen->titleView()->bottomLabel()->text(), QStringLiteral("Den"));
    EXPECT_EQ(s.control<FitLabel>(&SkinRoot::labels, QStringLiteral("TimeLength"))->text(), QStringLiteral("05:00"));
    auto* playPause = s.control<ImageButton>(&SkinRoot::buttons, QStringLiteral("PlayPause"));
    const QImage pauseImage = playPause->image(ImageButton::Normal).toImage();
    EXPECT_FALSE(s.control<ImageButton>(&SkinRoot::buttons, QStringLiteral("Loop"))->isHighlighted()); // loop on
    EXPECT_TRUE(s.control<ImageButton>(&SkinRoot::buttons, QStringLiteral("Shuffle"))->isHighlighted());
    s.feed(statusReply("paused", 384, 75, 300));
    EXPECT_NE(playPause->image(ImageButton::Normal).toImage(), pauseImage);

    // The skin's table shows the playlist; an empty one shows a placeholder.
    TableView* table = s.control<TableView>(&SkinRoot::tables, QString());
    ASSERT_TRUE(table);
    EXPECT_EQ(s.screen->numberOfRowsInSection(table, 0), 2);
    s.feed(fixture(QStringLiteral("vlc3-playlist-empty.xml")));
    EXPECT_EQ(s.screen->numberOfRowsInSection(table, 0), 1);
    auto* row = qobject_cast<SkinRowCell*>(s.screen->cellForRowAtIndexPath(table, IndexPath(0, 0)));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->title(), QStringLiteral("(Playlist Empty)"));
    EXPECT_EQ(s.sent([&] { s.screen->didSelectRowAtIndexPath(table, IndexPath(0, 0)); }), "<nothing>");
    delete row;
}

TEST(RemoteScreen, ActionsSendTheirCommands)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 499)); // 195 %
    EXPECT_EQ(s.sent([&] { s.screen->volumeUp(); }), "/requests/status.xml?command=volume&val=512");
    s.feed(statusReply("playing", 512));
    s.feed(statusReply("playing", 512));
    EXPECT_EQ(s.sent([&] { s.screen->volumeUp(); }), "/requests/status.xml?command=volume&val=512");
    UserDefaults::standard().setBool(PreferenceKeys::doubleVol, true);
    s.feed(statusReply("playing", 1011)); // 395 %
    s.feed(statusReply("playing", 1011));
    EXPECT_EQ(s.sent([&] { s.screen->volumeUp(); }), "/requests/status.xml?command=volume&val=1024");
    for (const auto& [raw, expected] : { std::pair { 23, "0" }, std::pair { 26, "0" }, std::pair { 64, "38" } }) {
        s.feed(statusReply("playing", raw)); // 9 %, 10 %, 25 %
        s.feed(statusReply("playing", raw));
        EXPECT_EQ(s.sent([&] { s.screen->volumeDown(); }), std::string("/requests/status.xml?command=volume&val=") + expected);
    }
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 10);
    EXPECT_EQ(s.sent([&] { s.screen->scanBack(); }), "/requests/status.xml?command=seek&val=-10s");
    EXPECT_EQ(s.sent([&] { s.screen->scanForward(); }), "/requests/status.xml?command=seek&val=%2B10s");
    s.feed(statusReply("playing", 256));
    EXPECT_EQ(s.sent([&] { s.screen->playPause(); }), "/requests/status.xml?command=pl_pause");
    s.feed(statusReply("paused", 256));
    EXPECT_EQ(s.sent([&] { s.screen->playPause(); }), "/requests/status.xml?command=pl_pause&id=3");
    TableView* table = s.control<TableView>(&SkinRoot::tables, QString());
    EXPECT_EQ(s.sent([&] { s.screen->didSelectRowAtIndexPath(table, IndexPath(0, 0)); }),
              "/requests/status.xml?command=pl_play&id=4");

    // The keyboard reaches the same actions.
    s.feed(statusReply("playing", 256));
    EXPECT_EQ(s.sent([&] {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(s.screen, &key);
    }), "/requests/status.xml?command=pl_pause");
    EXPECT_EQ(s.sent([&] { QTest::keyClick(s.screen, Qt::Key_N); }), "/requests/status.xml?command=pl_next");
}

TEST(RemoteScreen, AfterTheUserSetsAValueThePickerJumpsOnceThenGlides)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(statusReply("playing", 256));
    EXPECT_TRUE(s.screen->animatePicker());
    s.screen->sliderVolumeChanged(120.7);
    EXPECT_FALSE(s.screen->animatePicker());
    EXPECT_EQ(s.remote->temporaryVolume(), 120);
    s.feed(statusReply("playing", 307)); // this update is not animated...
    EXPECT_TRUE(s.screen->animatePicker()); // ...the next ones are
}

TEST(RemoteScreen, TheMoreSheetAndTheWebSearches)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 256));
    s.screen->actions();
    AlertView* sheet = AlertView::topAlert();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->title(), QStringLiteral("More..."));
    EXPECT_EQ(sheet->buttonTitles(), (QStringList { "Advanced Controls...", "Find in IMDB", "Find in Amazon", "Skins...",
                                                    "Settings...", "Cancel" }));
    sheet->pressButton(1);
    s.screen->actions();
    AlertView::topAlert()->pressButton(2);
    s.screen->actions();
    AlertView::topAlert()->pressButton(5);
    ASSERT_EQ(s.opened.size(), 2);
    EXPECT_EQ(s.opened[0].toString(QUrl::FullyEncoded), QStringLiteral("https://www.imdb.com/find?q=Bob's%20Caf%C3%A9%20Song.wav"));
    EXPECT_EQ(s.opened[1].toString(QUrl::FullyEncoded),
              QStringLiteral("https://www.amazon.com/s?field-keywords=Bob's%20Caf%C3%A9%20Song.wav"));
}

TEST(RemoteScreen, TheDvdNoticeComesUntilItIsDismissedForGood)
{
    RemoteScreen s;
    s.appear();
    EXPECT_EQ(s.sent([&] { s.screen->dvdUp(); }), "/requests/status.xml?command=key&val=nav-up");
    AlertView* notice = AlertView::topAlert();
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->title().startsWith(QStringLiteral("To use DVD controls")));
    notice->pressButton(2); // "Ok": it comes back
    s.screen->dvdMenu();
    ASSERT_TRUE(AlertView::topAlert());
    AlertView::topAlert()->pressButton(1); // "Ok - Don't tell me again"
    EXPECT_TRUE(UserDefaults::standard().boolForKey(PreferenceKeys::haveShownDvdWarning));
    EXPECT_EQ(s.sent([&] { s.screen->speedFaster(); }), "/requests/status.xml?command=key&val=faster");
    EXPECT_EQ(AlertView::topAlert(), nullptr);
}

TEST(RemoteScreen, AnOldSkinIsPointedOutUntilTheUserSaysNotAgain)
{
    RemoteScreen s;
    s.appear();
    EXPECT_FALSE(s.screen->checkSkinValue()); // the shipped skin is current
    // A skin of an older version.
    const QString dir = s.home.path() + QStringLiteral("/Documents/Skins/Old");
    QDir().mkpath(dir);
    QFile definition(dir + QStringLiteral("/SkinDefinition.xml"));
    ASSERT_TRUE(definition.open(QIODevice::WriteOnly));
    definition.write(R"(<skin apiVersion="3.5"><Portrait><view width="320" height="400"/></Portrait></skin>)");
    definition.close();
    UserDefaults::standard().setObject(PreferenceKeys::skin, QStringLiteral("Documents/Skins/Old"));
    s.screen->loadSkin();
    EXPECT_TRUE(s.screen->checkSkinValue());
    ASSERT_TRUE(AlertView::topAlert());
    AlertView::topAlert()->pressButton(1); // "Ok": shown again next time
    EXPECT_TRUE(s.screen->checkSkinValue());
    AlertView::topAlert()->pressButton(0);
    EXPECT_EQ(UserDefaults::standard().stringForKey(PreferenceKeys::noSkinVersion), QStringLiteral("Documents/Skins/Old"));
    EXPECT_FALSE(s.screen->checkSkinValue());
}

TEST(RemoteScreen, RotationSwapsTheSkinsOrientation)
{
    RemoteScreen s;
    s.appear();
    QWidget* portrait = s.screen->displayView();
    ASSERT_TRUE(portrait);
    s.screen->setInterfaceOrientation(OrientationLandscapeRight);
    QWidget* landscape = s.screen->displayView();
    EXPECT_NE(landscape, portrait);
    EXPECT_EQ(landscape->parentWidget(), s.screen->displayContainer());
    EXPECT_EQ(landscape->width(), 760);
    s.screen->setInterfaceOrientation(OrientationPortrait);
    EXPECT_EQ(s.screen->displayView(), portrait); // built once, kept
    UserDefaults::standard().setInteger(PreferenceKeys::lockRotationSpecific, OrientationLandscapeLeft);
    EXPECT_FALSE(s.screen->shouldAutorotateToInterfaceOrientation(OrientationPortrait));
    EXPECT_TRUE(s.screen->shouldAutorotateToInterfaceOrientation(OrientationLandscapeLeft));
    delete landscape;
}

namespace {
// Counts the paint events of a widget and everything inside it.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    void watch(QWidget* root)
    {
        root->installEventFilter(this);
        for (QWidget* w : root->findChildren<QWidget*>())
            w->installEventFilter(this);
    }
};
}

TEST(RemoteScreen, AReplyThatChangesNothingTouchesNoWidget)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("paused", 256, 12)); // paused: the time does not run on by itself
    spinEventLoop(100);
    PaintCounter counter;
    counter.watch(&s.window);
    s.feed(statusReply("paused", 256, 12)); // the same state again
    spinEventLoop(100);
    EXPECT_EQ(counter.paints, 0);
    s.feed(statusReply("paused", 256, 13)); // one second on
    spinEventLoop(100);
    EXPECT_GT(counter.paints, 0);
}
