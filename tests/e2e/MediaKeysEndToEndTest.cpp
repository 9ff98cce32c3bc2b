#include "app/PlayerLinkAppDelegate.h"
#include "app/RemoteScreenMediaKeys.h"
#include "desktop/MprisService.h"
#include "ui/AlertView.h"
#include "LaunchedApp.h"
#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "TestSupport.h"

#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

// What a desktop widget hears of the player.
class PropertiesRecorder : public QObject {
    Q_OBJECT
public:
    QList<double> volumes;

public slots:
    void changed(const QDBusMessage& message)
    {
        const QVariantMap values = qdbus_cast<QVariantMap>(message.arguments().value(1));
        if (values.contains(QStringLiteral("Volume")))
            volumes << values.value(QStringLiteral("Volume")).toDouble();
    }
};

namespace {
// PlayerLink's remote screen open on a real VLC, on the session bus that
// dbus-run-session gave this test; playerctl plays the desktop's part.
class MediaKeysOnRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: run under dbus-run-session";
        startVlc();
        if (IsSkipped() || HasFatalFailure())
            return;
        home = std::make_unique<ScopedHome>();
        observer = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(observer->probe());
        ASSERT_TRUE(observer->waitFor([&] { return (*observer)->isPlaying(); }));
        app = std::make_unique<LaunchedApp>();
        app->app->connectTo(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(waitUntil([&] {
            return service().isPublished() && service().state().playbackStatus == u"Playing";
        }, 10000));
        // The password given with the address was used from the first
        // request on: nothing asks for it.
        EXPECT_TRUE(AlertView::visibleAlerts().empty());
    }

    void TearDown() override
    {
        app.reset();
        observer.reset();
        home.reset();
        RealVlcTest::TearDown();
    }

    MprisService& service() { return app->app->mediaKeys()->service(); }

    // playerctl talks to this very process, so the event loop must run
    // while it waits for the answer.
    QString playerctl(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral("playerctl"), QStringList { QStringLiteral("--player=playerlink") } + arguments);
        EXPECT_TRUE(waitUntil([&] { return process.state() == QProcess::NotRunning; }, 10000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    std::unique_ptr<ScopedHome> home;
    std::unique_ptr<LiveRemote> observer;
    std::unique_ptr<LaunchedApp> app;
};
}

TEST_F(MediaKeysOnRealVlc, PlayPauseTogglesVlcAndStatusFollows)
{
    EXPECT_EQ(playerctl({ QStringLiteral("status") }), QStringLiteral("Playing"));
    playerctl({ QStringLiteral("play-pause") });
    EXPECT_TRUE(observer->waitFor([&] { return (*observer)->playback() == PlaybackState::Paused; }));
    EXPECT_TRUE(waitUntil([&] { return service().state().playbackStatus == u"Paused"; }, 5000));
    EXPECT_EQ(playerctl({ QStringLiteral("status") }), QStringLiteral("Paused"));
    playerctl({ QStringLiteral("play") });
    EXPECT_TRUE(observer->waitFor([&] { return (*observer)->isPlaying(); }));
}

TEST_F(MediaKeysOnRealVlc, VolumeIsAFractionOfTheRemotesPercentAndAnnouncedOnlyOnChange)
{
    // A connection of its own, as a desktop widget would have.
    QDBusConnection watcher = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("watcher"));
    PropertiesRecorder recorder;
    ASSERT_TRUE(watcher.connect(QString(), QString::fromLatin1(MprisService::objectPath),
                                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
                                &recorder, SLOT(changed(QDBusMessage))));

    playerctl({ QStringLiteral("volume"), QStringLiteral("0.5") });
    EXPECT_TRUE(observer->waitFor([&] { return (*observer)->volume() == 50; }));
    EXPECT_TRUE(waitUntil([&] { return !recorder.volumes.isEmpty() && recorder.volumes.last() == 0.5; }, 5000));
    EXPECT_EQ(playerctl({ QStringLiteral("volume") }).toDouble(), 0.5);
    // Polls go on; a value that stays put is not announced again.
    spinEventLoop(2500);
    for (qsizetype i = 1; i < recorder.volumes.size(); ++i)
        EXPECT_NE(recorder.volumes[i], recorder.volumes[i - 1]);
    watcher.disconnectFromBus(QStringLiteral("watcher"));
}

TEST_F(MediaKeysOnRealVlc, MetadataShowsWhatVlcPlays)
{
    ASSERT_TRUE(observer->refresh());
    const QString title = (*observer)->statusTitle();
    ASSERT_FALSE(title.isEmpty());
    EXPECT_TRUE(waitUntil([&] { return service().state().title == title; }, 5000));
    const QString metadata = playerctl({ QStringLiteral("metadata") });
    EXPECT_TRUE(metadata.contains(title)) << metadata.toStdString();
    EXPECT_TRUE(metadata.contains(QStringLiteral("mpris:length"))) << metadata.toStdString();
    // playerctl quotes object paths.
    EXPECT_EQ(playerctl({ QStringLiteral("metadata"), QStringLiteral("mpris:trackid") }).remove(u'\''),
              service().state().trackId());
}

TEST_F(MediaKeysOnRealVlc, LeavingTheRemoteScreenWithdrawsThePlayer)
{
    app->navigation()->popToRootViewControllerAnimated(false);
    EXPECT_FALSE(service().isPublished());
    QProcess process;
    process.start(QStringLiteral("playerctl"), { QStringLiteral("--list-all") });
    ASSERT_TRUE(waitUntil([&] { return process.state() == QProcess::NotRunning; }, 10000));
    EXPECT_FALSE(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("playerlink")));
}

#include "MediaKeysEndToEndTest.moc"
