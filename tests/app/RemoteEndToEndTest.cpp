// playerlink against a real VLC, through real mouse events on its
// window: the remote screen opened from the command line and from the
// remotes list, its buttons, volume scale and pages, and the password
// prompt.

#include "FakeHttpServer.h"
#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "SkinStageWindow.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "core/PreferenceKeys.h"
#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "models/skin/SkinControl.h"
#include "models/skin/SkinPagesControl.h"
#include "models/skin/SkinScene.h"
#include "models/skin/SkinWheels.h"
#include "vlc/SavedRemoteList.h"

#include <QAccessible>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

#include <csignal>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
// VLC held still (stopped by a signal, as a hung computer is) while this
// lives: its port stays open, nothing answers.
struct HeldVlc {
    explicit HeldVlc(const VlcInstance& vlc)
        : pid(pid_t(vlc.pid()))
    {
        ::kill(pid, SIGSTOP);
    }
    ~HeldVlc() { ::kill(pid, SIGCONT); }
    pid_t pid;
};

class AgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0);
        startVlc();
    }

    static void type(ProgramWindow& w, const QString& field, const QString& text)
    {
        w.click(w.item(field));
        for (QChar c : text)
            QTest::keyClick(w.window, c.toLatin1());
    }

    static void drag(ProgramWindow& w, QPoint from, QPoint by)
    {
        QTest::mousePress(w.window, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 10; ++step) {
            QTest::qWait(20);
            QTest::mouseMove(w.window, from + by * step / 10);
        }
        QTest::mouseRelease(w.window, Qt::LeftButton, {}, from + by);
    }
};
}

TEST_F(AgainstRealVlc, TheRemoteScreenPlaysPausesSetsTheVolumeCountsTheTimeAndTurnsPages)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying() && !session.title().isEmpty(); }, 10000))
        << "VLC said: " << vlc->log().toStdString();
    QQuickItem* page = w.item(QStringLiteral("remotePage"));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->property("title").toString(), session.title());
    // The elapsed time counts on, second by second, while VLC plays.
    QQuickItem* elapsed = w.skinItem(SkinControl::Label, QStringLiteral("TimeElapsed"));
    ASSERT_TRUE(elapsed);
    QStringList shown { elapsed->property("text").toString() };
    waitUntil([&] {
        const QString now = elapsed->property("text").toString();
        if (now != shown.last())
            shown << now;
        return shown.size() == 3;
    }, 4000);
    EXPECT_EQ(shown.size(), 3) << shown.join(u' ').toStdString();

    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    QQuickItem* playPause = w.skinItem(SkinControl::Button, QStringLiteral("PlayPause"));
    ASSERT_TRUE(playPause);
    w.click(playPause);
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().playback() == PlaybackState::Paused; }));
    EXPECT_TRUE(waitUntil([&] { return !w.keys.remote()->isPlaying(); }, 3000));
    w.click(playPause);
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().isPlaying(); }));

    // The volume scale moves with the finger: leftwards is louder.
    QQuickItem* volume = w.skinItem(SkinControl::ZoomSlider, QStringLiteral("VolumeSlider"));
    ASSERT_TRUE(volume);
    ASSERT_TRUE(vlcSays.refreshStatus());
    const int before = vlcSays->state().volume();
    drag(w, w.centreOf(volume), QPoint(-60, 0));
    // The drag ends in a flick: the scale glides on, and where it comes to
    // rest is what VLC is given last.
    ASSERT_TRUE(waitUntil([&] { return !volume->property("moving").toBool(); }, 3000));
    const int chosen = int(volume->property("value").toDouble());
    EXPECT_GT(chosen, before);
    EXPECT_TRUE(vlcSays.waitFor([&] { return std::abs(vlcSays->state().volume() - chosen) <= 1; }))
        << "VLC's volume " << vlcSays->state().volume() << ", chosen " << chosen;

    // A swipe over the pages shows the next.
    SkinPagesControl* pages = w.keys.remote()->mainScrollView();
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->currentPage(), 0);
    QQuickItem* pagesItem = ProgramWindow::find(w.window->contentItem(), [pages](QQuickItem* item) {
        return item->property("control").value<SkinControl*>() == pages;
    });
    ASSERT_TRUE(pagesItem);
    drag(w, w.centreOf(pagesItem) + QPoint(100, 0), QPoint(-200, 0));
    EXPECT_TRUE(waitUntil([&] { return pages->currentPage() == 1; }, 3000));

    // VLC stops answering: the transport, the times and the scales stand
    // dimmed, the state last known still in view, until VLC answers again.
    ASSERT_EQ(w.keys.remote()->liveness(), SkinScene::Live);
    QQuickItem* position = w.skinItem(SkinControl::ZoomSlider, QStringLiteral("PositionSlider"));
    QQuickItem* status = w.skinItem(SkinControl::Label, QStringLiteral("Status"));
    ASSERT_TRUE(position && status);
    ASSERT_TRUE(playPause->isEnabled() && elapsed->opacity() == 1);
    {
        const HeldVlc held(*vlc);
        EXPECT_TRUE(waitUntil([&] { return w.keys.remote()->liveness() == SkinScene::Stale; }, 15000));
        EXPECT_EQ(status->property("text").toString(), QStringLiteral("Lost connection to ") + vlc->hostAddress());
        for (const char* id : { "PlayPause", "Stop", "Next", "SkipForward", "VolumeLess" }) {
            QQuickItem* button = w.skinItem(SkinControl::Button, QString::fromLatin1(id));
            ASSERT_TRUE(button) << id;
            EXPECT_FALSE(button->isEnabled()) << id;
        }
        EXPECT_TRUE(elapsed->isVisible());
        EXPECT_LT(elapsed->opacity(), 1) << "the time is dimmed";
        EXPECT_TRUE(position->isVisible());
        EXPECT_FALSE(position->isEnabled());
    }
    EXPECT_TRUE(waitUntil([&] { return w.keys.remote()->liveness() == SkinScene::Live; }, 10000));
    EXPECT_TRUE(playPause->isEnabled());
    EXPECT_EQ(elapsed->opacity(), 1);
    EXPECT_TRUE(position->isEnabled());
}

TEST_F(AgainstRealVlc, AMinimisedWindowStopsAskingVlcUntilItShowsAgain)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying() && session.pollsRunning(); }, 10000))
        << "VLC said: " << vlc->log().toStdString();
    w.window->showMinimized();
    EXPECT_TRUE(waitUntil([&] { return !session.pollsRunning(); }, 3000));
    w.window->showNormal();
    EXPECT_TRUE(waitUntil([&] { return session.pollsRunning(); }, 3000));
}

TEST_F(AgainstRealVlc, TheItemThatPlaysIsInViewAsTheRemoteScreenOpens)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    // More items than the skin's table shows, the last one playing.
    VlcInstance::Options options;
    options.media = media().files() + media().files();
    vlc = std::make_unique<VlcInstance>(options);
    ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    ASSERT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().playlist().size() == int(options.media.size()); }));
    const int lastRow = int(options.media.size()) - 1;
    const int last = vlcSays->state().idForIndex(lastRow);
    ASSERT_TRUE(vlcSays.switchCommand([last](VLCController& c) { c.playFromStart(last); }));
    ASSERT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().idForIndex(PlayerState::currentItem) == last; }));

    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    ASSERT_TRUE(waitUntil([&] { return w.remotes.session().playlist()->currentRow() == lastRow; }, 10000));
    // Opened again, with the item that plays already known.
    QMetaObject::invokeMethod(w.window, "goBack");
    ASSERT_TRUE(waitUntil([&] { return w.depth() == 1; }));
    QMetaObject::invokeMethod(w.window, "showRemote");
    ASSERT_TRUE(waitUntil([&] { return w.depth() == 2 && w.keys.remote(); }));
    QQuickItem* table = w.skinItem(SkinControl::Table, QString());
    ASSERT_TRUE(table);
    const auto rowAt = [table](qreal y) {
        int row = -1;
        QMetaObject::invokeMethod(table, "indexAt", Q_RETURN_ARG(int, row), Q_ARG(qreal, 10),
                                  Q_ARG(qreal, table->property("contentY").toReal() + y));
        return row;
    };
    EXPECT_TRUE(waitUntil([&] { return rowAt(table->height() - 4) == lastRow; }, 3000))
        << "the table shows row " << rowAt(table->height() - 4) << " at its foot";
}

TEST_F(AgainstRealVlc, SpaceOnAButtonReachedByTabPressesItInsteadOfPausing)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying(); }, 10000)) << "VLC said: " << vlc->log().toStdString();
    QQuickItem* playlist = w.item(QStringLiteral("openPlaylist"));
    ASSERT_TRUE(playlist);
    // Past the bar and every control of the skin.
    for (int tab = 0; tab < 40 && !playlist->hasActiveFocus(); ++tab)
        QTest::keyClick(w.window, Qt::Key_Tab);
    ASSERT_TRUE(playlist->hasActiveFocus()) << "Tab does not reach the bar's buttons";
    QTest::keyClick(w.window, Qt::Key_Space);
    EXPECT_TRUE(waitUntil([&] { return w.item(QStringLiteral("playlistPage")); }));
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    ASSERT_TRUE(vlcSays.refreshStatus());
    EXPECT_TRUE(vlcSays->state().isPlaying());
    QMetaObject::invokeMethod(w.window, "goBack");
    EXPECT_TRUE(waitUntil([&] { return w.depth() == 1; }));
}

// A saved remote whose VLC asks for a password is asked for it on the list,
// as the list does: Cancel stays there, a wrong one is asked for
// again, and the right one opens the remote screen once VLC lets it in.
TEST_F(AgainstRealVlc, ASavedRemoteTakesItsPasswordOnTheListAndOpensOnceLetIn)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        remotes.saved().setRecords({ RemoteRecord::forAddress(vlc->hostAddress()) });
    });
    ASSERT_EQ(w.depth(), 1);
    // The list probes: VLC asks for a password that the saved remote lacks.
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-password-needed")); }, 10000));
    QQuickItem* row = w.item(QStringLiteral("remote-") + vlc->hostAddress());
    ASSERT_TRUE(row);
    EXPECT_GE(row->height(), 48);
    auto prompted = [&] {
        QQuickItem* field = w.item(QStringLiteral("noticeField"));
        return field && field->isVisible() && w.noticeButton(2);
    };
    w.click(row);
    ASSERT_TRUE(waitUntil(prompted));
    EXPECT_EQ(w.alerts.title(), QStringLiteral("Password for ") + vlc->hostAddress());
    EXPECT_TRUE(w.alerts.message().contains(u"asks for the password")) << w.alerts.message().toStdString();
    EXPECT_EQ(w.alerts.buttons(), QStringList({ "Cancel", "Help", "Ok" }));
    QQuickItem* field = w.item(QStringLiteral("noticeField"));
    const QMetaProperty echo = field->metaObject()->property(field->metaObject()->indexOfProperty("echoMode"));
    EXPECT_EQ(echo.read(field).toInt(), echo.enumerator().keyToValue("Password")) << "masked";
    QAccessibleInterface* typed = QAccessible::queryAccessibleInterface(field);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->role(), QAccessible::EditableText);
    EXPECT_EQ(typed->text(QAccessible::Name), u"Password");
    w.click(w.noticeButton(0));
    ASSERT_TRUE(waitUntil([&] { return !w.alerts.isShowing(); }));
    QTest::qWait(500);
    EXPECT_EQ(w.depth(), 1) << "Cancel stays on the list";

    auto answer = [&](const QString& password) {
        w.click(w.item(QStringLiteral("noticeField")));
        for (QChar c : password)
            QTest::keyClick(w.window, c.toLatin1());
        w.click(w.noticeButton(2));
    };
    w.click(row);
    ASSERT_TRUE(waitUntil(prompted));
    answer(QStringLiteral("not it"));
    ASSERT_TRUE(waitUntil([&] { return prompted() && w.alerts.message().contains(u"did not accept"); }, 8000))
        << w.alerts.message().toStdString();
    EXPECT_EQ(w.depth(), 1);
    answer(vlc->password());
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] {
        return w.depth() == 2 && session.connection() == RemoteSession::Connection::Connected && session.isPlaying();
    }, 10000));
    EXPECT_FALSE(w.alerts.isShowing()) << w.alerts.message().toStdString();
    EXPECT_EQ(w.remotes.saved().recordAt(0).password, vlc->password());
}

// The remote screen asks for a password VLC refuses while it shows.
TEST_F(AgainstRealVlc, TheRemoteScreenAsksForAPasswordRefusedWhileItShows)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), QStringLiteral("not it")); });
    ASSERT_TRUE(waitUntil([&] {
        QQuickItem* field = w.item(QStringLiteral("passwordField"));
        return field && field->isVisible();
    }, 8000));
    // Nothing is known of the player: nothing claims a state or invites a
    // press, and the title says what is wrong.
    for (const char* id : { "PlayPause", "Shuffle", "Loop", "Repeat", "VolumeMore" }) {
        QQuickItem* button = w.skinItem(SkinControl::Button, QString::fromLatin1(id));
        ASSERT_TRUE(button) << id;
        EXPECT_FALSE(button->isEnabled()) << id;
    }
    for (const char* id : { "Shuffle", "Loop", "Repeat" })
        EXPECT_TRUE(w.skinItem(SkinControl::Button, QString::fromLatin1(id))->property("control").value<SkinControl*>()->isHighlighted())
            << id << " shows its off image";
    EXPECT_FALSE(w.skinItem(SkinControl::Label, QStringLiteral("TimeElapsed"))->isVisible());
    EXPECT_EQ(w.item(QStringLiteral("barTitle"))->property("text").toString(), vlc->hostAddress());
    EXPECT_EQ(w.item(QStringLiteral("barNote"))->property("text").toString(), u"Wrong password");
    w.click(w.item(QStringLiteral("passwordField")));
    for (QChar c : vlc->password())
        QTest::keyClick(w.window, c.toLatin1());
    w.click(w.item(QStringLiteral("passwordConnect")));
    RemoteSession& session = w.remotes.session();
    EXPECT_TRUE(waitUntil([&] {
        return session.connection() == RemoteSession::Connection::Connected && session.isPlaying();
    }, 10000));
    EXPECT_TRUE(waitUntil([&] { return w.skinItem(SkinControl::Button, QStringLiteral("PlayPause"))->isEnabled(); }));
}

TEST_F(AgainstRealVlc, ThePositionScaleSeeksAndNextAndPreviousMoveTheItemThatPlays)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    RemoteSession& session = w.remotes.session();
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    QQuickItem* nowPlaying = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (nowPlaying = w.skinItem(SkinControl::Label, QStringLiteral("NowPlaying"))); }));
    const auto playing = [&](const char* title) {
        return waitUntil([&] { return session.isPlaying() && nowPlaying->property("text").toString() == QString::fromUtf8(title); }, 8000);
    };
    const auto vlcOnItem = [&](int index) {
        return vlcSays.waitFor([&] { return vlcSays->state().currentIndex().value_or(PlayerState::noCurrentItem) == index; });
    };
    ASSERT_TRUE(playing("alpha.wav") && session.playlist()->count() == 4) << "VLC said: " << vlc->log().toStdString();

    // Previous is enabled only while VLC plays: each waits for the screen
    // to show the item playing.
    w.click(w.skinItem(SkinControl::Button, QStringLiteral("Next")));
    EXPECT_TRUE(vlcOnItem(1));
    ASSERT_TRUE(playing("Bob's Café Song.wav"));
    w.click(w.skinItem(SkinControl::Button, QStringLiteral("Previous")));
    EXPECT_TRUE(vlcOnItem(0));
    ASSERT_TRUE(playing("alpha.wav"));

    // Paused, so that the time holds still: the scale moved by a finger
    // (leftwards is later) seeks to where it comes to rest.
    w.click(w.skinItem(SkinControl::Button, QStringLiteral("PlayPause")));
    ASSERT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().playback() == PlaybackState::Paused; }));
    QQuickItem* position = w.skinItem(SkinControl::ZoomSlider, QStringLiteral("PositionSlider"));
    ASSERT_TRUE(position);
    ASSERT_TRUE(waitUntil([&] { return position->property("maximumValue").toDouble() == 30; }));
    const double before = position->property("value").toDouble();
    drag(w, w.centreOf(position), QPoint(-position->width() / 4, 0));
    ASSERT_TRUE(waitUntil([&] { return !position->property("moving").toBool(); }, 3000));
    const int chosen = int(position->property("value").toDouble());
    EXPECT_GT(chosen, before + 3);
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().smoothedTimeElapsedSeconds() == chosen; }))
        << "VLC at " << vlcSays->state().smoothedTimeElapsedSeconds() << " s, chosen " << chosen;
    QQuickItem* elapsed = w.skinItem(SkinControl::Label, QStringLiteral("TimeElapsed"));
    EXPECT_TRUE(waitUntil([&] { return elapsed->property("text").toString() == QStringLiteral("00:%1").arg(chosen, 2, 10, QChar(u'0')); }))
        << elapsed->property("text").toString().toStdString();
}

// VLC has art for an item once it plays it: the art view shows the
// placeholder for an item without, and the cover of the one with, in
// either orientation.
TEST_F(AgainstRealVlc, TheArtViewShowsTheCoverOfTheItemThatPlaysOrThePlaceholder)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SampleMedia::makeReadableByAll(folder.path());
    VlcInstance::Options options;
    options.media = { folder.filePath(QStringLiteral("plain.wav")), folder.filePath(QStringLiteral("covered.mp3")) };
    ASSERT_TRUE(SampleMedia::writeWav(options.media[0], 30, 330));
    ASSERT_TRUE(SampleMedia::writeCoveredMp3(options.media[1], QStringLiteral("C02020")));
    for (const QString& file : options.media)
        SampleMedia::makeReadableByAll(file);
    vlc = std::make_unique<VlcInstance>(options);
    ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();

    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying() && session.playlist()->count() == 2 && w.keys.remote(); }, 10000));
    const auto picture = [&] {
        return ProgramWindow::find(w.skinItem(SkinControl::Art, QStringLiteral("AlbumArt")),
                                 [](QQuickItem* item) { return item->inherits("SkinArtItem"); });
    };
    ASSERT_TRUE(picture());
    QTest::qWait(1500); // a few polls: VLC has no art for this item
    EXPECT_FALSE(picture()->property("hasPicture").toBool());

    session.next();
    ASSERT_TRUE(waitUntil([&] { return picture()->property("hasPicture").toBool(); }, 8000))
        << "VLC extracts the cover once the item plays";
    const auto middle = [&] {
        const QImage shown = w.window->grabWindow();
        return shown.pixelColor((QPointF(w.centreOf(picture())) * shown.devicePixelRatio()).toPoint());
    };
    const auto coverRed = [](const QColor& c) {
        return std::abs(c.red() - 0xc0) < 24 && std::abs(c.green() - 0x20) < 24 && std::abs(c.blue() - 0x20) < 24;
    };
    EXPECT_TRUE(coverRed(middle())) << qPrintable(middle().name());
    w.window->resize(760, 360);
    ASSERT_TRUE(waitUntil([&] { return w.keys.remote()->orientation() == u"Landscape" && picture() != nullptr; }));
    EXPECT_TRUE(picture()->property("hasPicture").toBool());
    EXPECT_TRUE(waitUntil([&] { return coverRed(middle()); })) << qPrintable(middle().name());
}

// A server that answers, but never with a status (a web server of its own
// on VLC's port, which real VLC cannot be made to be), is not shown as
// connected: the controls stand dimmed and the screen says why.
TEST(Remote, AServerThatKeepsAnsweringWithoutAStatusIsNotShownAsConnected)
{
    ScopedHome home;
    FakeHttpServer server;
    bool usable = true;
    server.setHandler([&](const FakeHttpServer::Request& request) {
        if (!usable)
            return FakeHttpServer::ok("<html><body>It works!</body></html>", "text/html");
        return FakeHttpServer::ok(fixture(request.target.startsWith("/requests/playlist.xml")
                                              ? QStringLiteral("vlc3-playlist.xml")
                                              : QStringLiteral("vlc3-status-playing.xml")));
    });
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(server.hostAddress(), QStringLiteral("pw")); });
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.connection() == RemoteSession::Connection::Connected && w.keys.remote(); }, 8000));
    QQuickItem* playPause = w.skinItem(SkinControl::Button, QStringLiteral("PlayPause"));
    ASSERT_TRUE(playPause);
    ASSERT_TRUE(waitUntil([&] { return playPause->isEnabled(); }));
    usable = false;
    ASSERT_TRUE(waitUntil([&] { return session.connection() == RemoteSession::Connection::UnusableReplies; }, 8000));
    EXPECT_FALSE(playPause->isEnabled());
    EXPECT_EQ(w.skinItem(SkinControl::Label, QStringLiteral("Status"))->property("text").toString(),
              QStringLiteral("No usable answer from ") + server.hostAddress());
    EXPECT_EQ(w.item(QStringLiteral("barNote"))->property("text").toString(), u"No usable answer");
}

TEST_F(AgainstRealVlc, TheTitleAsksAgainForAPasswordThatWasDeclined)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), QStringLiteral("wrong")); });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("passwordCancel")); }, 10000));
    w.click(w.item(QStringLiteral("passwordCancel")));
    ASSERT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("passwordField")); }));
    w.click(w.item(QStringLiteral("barTitle")));
    EXPECT_TRUE(waitUntil([&] { return w.item(QStringLiteral("passwordField")); }, 3000));
}

TEST_F(AgainstRealVlc, WhatsNewShowsOnceTheRemoteScreenHasWorked)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        UserDefaults::standard().removeObject(PreferenceKeys::haveSetupSuccesfully);
        UserDefaults::standard().removeObject(PreferenceKeys::usersWhatsNewVersion);
        RemoteRecord record = RemoteRecord::forAddress(vlc->hostAddress());
        record.password = vlc->password();
        remotes.saved().setRecords({ record });
    });
    const auto openRemote = [&] {
        w.click(w.item(QStringLiteral("remote-") + vlc->hostAddress()));
        return waitUntil([&] { return w.depth() >= 2 && !w.stack->property("busy").toBool(); })
            && waitUntil([&] { return w.remotes.session().isActive() || w.item(QStringLiteral("webPage")); });
    };
    const auto backToList = [&] {
        while (w.depth() > 1 && !HasFailure()) {
            QTest::keyClick(w.window, Qt::Key_Escape);
            EXPECT_TRUE(waitUntil([&] { return !w.stack->property("busy").toBool(); }));
        }
    };
    // Only a remote known to answer opens its screen.
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-answers")); }, 8000));
    // The first time the setup has yet to work; the next time the page
    // comes over the remote screen, and never again.
    for (const bool whatsNew : { false, true, false }) {
        ASSERT_TRUE(openRemote());
        QTest::qWait(300);
        EXPECT_EQ(w.item(QStringLiteral("webPage")) != nullptr, whatsNew);
        EXPECT_EQ(w.depth(), whatsNew ? 3 : 2);
        backToList();
    }
}

TEST_F(AgainstRealVlc, AComputerAddedWithItsPasswordIsSavedAndAnswers)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false);
    // The smallest phone: the bar's buttons stand whole beside the title.
    w.window->resize(320, 568);
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("addComputer")); }));
    QQuickItem* add = w.item(QStringLiteral("addComputer"));
    EXPECT_GE(add->height(), 48);
    auto openForm = [&] {
        w.click(w.item(QStringLiteral("addComputer")));
        // Touched where it stands once it has slid in.
        return waitUntil([&] { return w.depth() == 2 && !w.stack->property("busy").toBool(); });
    };
    ASSERT_TRUE(openForm());
    // Cancel and Save in the bar, in place of the back button.
    EXPECT_FALSE(w.item(QStringLiteral("backButton")));
    for (const QString& name : { QStringLiteral("cancelButton"), QStringLiteral("saveButton") }) {
        QQuickItem* button = w.item(name);
        ASSERT_TRUE(button) << qPrintable(name);
        const QRectF place = button->mapRectToScene(QRectF(0, 0, button->width(), button->height()));
        EXPECT_TRUE(QRectF(0, 0, 320, 568).contains(place)) << qPrintable(name);
        EXPECT_GE(place.height(), 48);
    }
    // Cancel leaves without saving.
    type(w, QStringLiteral("nameField"), QStringLiteral("Attic"));
    w.click(w.item(QStringLiteral("cancelButton")));
    ASSERT_TRUE(waitUntil([&] { return w.depth() == 1 && !w.stack->property("busy").toBool(); }));
    EXPECT_EQ(w.remotes.saved().size(), 0u);

    // Without a name nothing is saved, and an alert says why.
    ASSERT_TRUE(openForm());
    type(w, QStringLiteral("addressField"), vlc->hostAddress());
    w.click(w.item(QStringLiteral("saveButton")));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeOk")) != nullptr; }));
    EXPECT_EQ(w.alerts.title(), u"Details...");
    EXPECT_EQ(w.alerts.message(), u"Please enter a name as well as an address for the new remote.");
    w.click(w.item(QStringLiteral("noticeOk")));
    ASSERT_TRUE(waitUntil([&] { return !w.alerts.isShowing() && !w.item(QStringLiteral("noticeOk")); }));
    EXPECT_EQ(w.depth(), 2);

    // Save is reached from the fields by the keyboard alone.
    type(w, QStringLiteral("nameField"), QStringLiteral("Study"));
    type(w, QStringLiteral("configPasswordField"), vlc->password());
    QQuickItem* save = w.item(QStringLiteral("saveButton"));
    for (int tabs = 0; tabs < 20 && !save->hasActiveFocus(); ++tabs)
        QTest::keyClick(w.window, Qt::Key_Tab);
    ASSERT_TRUE(save->hasActiveFocus());
    QTest::keyClick(w.window, Qt::Key_Space);
    ASSERT_TRUE(waitUntil([&] { return w.depth() == 1; }));
    ASSERT_EQ(w.remotes.saved().size(), 1u);
    EXPECT_EQ(w.remotes.saved().recordAt(0).nickname, u"Study");
    EXPECT_EQ(w.remotes.saved().recordAt(0).hostAddress, vlc->hostAddress());
    EXPECT_EQ(w.remotes.saved().recordAt(0).password, vlc->password());
    // Listed with the saved computers, where its password lets it in.
    EXPECT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-answers")); }, 8000));
}

// A notch of the mouse wheel over the minutes turns the wheel a row and
// seeks there at once; the player's next update leaves it there.
TEST(RemoteWheels, ANotchOfTheMouseWheelOverTheMinutesSeeksAMinute)
{
    SkinStageWindow stage(QSize(390, 672));
    SkinScene& scene = stage.scene();
    scene.setLiveness(SkinScene::Live);
    scene.setLength(600);
    scene.setElapsed(125); // minute 2
    scene.mainScrollView()->setCurrentPage(1);
    QSignalSpy seeks(&scene, &SkinScene::seekRequested);
    QQuickItem* picker = stage.itemFor(stage.control(SkinControl::Picker));
    ASSERT_TRUE(picker);
    QQuickItem* minutes = SkinStageWindow::findItem(picker, [](QQuickItem* item) {
        return item->inherits("QQuickTumbler") && item->property("wheel").toInt() == SkinWheels::Minutes;
    });
    ASSERT_TRUE(minutes);
    QTest::qWait(400); // the page slides into view
    const QPointF at = stage.centreOf(minutes);
    QWheelEvent notch(at, stage.view().mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&stage.view(), &notch);
    ASSERT_TRUE(waitUntil([&] { return seeks.count() == 1; }, 2000));
    EXPECT_EQ(seeks[0][0].toInt(), 185);
    scene.setElapsed(186);
    QTest::qWait(300);
    EXPECT_EQ(minutes->property("currentIndex").toInt(), 3);
}
