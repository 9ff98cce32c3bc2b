#include "app/PlayerLinkAppDelegate.h"
#include "app/RemoteScreenMediaKeys.h"
#include "desktop/MprisService.h"
#include "LaunchedApp.h"
#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "TestSupport.h"

#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

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
        ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying(); }));
        app = std::make_unique<LaunchedApp>();
        app->app->connectTo(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(waitUntil([&] {
            return service().isPublished() && service().state().playbackStatus == u"Playing";
        }, 10000));
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
    EXPECT_TRUE(observer->waitFor([&] { return (*observer)->state().playback() == PlaybackState::Paused; }));
    EXPECT_TRUE(waitUntil([&] { return service().state().playbackStatus == u"Paused"; }, 5000));
    EXPECT_EQ(playerctl({ QStringLiteral("status") }), QStringLiteral("Paused"));
    playerctl({ QStringLiteral("play") });
    EXPECT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying(); }));
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
    EXPECT_TRUE(observer->waitFor([&] { return (*observer)->state().volume() == 50; }));
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
    const QString title = (*observer)->state().statusTitle();
    ASSERT_FALSE(title.isEmpty());
    EXPECT_TRUE(waitUntil([&] { return service().state().title == title; }, 5000));
    const QString metadata = playerctl({ QStringLiteral("metadata") });
    EXPECT_TRUE(metadata.contains(title)) << metadata.toStdString();
    EXPECT_TRUE(metadata.contains(QStringLiteral("mpris:length"))) << metadata.toStdString();
    // playerctl quotes object paths.
    EXPECT_EQ(playerctl({ QStringLiteral("metadata"), QStringLiteral("mpris:trackid") }).remove(u'\''),
              service().state().trackId());
}

TEST_F(MediaKeysOnRealVlc, OpenUriPlaysAFileOfVlcsComputerAndItsCoverBecomesTheArtUrl)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SampleMedia::makeReadableByAll(folder.path());
    const QString covered = folder.filePath(QStringLiteral("covered.mp3"));
    ASSERT_TRUE(SampleMedia::writeCoveredMp3(covered, QStringLiteral("2040C0")));
    SampleMedia::makeReadableByAll(covered);
    // The sample items carry no art.
    EXPECT_FALSE(playerctl({ QStringLiteral("metadata") }).contains(QStringLiteral("mpris:artUrl")));

    playerctl({ QStringLiteral("open"), QUrl::fromLocalFile(covered).toString() });
    ASSERT_TRUE(waitUntil([&] { return service().state().title == u"Covered Song"; }, 10000));
    ASSERT_TRUE(waitUntil([&] { return !service().state().artUrl.isEmpty(); }, 10000))
        << "VLC extracts the cover once the item plays";
    const QString artUrl = playerctl({ QStringLiteral("metadata"), QStringLiteral("mpris:artUrl") });
    EXPECT_EQ(artUrl, service().state().artUrl);
    const QString file = QUrl(artUrl).toLocalFile();
    const QImage art(file);
    ASSERT_FALSE(art.isNull()) << file.toStdString();
    EXPECT_NEAR(art.pixelColor(200, 200).blue(), 0xC0, 24) << "the cover's own blue";
    EXPECT_EQ(int(QFile::permissions(file) & 0x0077), 0) << "the user's own";

    // Back to an item without art: the URL goes, and so does the file.
    playerctl({ QStringLiteral("previous") });
    EXPECT_TRUE(waitUntil([&] { return service().state().title != u"Covered Song" && service().state().artUrl.isEmpty(); },
                          10000));
    EXPECT_FALSE(playerctl({ QStringLiteral("metadata") }).contains(QStringLiteral("mpris:artUrl")));
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(MediaKeysOnRealVlc, RateIsWritableWithinVlcsRange)
{
    // A connection of its own, as a desktop widget would have.
    QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
    auto setRate = [&](double rate) {
        QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(MprisService::serviceName),
                                                           QString::fromLatin1(MprisService::objectPath),
                                                           QStringLiteral("org.freedesktop.DBus.Properties"),
                                                           QStringLiteral("Set"));
        call << QStringLiteral("org.mpris.MediaPlayer2.Player") << QStringLiteral("Rate")
             << QVariant::fromValue(QDBusVariant(rate));
        const QDBusPendingCall pending = desktop.asyncCall(call);
        EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }, 5000));
        EXPECT_FALSE(pending.isError()) << pending.error().message().toStdString();
    };
    auto vlcRateIs = [&](double rate) {
        return observer->waitFor([&] { return qAbs((*observer)->state().rate().value_or(-1) - rate) < 0.01; });
    };
    setRate(2.0);
    EXPECT_TRUE(vlcRateIs(2.0));
    EXPECT_TRUE(waitUntil([&] { return qAbs(service().state().rate - 2.0) < 0.01; }, 5000));
    // Held at VLC's slowest (the fastest would end the short sample at once).
    setRate(0.0001);
    EXPECT_TRUE(vlcRateIs(MprisService::minimumRate)) << (*observer)->state().rate().value_or(-1);
    setRate(1.0);
    EXPECT_TRUE(vlcRateIs(1.0));
    desktop.disconnectFromBus(QStringLiteral("desktop"));
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
