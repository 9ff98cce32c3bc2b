#include "platform/MprisArtFile.h"
#include "platform/MprisCommands.h"
#include "platform/MprisService.h"
#include "platform/MprisState.h"
#include "TestSupport.h"
#include "vlc/VLCController.h"

#include <QBuffer>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
MprisState stateOf(const char* statusFixture)
{
    VLCController remote;
    remote.parseStatusResponse(fixture(QString::fromLatin1(statusFixture)));
    return MprisState::of(remote);
}

struct RecordedCommands : MprisCommands {
    QStringList calls;
    void playPause() override { calls << QStringLiteral("playPause"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void next() override { calls << QStringLiteral("next"); }
    void previous() override { calls << QStringLiteral("previous"); }
    void seek(int seconds) override { calls << QStringLiteral("seek %1").arg(seconds); }
    void setVolume(int percent) override { calls << QStringLiteral("volume %1").arg(percent); }
    void toggleRandom() override { calls << QStringLiteral("random"); }
    void toggleRepeat() override { calls << QStringLiteral("repeat"); }
    void toggleLoop() override { calls << QStringLiteral("loop"); }
    void setRate(double multiplier) override { calls << QStringLiteral("rate %1").arg(multiplier); }
    void playFile(const QString& path) override { calls << QStringLiteral("play %1").arg(path); }
    void raise() override { calls << QStringLiteral("raise"); }
};
}

TEST(MprisState, ReadsTheRemoteInMprisTerms)
{
    const MprisState playing = stateOf("vlc3-status-playing.xml");
    EXPECT_EQ(playing.playbackStatus, QStringLiteral("Playing"));
    EXPECT_GT(playing.lengthMicroseconds, 0);
    EXPECT_FALSE(playing.title.isEmpty());
    EXPECT_TRUE(playing.trackId().startsWith(QStringLiteral("/org/playerlink/track/")));
    EXPECT_EQ(playing.metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              playing.trackId());
    EXPECT_GT(playing.volume, 0.0);

    const MprisState stopped = stateOf("vlc3-status-stopped.xml");
    EXPECT_EQ(stopped.playbackStatus, QStringLiteral("Stopped"));
    EXPECT_EQ(stopped.trackId(), QString::fromLatin1(MprisState::noTrack));
    EXPECT_FALSE(stopped.metadata().contains(QStringLiteral("xesam:title")));
}

TEST(MprisState, ChangesNameOnlyWhatDiffers)
{
    const MprisState before = stateOf("vlc3-status-playing.xml");
    EXPECT_TRUE(MprisState::changes(before, before).isEmpty());

    MprisState after = before;
    after.volume = 0.5;
    after.positionMicroseconds += 3'000'000; // moves all the time, never announced
    EXPECT_EQ(MprisState::changes(before, after).keys(), QStringList { QStringLiteral("Volume") });

    after = before;
    after.title = QStringLiteral("Another song");
    const QVariantMap changed = MprisState::changes(before, after);
    EXPECT_EQ(changed.keys(), QStringList { QStringLiteral("Metadata") });
    EXPECT_EQ(changed.value(QStringLiteral("Metadata")).toMap().value(QStringLiteral("xesam:title")).toString(),
              QStringLiteral("Another song"));
}

TEST(MprisService, WithoutASessionBusSaysSoOnceAndStillDoesNothingWrong)
{
    ConsoleCapture log;
    RecordedCommands commands;
    const QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                               QStringLiteral("none"));
    {
        MprisService service(commands, none);
        auto remote = std::make_shared<VLCController>();
        service.setRemote(remote);
        service.setRemote(nullptr);
        service.setRemote(std::make_shared<VLCController>());
        EXPECT_FALSE(service.isPublished());
        service.playPause();
        service.setVolume(std::numeric_limits<double>::quiet_NaN());
        service.setVolume(9.0);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("none"));
    EXPECT_EQ(log.lines.filter(QStringLiteral("no session bus")).size(), 1);
    // Commands go through although no desktop can send them here; a
    // volume past VLC's range is held at its top.
    EXPECT_EQ(commands.calls, (QStringList { QStringLiteral("playPause"), QStringLiteral("volume 400") }));
}

TEST(MprisService, RateIsHeldToVlcsRangeAndOnlyFilesOpen)
{
    RecordedCommands commands;
    const QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                               QStringLiteral("none"));
    {
        MprisService service(commands, none);
        service.setRemote(std::make_shared<VLCController>());
        for (double rate : { 1.5, 100.0, 0.001, -1.0, std::numeric_limits<double>::infinity() })
            service.setRate(rate);
        service.openUri(QStringLiteral("file:///srv/music/a%20song.mp3"));
        service.openUri(QStringLiteral("http://example.invalid/stream"));
        service.openUri(QStringLiteral("not a uri at all"));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("none"));
    EXPECT_EQ(commands.calls, (QStringList { QStringLiteral("rate 1.5"), QStringLiteral("rate 32"),
                                             QStringLiteral("rate 0.03125"), QStringLiteral("play /srv/music/a song.mp3") }));
}

TEST(MprisArtFile, KeepsOnePrivateFileOfArtItKnowsAsAPicture)
{
    QTemporaryDir cache;
    const QString folder = cache.filePath(QStringLiteral("art"));
    QDir().mkpath(folder);
    QFile stray(folder + QStringLiteral("/art-3-0123456789abcdef.png")); // left by an earlier run
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    auto png = [](QColor colour) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    auto files = [&] { return QDir(folder).entryList(QDir::Files); };
    MprisArtFile art(folder);
    const QUrl red = art.update(4, png(Qt::red));
    ASSERT_TRUE(red.isLocalFile());
    EXPECT_EQ(files(), QStringList { QFileInfo(red.toLocalFile()).fileName() });
    const QFileDevice::Permissions mode = QFile::permissions(red.toLocalFile());
    EXPECT_TRUE(mode & QFileDevice::ReadOwner);
    EXPECT_EQ(int(mode & 0x0077), 0) << "neither group nor others may read it";
    EXPECT_EQ(QImage(red.toLocalFile()).pixelColor(0, 0), QColor(Qt::red));
    // Another item's art replaces it, under another name.
    const QUrl blue = art.update(5, png(Qt::blue));
    EXPECT_NE(blue, red);
    EXPECT_EQ(files(), QStringList { QFileInfo(blue.toLocalFile()).fileName() });
    // No art, or bytes that are no picture: no file.
    EXPECT_TRUE(art.update(6, QByteArray("<html>not found</html>")).isEmpty());
    EXPECT_TRUE(files().isEmpty());
    art.update(7, png(Qt::green));
    EXPECT_TRUE(art.update(7, QByteArray()).isEmpty());
    EXPECT_TRUE(files().isEmpty());
}
