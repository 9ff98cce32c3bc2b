#include "app/ApplicationActivity.h"
#include "app/BundleInstaller.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "MemoryNetwork.h"
#include "KeepPicture.h"
#include "models/RemoteSession.h"
#include "screens/MainView/MainViewController.h"
#include "screens/MainView/RemoteSkinControls.h"
#include "skin/Skin.h"
#include "skin/SkinRowCell.h"
#include "skin/TitleView.h"
#include "TestSupport.h"
#include "ui/AlertView.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/PageControl.h"
#include "ui/PagingScrollView.h"
#include "ui/SensitivePicker.h"
#include "ui/TableView.h"
#include "ui/TrackSlider.h"
#include "ui/UrlOpener.h"
#include "ui/WidgetAlertPresenter.h"
#include "ui/ZoomSlider.h"
#include "vlc/VLCController.h"

#include <QNetworkAccessManager>

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
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

// A playlist of n items, the one at current playing.
QByteArray longPlaylist(int n, int current)
{
    QByteArray xml = "<node name=\"\" id=\"0\"><node name=\"Playlist\" id=\"1\">";
    for (int i = 0; i < n; ++i)
        xml += "<leaf name=\"item " + QByteArray::number(i) + ".wav\" id=\"" + QByteArray::number(100 + i) + "\" duration=\"30\""
            + (i == current ? " current=\"current\"" : "") + "/>";
    return xml + "</node></node>";
}

// The remote screen on a remote whose computer is a fake VLC 3 that records
// every request. Time stands still unless a test moves it, so a reply never
// grows old by itself.
struct RemoteScreen {
    ManualClock clock;
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
            screen->session().setActive(false); // the test feeds the replies itself...
            // ...once the first status and playlist, asked for at once, are in.
            waitUntil([&] { return remote->state().hasPlaylist() && !remote->isBusy(); }, 3000);
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
    TableView* table() { return control<TableView>(&SkinRoot::tables, QString()); }
    ImageButton* button(const char* id) { return control<ImageButton>(&SkinRoot::buttons, QString::fromLatin1(id)); }
    FitLabel* label(const char* id) { return control<FitLabel>(&SkinRoot::labels, QString::fromLatin1(id)); }
};

void mouse(QWidget* widget, QEvent::Type type, QPoint at)
{
    static quint64 time = 100000;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    event.setTimestamp(time += 16);
    QCoreApplication::sendEvent(widget, &event);
}

// A mouse drag on a widget, in steps, as a hand makes it. The first step
// follows the press at once, however slow the machine, so its direction
// shows before a held press would count as a long touch.
void drag(QWidget* widget, QPoint from, QPoint to)
{
    mouse(widget, QEvent::MouseButtonPress, from);
    for (int step = 1; step <= 6; ++step) {
        if (step > 1)
            spinEventLoop(10);
        mouse(widget, QEvent::MouseMove, from + (to - from) * step / 6);
    }
    mouse(widget, QEvent::MouseButtonRelease, to);
}
}

TEST(RemoteScreen, PollsWhileShownAndActive)
{
    RemoteScreen s;
    // The application tells the screen as the delegate does.
    ApplicationActivity activity(&s.window);
    QObject::connect(&activity, &ApplicationActivity::resignedActive,
                     [] { NotificationCenter::defaultCenter().post(NotificationNames::applicationWillResignActive); });
    QObject::connect(&activity, &ApplicationActivity::becameActive,
                     [] { NotificationCenter::defaultCenter().post(NotificationNames::applicationDidBecomeActive); });
    s.appear();
    EXPECT_TRUE(s.screen->timersRunning());
    ASSERT_TRUE(waitUntil([&] { return s.server.targets().contains("/requests/status.xml"); }, 2500));
    ASSERT_TRUE(waitUntil([&] { return s.server.targets().contains("/requests/playlist.xml"); }, 4000));

    // Another window takes the focus: the visible remote goes on polling.
    activity.applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(s.screen->timersRunning());
    s.server.clearRequests();
    EXPECT_TRUE(waitUntil([&] { return s.server.targets().contains("/requests/status.xml"); }, 2500));

    // Minimised, hidden, put away by the platform or behind a locked
    // screen, it stops; back in view it starts again.
    const std::vector<std::pair<std::function<void()>, std::function<void()>>> putAway {
        { [&] { s.window.showMinimized(); }, [&] { s.window.showNormal(); } },
        { [&] { s.window.hide(); }, [&] { s.window.show(); } },
        { [&] { activity.applicationStateChanged(Qt::ApplicationSuspended); },
          [&] { activity.applicationStateChanged(Qt::ApplicationActive); } },
        { [&] { activity.setSessionLocked(true); }, [&] { activity.setSessionLocked(false); } },
    };
    for (const auto& [away, back] : putAway) {
        away();
        EXPECT_FALSE(s.screen->timersRunning());
        back();
        EXPECT_TRUE(s.screen->timersRunning());
    }
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
    EXPECT_EQ(s.screen->skinControls().numberOfRowsInSection(table, 0), 2);
    s.feed(fixture(QStringLiteral("vlc3-playlist-empty.xml")));
    EXPECT_EQ(s.screen->skinControls().numberOfRowsInSection(table, 0), 1);
    auto* row = qobject_cast<SkinRowCell*>(s.screen->skinControls().cellForRowAtIndexPath(table, IndexPath(0, 0)));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->title(), QStringLiteral("(Playlist Empty)"));
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().didSelectRowAtIndexPath(table, IndexPath(0, 0)); }), "<nothing>");
    delete row;
}

TEST(RemoteScreen, ActionsSendTheirCommands)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 499)); // 195 %
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().volumeUp(); }), "/requests/status.xml?command=volume&val=512");
    s.feed(statusReply("playing", 512));
    s.feed(statusReply("playing", 512));
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().volumeUp(); }), "/requests/status.xml?command=volume&val=512");
    UserDefaults::standard().setBool(PreferenceKeys::doubleVol, true);
    s.feed(statusReply("playing", 1011)); // 395 %
    s.feed(statusReply("playing", 1011));
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().volumeUp(); }), "/requests/status.xml?command=volume&val=1024");
    for (const auto& [raw, expected] : { std::pair { 23, "0" }, std::pair { 26, "0" }, std::pair { 64, "38" } }) {
        s.feed(statusReply("playing", raw)); // 9 %, 10 %, 25 %
        s.feed(statusReply("playing", raw));
        EXPECT_EQ(s.sent([&] { s.screen->skinControls().volumeDown(); }), std::string("/requests/status.xml?command=volume&val=") + expected);
    }
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 10);
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().scanBack(); }), "/requests/status.xml?command=seek&val=-10s");
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().scanForward(); }), "/requests/status.xml?command=seek&val=%2B10s");
    s.feed(statusReply("playing", 256));
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().playPause(); }), "/requests/status.xml?command=pl_pause");
    s.feed(statusReply("paused", 256));
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().playPause(); }), "/requests/status.xml?command=pl_pause&id=3");
    TableView* table = s.control<TableView>(&SkinRoot::tables, QString());
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().didSelectRowAtIndexPath(table, IndexPath(0, 0)); }),
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
    s.screen->skinControls().sliderVolumeChanged(120.7);
    EXPECT_FALSE(s.screen->animatePicker());
    EXPECT_EQ(s.remote->state().temporaryVolume(), 120);
    s.feed(statusReply("playing", 307, 40)); // this update (a jump in time) is not animated...
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

TEST(RemoteScreen, TheDvdNoticeIsForTheOlderInterfaceOnly)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(statusReply("playing", 256));
    // VLC 3 takes the disc-menu keys as they are: no notice.
    EXPECT_EQ(s.sent([&] { s.screen->skinControls().dvdUp(); }), "/requests/status.xml?command=key&val=nav-up");
    EXPECT_EQ(AlertView::topAlert(), nullptr);

    // A server of the older interface: the notice, until dismissed for good.
    s.server.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok(fixture(QStringLiteral("legacy-status.xml")));
    });
    s.feed(fixture(QStringLiteral("legacy-status.xml")));
    s.screen->skinControls().dvdUp();
    AlertView* notice = AlertView::topAlert();
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->title().startsWith(QStringLiteral("To use DVD controls")));
    // The whole text fits its panel.
    spinEventLoop(50);
    QLabel* title = notice->findChildren<QLabel*>().first();
    EXPECT_GE(title->height(), title->heightForWidth(title->width()));
    keepPicture(&s.window, QStringLiteral("dvd-notice"));
    notice->pressButton(2); // "Ok": it comes back
    s.screen->skinControls().dvdMenu();
    ASSERT_TRUE(AlertView::topAlert());
    AlertView::topAlert()->pressButton(1); // "Ok - Don't tell me again"
    EXPECT_TRUE(UserDefaults::standard().boolForKey(PreferenceKeys::haveShownDvdWarning));
    s.screen->session().sendKeyCommand(RemoteSession::KeyCommand::SpeedFaster);
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
    ASSERT_TRUE(waitUntil([&] { return s.screen->link() == RemoteLink::Connected && s.remote->state().hasStatus(); }));
    s.screen->resize(760, 314); // the window turned on its side
    s.screen->setInterfaceOrientation(OrientationLandscapeRight);
    QWidget* landscape = s.screen->displayView();
    EXPECT_NE(landscape, portrait);
    EXPECT_EQ(landscape->parentWidget(), s.screen->displayContainer());
    EXPECT_EQ(landscape->width(), 760);
    // The landscape volume slider is long enough to set a volume: a 20-point
    // drag moves it by less than a fifth of its range.
    auto* volume = s.control<TrackSlider>(&SkinRoot::sliders, QStringLiteral("VolumeSlider"));
    ASSERT_TRUE(volume);
    volume->setMaximumValue(200);
    volume->setValue(100);
    const QPoint thumb = volume->thumbCenter().toPoint();
    mouse(volume, QEvent::MouseButtonPress, thumb);
    mouse(volume, QEvent::MouseMove, thumb - QPoint(20, 0));
    mouse(volume, QEvent::MouseButtonRelease, thumb - QPoint(20, 0));
    EXPECT_GT(volume->value(), 80);
    s.screen->resize(390, 672);
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

TEST(RemoteScreen, TheDocumentedKeysActOnTheRemoteWhateverControlHasFocus)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 499)); // 195 %
    TableView* table = s.table();
    ASSERT_TRUE(table);
    // A click on a row plays it and leaves the focus on the list...
    const QPoint row = table->rectForRowAtIndexPath(IndexPath(0, 0)).center();
    EXPECT_EQ(s.sent([&] { QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, row); }),
              "/requests/status.xml?command=pl_play&id=4");
    table->setFocus();
    // ...where space still pauses, the arrows still skip and set the volume.
    auto key = [&](QWidget* focus, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return s.sent([&] { QTest::keyClick(focus, k, m); });
    };
    EXPECT_EQ(key(table, Qt::Key_Space), "/requests/status.xml?command=pl_pause");
    EXPECT_EQ(key(table, Qt::Key_Right), "/requests/status.xml?command=seek&val=%2B30s");
    s.feed(statusReply("playing", 499));
    s.feed(statusReply("playing", 499));
    EXPECT_EQ(key(table, Qt::Key_Down), "/requests/status.xml?command=volume&val=474"); // 185 %
    EXPECT_FALSE(table->indexPathForSelectedRow().isValid());
    // The volume scale and the wheels do not take the keys either.
    s.feed(statusReply("playing", 499));
    s.feed(statusReply("playing", 499));
    auto* volume = s.control<ZoomSlider>(&SkinRoot::zoomSliders, QStringLiteral("VolumeSlider"));
    ASSERT_TRUE(volume);
    EXPECT_EQ(key(volume, Qt::Key_Up), "/requests/status.xml?command=volume&val=512");
    auto* picker = s.control<SensitivePicker>(&SkinRoot::pickers, QString());
    ASSERT_TRUE(picker);
    EXPECT_EQ(key(picker, Qt::Key_N), "/requests/status.xml?command=pl_next");
    EXPECT_EQ(key(picker, Qt::Key_Left), "/requests/status.xml?command=seek&val=-30s");
    // Space and Enter on a button reached by Tab press that button; its
    // other keys stay the window's.
    ImageButton* next = s.button("Next");
    ASSERT_TRUE(next);
    next->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(key(next, Qt::Key_Space), "/requests/status.xml?command=pl_next");
    EXPECT_EQ(key(next, Qt::Key_Return), "/requests/status.xml?command=pl_next");
    EXPECT_EQ(key(next, Qt::Key_P), "/requests/status.xml?command=pl_previous");

    // A text field being edited keeps its keys.
    auto* field = new QLineEdit(&s.window);
    field->show();
    EXPECT_EQ(key(field, Qt::Key_Space), "<nothing>");
    EXPECT_EQ(key(field, Qt::Key_N), "<nothing>");
    EXPECT_EQ(field->text(), QStringLiteral(" n"));
    // Away from the screen the keys are not the remote's.
    s.disappear();
    EXPECT_EQ(key(table, Qt::Key_N), "<nothing>");
}

TEST(RemoteScreen, PagesTurnByASidewaysDragAWheelTheKeysAndTheDots)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(longPlaylist(40, 0));
    s.feed(statusReply("playing", 256));
    PagingScrollView* pages = s.screen->currentSkin()->mainScrollView();
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->pageCount(), 3);
    pages->scrollToPage(0, false);
    PageControl* dots = s.screen->pageDots();
    EXPECT_TRUE(dots->isVisible());
    EXPECT_EQ(dots->numberOfPages(), 3);
    const QRect pagesArea(pages->mapTo(s.screen, QPoint()), pages->size());
    EXPECT_LE(pagesArea.bottom(), dots->mapTo(s.screen, QPoint()).y()) << "the dots stand below the pages";
    auto settledOn = [&](int page) {
        return waitUntil([&] { return pages->contentOffset().x() == page * pages->width(); }, 2000)
            && dots->currentPage() == page;
    };

    // Up and down on the list scrolls the list.
    TableView* table = s.table();
    const QPoint middle = table->viewport()->rect().center();
    EXPECT_EQ(s.sent([&] { drag(table->viewport(), middle, middle + QPoint(4, -120)); }), "<nothing>");
    EXPECT_TRUE(waitUntil([&] { return table->contentOffset().y() > 0; }, 1000));
    EXPECT_TRUE(settledOn(0));
    // Mostly sideways, from the list or from the wheels, turns the page
    // (past half a page, so the speed of the hand does not matter).
    EXPECT_EQ(s.sent([&] { drag(table->viewport(), middle, middle + QPoint(-260, 30)); }), "<nothing>");
    EXPECT_TRUE(settledOn(1));
    auto* picker = s.control<SensitivePicker>(&SkinRoot::pickers, QString());
    drag(picker, QPoint(300, 100), QPoint(20, 120));
    EXPECT_TRUE(settledOn(2));
    // A sideways wheel or trackpad swipe turns one page, however long it is.
    spinEventLoop(300);
    auto swipe = [&](QWidget* target, int dx, Qt::ScrollPhase phase) {
        QWheelEvent wheel(QPointF(10, 10), target->mapToGlobal(QPointF(10, 10)), QPoint(dx, 0), QPoint(dx, 0),
                          Qt::NoButton, Qt::NoModifier, phase, false);
        QCoreApplication::sendEvent(target, &wheel);
    };
    swipe(picker, 80, Qt::ScrollBegin);
    for (int i = 0; i < 8; ++i)
        swipe(picker, 80, Qt::ScrollUpdate);
    EXPECT_TRUE(settledOn(1));
    swipe(picker, 80, Qt::ScrollEnd);
    // The keys, wherever the focus is.
    QTest::keyClick(table, Qt::Key_PageUp);
    EXPECT_TRUE(settledOn(0));
    QTest::keyClick(table, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(settledOn(1));
    QTest::keyClick(table, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(settledOn(0));
    // A click on a dot goes to its page, and the page is remembered.
    QTest::mouseClick(dots, Qt::LeftButton, Qt::NoModifier, dots->dotRect(2).center());
    EXPECT_TRUE(settledOn(2));
    EXPECT_TRUE(waitUntil([] { return UserDefaults::standard().integerForKey(PreferenceKeys::slideScreenPosition) == 2; }));
}

TEST(RemoteScreen, TheSkipButtonsShowTheChosenDistanceWhereTheirNumberBelongs)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 256));
    ImageButton* forward = s.button("SkipForward");
    ASSERT_TRUE(forward && forward->isVisible());
    EXPECT_EQ(forward->caption(), QStringLiteral("30"));
    EXPECT_EQ(s.button("SkipBack")->caption(), QStringLiteral("30"));
    // Drawn inside the arrow, in the glyph's white.
    const QImage with = forward->grab().toImage();
    forward->setCaption(QString());
    const QImage without = forward->grab().toImage();
    forward->setCaption(QStringLiteral("30"));
    QRect drawn;
    int brightest = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                drawn |= QRect(x, y, 1, 1);
                brightest = qMax(brightest, qGray(with.pixel(x, y)));
            }
    const QSizeF room = QSizeF(forward->size()) * 0.4;
    const QRectF middle(QRectF(forward->rect()).center() - QPointF(room.width(), room.height()) / 2, room);
    EXPECT_TRUE(middle.contains(QRectF(drawn))) << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x" << drawn.height();
    EXPECT_GT(drawn.width(), forward->width() / 8);
    EXPECT_GT(brightest, 200);
    keepPicture(s.screen, QStringLiteral("remote-skip-30"));

    // Chosen on the skip-distance screen, over this one.
    s.disappear();
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 60);
    UserDefaults::standard().setObject(PreferenceKeys::skipDistanceWord, QStringLiteral("1 Minutes"));
    s.appear(false);
    EXPECT_EQ(forward->caption(), QStringLiteral("1m"));
    EXPECT_EQ(s.button("SkipBack")->caption(), QStringLiteral("1m"));
    EXPECT_EQ(forward->accessibleDescription(), QStringLiteral("1 Minutes"));
    keepPicture(s.screen, QStringLiteral("remote-skip-1m"));
}

TEST(RemoteScreen, TheRememberedPageIsShownAgainAtEveryWindowSize)
{
    for (const QSize size : { QSize(320, 480), QSize(560, 960), QSize(1200, 2000) }) {
        RemoteScreen s;
        UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 2);
        s.window.resize(size);
        s.screen->resize(size);
        s.appear(false);
        PagingScrollView* pages = s.screen->currentSkin()->mainScrollView();
        ASSERT_TRUE(pages);
        EXPECT_EQ(pages->visiblePage(), 2) << size.width() << " x " << size.height();
        EXPECT_EQ(pages->contentOffset().x(), 2 * pages->width()) << size.width() << " x " << size.height();
        EXPECT_EQ(s.screen->pageDots()->currentPage(), 2);
        if (size.width() > 320)
            continue;
        // A window made much larger keeps the page it showed.
        pages->scrollToPage(1, false);
        s.screen->resize(1200, 2000);
        EXPECT_EQ(pages->visiblePage(), 1);
        EXPECT_EQ(pages->contentOffset().x(), pages->width());
    }
}

TEST(RemoteScreen, AWrongPasswordLeavesTheControlsNeutralAndTheUserCanGiveTheRightOne)
{
    RemoteScreen s;
    const QByteArray accepted = "Basic " + QByteArray(":secret").toBase64();
    s.server.setHandler([&](const FakeHttpServer::Request& r) {
        if (r.headers.value("authorization") != accepted) {
            FakeHttpServer::Response refused;
            refused.status = 401;
            refused.body = fixture(QStringLiteral("vlc3-401.html"));
            refused.addHeader("WWW-Authenticate", "Basic realm=\"VLC stream\"");
            return refused;
        }
        if (r.target.startsWith("/requests/playlist.xml"))
            return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
        return FakeHttpServer::ok(statusReply("playing", 256));
    });
    s.remote->setPassword(QStringLiteral("wrong"));
    ConsoleCapture log;
    s.appear();
    ASSERT_TRUE(waitUntil([&] { return s.screen->link() == RemoteLink::PasswordRefused; }, 3000));

    // Nothing is known of the player: nothing claims a state or invites a press.
    for (const char* id : { "PlayPause", "Shuffle", "Loop", "Repeat", "VolumeMore" })
        EXPECT_FALSE(s.button(id)->isEnabled()) << id;
    for (const char* id : { "Shuffle", "Loop", "Repeat" })
        EXPECT_TRUE(s.button(id)->isHighlighted()) << id << " shows its off image";
    EXPECT_TRUE(s.label("TimeElapsed")->isHidden());
    // The title names the remote and says what is wrong.
    EXPECT_EQ(s.screen->titleView()->topLabel()->text(), QStringLiteral("Den"));
    EXPECT_EQ(s.screen->titleView()->bottomLabel()->text(), QStringLiteral("Wrong password"));
    keepPicture(&s.window, QStringLiteral("remote-wrong-password"));

    // The user is asked for the password, right here.
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() && AlertView::topAlert()->textField(); }, 1000));
    AlertView* prompt = AlertView::topAlert();
    EXPECT_EQ(prompt->title(), QStringLiteral("Password for Den"));
    EXPECT_EQ(prompt->textField()->echoMode(), QLineEdit::Password);
    spinEventLoop(2200); // more refusals: no new line, no new prompt
    EXPECT_EQ(AlertView::visibleAlerts().size(), 1);
    QSignalSpy saved(s.remote.get(), &VLCController::recordChanged);
    QTest::keyClicks(prompt->textField(), QStringLiteral("secret"));
    QTest::keyClick(prompt->textField(), Qt::Key_Return);
    EXPECT_EQ(s.remote->record().password, QStringLiteral("secret"));
    EXPECT_EQ(saved.count(), 1) << "a saved remote is written with it";
    ASSERT_TRUE(waitUntil([&] { return s.button("PlayPause")->isEnabled(); }, 3000));
    EXPECT_TRUE(waitUntil([&] { return s.screen->titleView()->topLabel()->text() == QStringLiteral("Bob's Café Song.wav"); }));
    EXPECT_EQ(s.screen->titleView()->bottomLabel()->text(), QStringLiteral("Den"));

    // One line per change of the connection, never a page VLC sent.
    QStringList changes;
    for (const QString& line : log.lines) {
        EXPECT_FALSE(line.contains(QStringLiteral("Unauthorized"))) << line.toStdString();
        if (line.startsWith(QStringLiteral("remote screen: ")))
            changes << line.mid(15);
    }
    // The new password is tried: a change too.
    EXPECT_EQ(changes, (QStringList { "Trying to connect to Den", "Wrong password for Den", "Trying to connect to Den",
                                      "Connected to Den" }));

    // A VLC with no password set at all: the screen says how to set one.
    s.server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response refused;
        refused.status = 403;
        refused.body = fixture(QStringLiteral("vlc3-403-no-password.html"));
        return refused;
    });
    ASSERT_TRUE(waitUntil([&] { return s.screen->link() == RemoteLink::PasswordNotSet; }, 3000));
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() != nullptr; }, 1000));
    EXPECT_EQ(AlertView::topAlert()->title(), QStringLiteral("VLC on Den has no password set"));
    EXPECT_EQ(AlertView::topAlert()->message(), VLCController::noPasswordHint());
    EXPECT_TRUE(VLCController::noPasswordHint().contains(QStringLiteral("Lua HTTP › Password")));
    keepPicture(&s.window, QStringLiteral("remote-no-password-set"));
}

TEST(RemoteScreen, ALostConnectionDimsTheTransportAndTheTimesUntilRepliesReturn)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 256));
    s.screen->session().poll();
    ASSERT_TRUE(waitUntil([&] { return !s.remote->isBusy(); }));
    ASSERT_TRUE(s.button("PlayPause")->isEnabled());
    ASSERT_TRUE(s.label("TimeElapsed")->isEnabled());

    // VLC stops answering; three seconds later the screen says so.
    s.server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response silent;
        silent.hang = true;
        return silent;
    });
    s.clock.advance(3);
    s.screen->session().poll();
    EXPECT_EQ(s.screen->link(), RemoteLink::Lost);
    EXPECT_EQ(s.label("Status")->text(), QStringLiteral("Lost connection to Den"));
    for (const char* id : { "PlayPause", "Stop", "Next", "SkipForward", "VolumeLess" })
        EXPECT_FALSE(s.button(id)->isEnabled()) << id;
    EXPECT_FALSE(s.label("TimeElapsed")->isEnabled()) << "the time is dimmed";
    EXPECT_FALSE(s.control<ZoomSlider>(&SkinRoot::zoomSliders, QStringLiteral("PositionSlider"))->isEnabled());
    EXPECT_TRUE(s.label("TimeElapsed")->isVisible()) << "the last state stays in view";
    keepPicture(&s.window, QStringLiteral("remote-lost"));

    // VLC answers again: the next poll after the hung request's time-out
    // brings everything back.
    s.server.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::ok(statusReply("playing", 256)); });
    EXPECT_TRUE(waitUntil([&] {
        s.screen->session().poll();
        return s.button("PlayPause")->isEnabled();
    }, 5000));
    EXPECT_TRUE(s.label("TimeElapsed")->isEnabled());
    EXPECT_EQ(s.screen->link(), RemoteLink::Connected);
}

TEST(RemoteScreen, AServerThatKeepsAnsweringWithoutAStatusIsNotShownAsConnected)
{
    RemoteScreen s;
    s.appear(false);
    ASSERT_TRUE(s.remote->state().hasStatus());
    s.server.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok("<html><body>It works!</body></html>", "text/html");
    });
    for (int poll = 0; poll < 3; ++poll) { // the second bad reply holds the third poll back
        s.clock.advance(1);
        s.screen->session().poll();
        ASSERT_TRUE(waitUntil([&] { return !s.remote->isBusy(); }));
    }
    EXPECT_EQ(s.screen->link(), RemoteLink::UnusableReplies);
    EXPECT_EQ(s.label("Status")->text(), QStringLiteral("No usable answer from Den"));
    EXPECT_EQ(s.screen->titleView()->bottomLabel()->text(), QStringLiteral("No usable answer"));
    EXPECT_FALSE(s.button("PlayPause")->isEnabled());
    keepPicture(&s.window, QStringLiteral("remote-no-usable-answer"));
}

TEST(RemoteScreen, TheSkinIsScaledToFitKeepingItsShapeAndNeverCutOff)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(fixture(QStringLiteral("vlc3-playlist.xml")));
    s.feed(statusReply("playing", 256));
    QWidget* view = s.screen->displayView();
    auto wholeInside = [&](QWidget* root) {
        // Every control of the skin lies inside its parent, and the skin
        // inside the screen.
        bool whole = s.screen->displayContainer()->rect().contains(root->geometry());
        for (QWidget* w : root->findChildren<QWidget*>())
            if (w->property("skinPointFrame").isValid() && w->isVisibleTo(root))
                whole = whole && w->parentWidget()->rect().contains(w->geometry());
        return whole;
    };
    // A small phone: 320 x 568 less the bars.
    s.screen->resize(320, 480);
    const qreal small = 480.0 / 672;
    EXPECT_NEAR(s.screen->currentSkin()->contentScale(), small, 1e-3);
    EXPECT_NEAR(double(view->width()) / view->height(), 390.0 / 672, 0.01);
    EXPECT_TRUE(wholeInside(view));
    keepPicture(s.screen, QStringLiteral("remote-320x480"));
    EXPECT_EQ(s.button("PlayPause")->geometry(), QRect(qRound(157 * small), qRound(428 * small),
                                                       qRound(233 * small) - qRound(157 * small),
                                                       qRound(504 * small) - qRound(428 * small)));
    EXPECT_LT(s.button("PlayPause")->image(ImageButton::Normal).devicePixelRatio(), 2) << "plain images suffice";
    // The pages keep turning a whole page at a time.
    PagingScrollView* pages = s.screen->currentSkin()->mainScrollView();
    EXPECT_EQ(pages->pageCount(), 3);
    // Text is never scaled below a legible size.
    EXPECT_GE(s.label("Status")->fittedPointSize(), 11);

    // A big window: the skin grows, sharp, up to twice its size, centred.
    s.screen->resize(1200, 2000);
    EXPECT_DOUBLE_EQ(s.screen->currentSkin()->contentScale(), 2.0);
    EXPECT_EQ(view->size(), QSize(780, 1344));
    EXPECT_EQ(view->geometry().center().x(), s.screen->displayContainer()->rect().center().x());
    EXPECT_EQ(s.button("PlayPause")->image(ImageButton::Normal).devicePixelRatio(), 2) << "drawn from the @2x twin";
    EXPECT_TRUE(wholeInside(view));

    // Landscape, small: the same holds.
    s.screen->resize(568, 244);
    s.screen->setInterfaceOrientation(OrientationLandscapeRight);
    QWidget* landscape = s.screen->displayView();
    EXPECT_TRUE(wholeInside(landscape));
    EXPECT_NEAR(s.screen->currentSkin()->contentScale(), 568.0 / 760, 1e-3);
    // The smallest window shows the skin at seven tenths of its size.
    EXPECT_EQ(s.screen->minimumViewSize(OrientationPortrait), QSize(273, 471));
    EXPECT_EQ(s.screen->minimumViewSize(OrientationLandscapeLeft), QSize(532, 220));
    s.screen->setInterfaceOrientation(OrientationPortrait);
    delete landscape;
}

TEST(RemoteScreen, ThePlayingItemIsMarkedAndScrolledIntoView)
{
    RemoteScreen s;
    s.appear(false);
    s.feed(longPlaylist(40, 30));
    s.feed(statusReply("playing", 256));
    TableView* table = s.table();
    ASSERT_EQ(s.screen->currentSkin()->currentItem(), 30);
    auto shownPlaying = [&](int row) {
        auto* cell = qobject_cast<SkinRowCell*>(table->cellForRowAtIndexPath(IndexPath(0, row)));
        return cell && cell->isPlaying() && cell->textLabel()->text().startsWith(QStringLiteral("\u25B6"));
    };
    EXPECT_TRUE(waitUntil([&] { return shownPlaying(30); }, 1000)) << "scrolled into view and marked";
    s.feed(longPlaylist(40, 2));
    s.feed(statusReply("playing", 256));
    EXPECT_TRUE(waitUntil([&] { return shownPlaying(2); }, 1000));
    EXPECT_FALSE(table->cellForRowAtIndexPath(IndexPath(0, 30)) && shownPlaying(30));
    // It wears the skin's highlighted row.
    auto* row = qobject_cast<SkinRowCell*>(table->cellForRowAtIndexPath(IndexPath(0, 2)));
    EXPECT_FALSE(row->selectedBackgroundImage().isNull());
}

TEST(RemoteScreen, OneStatusReplyIsShownOnceThroughTheSession)
{
    // The reply is stored, announced once by notification for whoever
    // listens, and the screen shows it once: through the session alone.
    ScopedHome home;
    BundleInstaller::install();
    CapturingAlertPresenter alerts;
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest& request) {
        return request.url().path().endsWith("playlist.xml") ? MemoryNetwork::ok(fixture(QStringLiteral("vlc3-playlist.xml")))
                                                             : MemoryNetwork::ok(statusReply("playing", 256));
    });
    auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &network);
    QWidget window;
    auto* screen = new MainViewController(&window);
    screen->setCurrentRemote(remote);
    window.resize(390, 672);
    screen->resize(390, 672);
    window.show();
    int announced = 0;
    QObject counter;
    NotificationCenter::defaultCenter().addObserver(&counter, NotificationNames::vlcStatusChanged,
                                                    [&](const Notification&) { ++announced; });
    QSignalSpy connection(&screen->session(), &RemoteSession::connectionChanged);
    QSignalSpy volume(&screen->session(), &RemoteSession::volumeChanged);
    screen->beginAppearance(true, false);
    screen->endAppearance();
    screen->session().setActive(false); // the first status, asked for at once, and no poll after it
    const int shownBefore = screen->connectionShownCount();
    ASSERT_TRUE(waitUntil([&] { return remote->state().hasStatus() && network.inFlight() == 0 && !remote->isBusy(); }));
    spinEventLoop(50);
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(connection.count(), 1);
    EXPECT_EQ(volume.count(), 1);
    EXPECT_EQ(screen->connectionShownCount(), shownBefore + 1) << "connecting, then connected: one change, shown once";
    EXPECT_EQ(screen->currentSkin()->statusDescription(), QStringLiteral("Connected to vlc.test:8080"));
    NotificationCenter::defaultCenter().removeObserver(&counter);
}
