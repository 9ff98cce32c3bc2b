// playerlink on a desktop session bus of its own (dbus-run-session)
// with a real VLC: playerctl, as the desktop's media keys and widgets, drives
// the remote screen's remote while a remote screen is on the stack, and a
// screen locked through the screen saver's signal pauses the polling.

#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "platform/MprisService.h"
#include "models/RemoteSession.h"
#include "models/SessionLock.h"
#include "app/DesktopServices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

#include <memory>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
class DesktopOnRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: run under dbus-run-session";
        startVlc();
        if (IsSkipped() || HasFatalFailure())
            return;
        observer = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(observer->probe());
        ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying(); }));
        window = std::make_unique<ProgramWindow>(
            true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
        desktop = std::make_unique<DesktopServices>(window->window, window->remotes);
        ASSERT_TRUE(waitUntil([&] { return service().isPublished() && service().state().playbackStatus == u"Playing"; },
                              10000));
    }

    void TearDown() override
    {
        desktop.reset();
        window.reset();
        observer.reset();
        RealVlcTest::TearDown();
    }

    MprisService& service() { return desktop->mediaKeys().service(); }

    // playerctl talks to this very process: the event loop runs meanwhile.
    QString playerctl(const QStringList& arguments, bool all = false)
    {
        QProcess process;
        process.start(QStringLiteral("playerctl"),
                      (all ? QStringList() : QStringList { QStringLiteral("--player=playerlink") }) + arguments);
        EXPECT_TRUE(waitUntil([&] { return process.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    bool vlcSays(const std::function<bool(const PlayerState&)>& pred)
    {
        return observer->waitFor([&] { return pred((*observer)->state()); });
    }

    std::unique_ptr<LiveRemote> observer;
    std::unique_ptr<ProgramWindow> window;
    std::unique_ptr<DesktopServices> desktop;
};
}

TEST_F(DesktopOnRealVlc, MediaKeysDriveTheRemoteWhileARemoteScreenIsOnTheStack)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    EXPECT_EQ(playerctl({ QStringLiteral("status") }), QStringLiteral("Playing"));
    playerctl({ QStringLiteral("play-pause") });
    EXPECT_TRUE(vlcSays([](const PlayerState& s) { return s.playback() == PlaybackState::Paused; }));
    EXPECT_TRUE(waitUntil([&] { return playerctl({ QStringLiteral("status") }) == u"Paused"; }, 5000));
    playerctl({ QStringLiteral("play") });
    EXPECT_TRUE(vlcSays([](const PlayerState& s) { return s.isPlaying(); }));

    playerctl({ QStringLiteral("volume"), QStringLiteral("0.5") });
    EXPECT_TRUE(vlcSays([](const PlayerState& s) { return s.volume() == 50; }));
    playerctl({ QStringLiteral("position"), QStringLiteral("20") });
    EXPECT_TRUE(vlcSays([](const PlayerState& s) { return s.smoothedTimeElapsedSeconds() >= 19; }));

    ASSERT_TRUE(observer->refresh());
    const int first = (*observer)->state().idForIndex(PlayerState::currentItem);
    playerctl({ QStringLiteral("next") });
    EXPECT_TRUE(vlcSays([&](const PlayerState& s) { return s.idForIndex(PlayerState::currentItem) != first; }));
    spinEventLoop(500); // VLC 3.0 is still switching for a moment
    playerctl({ QStringLiteral("previous") });
    EXPECT_TRUE(vlcSays([&](const PlayerState& s) { return s.idForIndex(PlayerState::currentItem) == first; }));
    spinEventLoop(500);

    // The desktop sets the rate as a property, held within VLC's range.
    QDBusMessage setRate = QDBusMessage::createMethodCall(
        QString::fromLatin1(MprisService::serviceName), QString::fromLatin1(MprisService::objectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    setRate << QStringLiteral("org.mpris.MediaPlayer2.Player") << QStringLiteral("Rate")
            << QVariant::fromValue(QDBusVariant(2.0));
    QDBusConnection desktopBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
    const QDBusPendingCall pending = desktopBus.asyncCall(setRate);
    EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }, 5000));
    EXPECT_TRUE(vlcSays([](const PlayerState& s) { return qAbs(s.rate().value_or(-1) - 2.0) < 0.01; }));
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));

    playerctl({ QStringLiteral("stop") });
    EXPECT_TRUE(vlcSays([](const PlayerState& s) { return s.isStopped(); }));

    // Back on the remotes list, the player is gone from the bus.
    QMetaObject::invokeMethod(window->window, "goBack");
    ASSERT_TRUE(waitUntil([&] { return window->depth() == 1 && !service().isPublished(); }, 5000));
    EXPECT_FALSE(playerctl({ QStringLiteral("--list-all") }, true).contains(QStringLiteral("playerlink")));
    QMetaObject::invokeMethod(window->window, "showRemote");
    EXPECT_TRUE(waitUntil([&] { return service().isPublished(); }, 5000));
}

TEST_F(DesktopOnRealVlc, OpenUriPlaysAFileOfVlcsComputerAndItsCoverBecomesTheArtFile)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SampleMedia::makeReadableByAll(folder.path());
    const QString covered = folder.filePath(QStringLiteral("covered.mp3"));
    ASSERT_TRUE(SampleMedia::writeCoveredMp3(covered, QStringLiteral("2040C0")));
    SampleMedia::makeReadableByAll(covered);
    EXPECT_FALSE(playerctl({ QStringLiteral("metadata") }).contains(QStringLiteral("mpris:artUrl")));

    playerctl({ QStringLiteral("open"), QUrl::fromLocalFile(covered).toString() });
    ASSERT_TRUE(waitUntil([&] { return service().state().title == u"Covered Song"; }, 10000));
    EXPECT_EQ(playerctl({ QStringLiteral("metadata"), QStringLiteral("title") }), QStringLiteral("Covered Song"));
    ASSERT_TRUE(waitUntil([&] { return !service().state().artUrl.isEmpty(); }, 10000))
        << "VLC extracts the cover once the item plays";
    const QString artUrl = playerctl({ QStringLiteral("metadata"), QStringLiteral("mpris:artUrl") });
    const QImage art(QUrl(artUrl).toLocalFile());
    ASSERT_FALSE(art.isNull()) << artUrl.toStdString();
    EXPECT_NEAR(art.pixelColor(200, 200).blue(), 0xC0, 24) << "the cover's own blue";
    EXPECT_EQ(int(QFile::permissions(QUrl(artUrl).toLocalFile()) & 0x0077), 0) << "the user's own";
}

TEST_F(DesktopOnRealVlc, ALockedScreenPausesPollingUntilItIsUnlocked)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    RemoteSession& session = window->remotes.session();
    ASSERT_TRUE(session.pollsRunning());
    // What the desktop's screen saver says, from a connection of its own.
    QDBusConnection saver = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("saver"));
    auto announce = [&](bool locked) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/ScreenSaver"),
                                                         QStringLiteral("org.freedesktop.ScreenSaver"),
                                                         QStringLiteral("ActiveChanged"));
        signal << locked;
        saver.send(signal);
    };
    announce(true);
    EXPECT_TRUE(waitUntil([&] { return !session.pollsRunning(); }, 5000));
    EXPECT_TRUE(SessionLock::instance().isLocked());
    announce(false);
    EXPECT_TRUE(waitUntil([&] { return session.pollsRunning(); }, 5000));
    QDBusConnection::disconnectFromBus(QStringLiteral("saver"));
}
