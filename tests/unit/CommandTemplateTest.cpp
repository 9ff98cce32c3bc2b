#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "vlc/Vlc3Dialect.h"
#include "vlc/VLCController.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
// A remote talking to a fake server that answers every request with the
// given status document, so the dialect is the one that document speaks.
class CommandTemplates : public ::testing::Test {
protected:
    void useStatus(const QString& fixtureName)
    {
        m_status = fixture(fixtureName);
        server.setHandler([this](const FakeHttpServer::Request& r) {
            if (r.target.startsWith("/requests/playlist.xml"))
                return FakeHttpServer::ok(m_playlist);
            return FakeHttpServer::ok(m_status);
        });
        remote.setHostAddress(server.hostAddress());
        remote.updateStatus();
        ASSERT_TRUE(waitUntil([&] { return remote.statusDict() && !remote.isBusy(); }));
    }

    void usePlaylist(const QString& fixtureName)
    {
        m_playlist = fixture(fixtureName);
        remote.updatePlaylist();
        ASSERT_TRUE(waitUntil([&] { return remote.hasPlaylist() && !remote.isBusy(); }));
    }

    // The request target the command sent.
    std::string sent(const std::function<void()>& command, int timeoutMs = 3000)
    {
        server.clearRequests();
        command();
        if (!waitUntil([&] { return !server.requests().empty(); }, timeoutMs))
            return "<nothing sent>";
        const QByteArray target = server.requests().front().target;
        waitUntil([&] { return !remote.isBusy(); });
        return target.toStdString();
    }

    FakeHttpServer server;
    VLCController remote;
    QByteArray m_status;
    QByteArray m_playlist;
};
}

TEST_F(CommandTemplates, HotkeysAndPlaybackCommandsAreTheSameForEveryServer)
{
    for (const char* status : { "legacy-status.xml", "vlc3-status-playing.xml" }) {
        useStatus(QString::fromLatin1(status));
        const std::pair<std::function<void()>, QByteArray> cases[] = {
            { [&] { remote.toggleAudioDevice(); }, "key&val=audiodevice-cycle" },
            { [&] { remote.subtitleDelayDown(); }, "key&val=subdelay-down" },
            { [&] { remote.subtitleDelayUp(); }, "key&val=subdelay-up" },
            { [&] { remote.toggleSubtitles(); }, "key&val=subtitle-track" },
            { [&] { remote.toggleAudioTrack(); }, "key&val=audio-track" },
            { [&] { remote.cropAspectRatio(); }, "key&val=crop" },
            { [&] { remote.toggleAspectRatio(); }, "key&val=aspect-ratio" },
            { [&] { remote.dvdMenu(); }, "key&val=disc-menu" },
            { [&] { remote.dvdSelect(); }, "key&val=nav-activate" },
            { [&] { remote.dvdRight(); }, "key&val=nav-right" },
            { [&] { remote.dvdLeft(); }, "key&val=nav-left" },
            { [&] { remote.dvdDown(); }, "key&val=nav-down" },
            { [&] { remote.dvdUp(); }, "key&val=nav-up" },
            { [&] { remote.audioDelayUp(); }, "key&val=audiodelay-up" },
            { [&] { remote.audioDelayDown(); }, "key&val=audiodelay-down" },
            { [&] { remote.speedSlower(); }, "key&val=slower" },
            { [&] { remote.speedFaster(); }, "key&val=faster" },
            { [&] { remote.pause(); }, "pl_pause" },
            { [&] { remote.stop(); }, "pl_stop" },
            { [&] { remote.previous(); }, "pl_previous" },
            { [&] { remote.next(); }, "pl_next" },
            { [&] { remote.repeat(); }, "pl_repeat" },
            { [&] { remote.loop(); }, "pl_loop" },
            { [&] { remote.random(); }, "pl_random" },
            { [&] { remote.fullScreen(); }, "fullscreen" },
            { [&] { remote.emptyPlaylist(); }, "pl_empty" },
            { [&] { remote.removeFromPlaylist(12); }, "pl_delete&id=12" },
            { [&] { remote.playFromStart(4); }, "pl_play&id=4" },
            { [&] { remote.seek(50); }, "seek&val=50%25" },
            { [&] { remote.seekSeconds(90); }, "seek&val=90" },
            { [&] { remote.seekRelative(QStringLiteral("+30s")); }, "seek&val=%2B30s" },
            { [&] { remote.seekRelative(QStringLiteral("-10s")); }, "seek&val=-10s" },
            { [&] { remote.playChapter(3); }, "chapter&val=3" },
            { [&] { remote.playTitle(0); }, "title&val=0" },
        };
        for (const auto& [command, expected] : cases)
            EXPECT_EQ(sent(command), ("/requests/status.xml?command=" + expected).toStdString()) << status;
    }
}

TEST_F(CommandTemplates, CommandsMarkWhatMustBeFetchedAgain)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response hang;
        hang.hang = true;
        return hang;
    });
    remote.setPlaylistDirty(false);
    remote.setStatusDirty(false);
    remote.next();
    EXPECT_TRUE(remote.playlistDirty());
    EXPECT_FALSE(remote.statusDirty());
    remote.setPlaylistDirty(false);
    remote.pause();
    EXPECT_FALSE(remote.playlistDirty());
    remote.playFilename(QStringLiteral("/a.mp3"));
    EXPECT_TRUE(remote.playlistDirty());
    EXPECT_TRUE(remote.statusDirty());

    remote.seek(40);
    EXPECT_EQ(remote.temporaryPosition(), 40);
    EXPECT_EQ(remote.updatesToIgnore(), 1);
    remote.seekSeconds(75);
    EXPECT_EQ(remote.temporaryPositionSeconds(), 75);
    remote.setVolume(150);
    EXPECT_EQ(remote.volume(), 150);
}

TEST_F(CommandTemplates, LegacyServersGetTheOriginalTemplates)
{
    useStatus(QStringLiteral("legacy-status.xml"));
    usePlaylist(QStringLiteral("legacy-playlist.xml"));
    remote.numberOfAudioTracks(); // builds the track caches
    EXPECT_EQ(sent([&] { remote.setVolume(150); }), "/requests/status.xml?command=volume&val=150%25");
    EXPECT_EQ(sent([&] { remote.setSpeed(500); }), "/requests/status.xml?command=rate&val=500");
    EXPECT_EQ(sent([&] { remote.setAudioDelay(0.5f); }), "/requests/status.xml?command=audio_delay&val=0.500000");
    EXPECT_EQ(sent([&] { remote.setAspectRatio(QStringLiteral("16:9")); }),
              "/requests/status.xml?command=aspect_ratio&val=16:9");
    // Backslashes doubled, the apostrophe escaped, then everything escaped.
    EXPECT_EQ(sent([&] { remote.playFilename(QStringLiteral("C:\\Films\\Bob's Film.avi")); }),
              "/requests/status.xml?command=in_play&input=C%3A%5C%5CFilms%5C%5CBob%5C's%20Film.avi");
    EXPECT_EQ(sent([&] { remote.enqueueFilename(QStringLiteral("/music/a+b.mp3")); }),
              "/requests/status.xml?command=in_enqueue&input=%2Fmusic%2Fa%2Bb.mp3");
    // Tracks: the placeholder sends -1; an index past the list sends nothing.
    EXPECT_EQ(sent([&] { remote.setAudioTrack(0); }), "/requests/status.xml?command=audio_track&val=-1");
    EXPECT_EQ(sent([&] { remote.setAudioTrack(2); }), "/requests/status.xml?command=audio_track&val=2");
    EXPECT_EQ(sent([&] { remote.setVideoTrack(1); }), "/requests/status.xml?command=video_track&val=0");
    EXPECT_EQ(sent([&] { remote.setSubtitleTrack(1); }), "/requests/status.xml?command=subtitle_track&val=3");
    EXPECT_EQ(sent([&] { remote.setAudioTrack(3); }, 300), "<nothing sent>");
    // Pausing the playing item pauses; any other item is played.
    EXPECT_EQ(sent([&] { remote.playPause(5); }), "/requests/status.xml?command=pl_pause&id=5");
    EXPECT_EQ(sent([&] { remote.playPause(6); }), "/requests/status.xml?command=pl_play&id=6");
    EXPECT_EQ(sent([&] { remote.playLastItemInPlaylist(); }), "/requests/status.xml?command=pl_play&id=8");
}

TEST_F(CommandTemplates, Vlc3ServersGetTheirOwnDialect)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    usePlaylist(QStringLiteral("vlc3-playlist.xml"));
    EXPECT_EQ(sent([&] { remote.setVolume(150); }), "/requests/status.xml?command=volume&val=384");
    EXPECT_EQ(sent([&] { remote.setVolume(100); }), "/requests/status.xml?command=volume&val=256");
    EXPECT_EQ(sent([&] { remote.setSpeed(500); }), "/requests/status.xml?command=rate&val=2");
    EXPECT_EQ(sent([&] { remote.setSpeed(1000); }), "/requests/status.xml?command=rate&val=1");
    EXPECT_EQ(sent([&] { remote.setSpeed(2000); }), "/requests/status.xml?command=rate&val=0.5");
    EXPECT_EQ(sent([&] { remote.setAudioDelay(-0.25f); }), "/requests/status.xml?command=audiodelay&val=-0.250000");
    EXPECT_EQ(sent([&] { remote.setAspectRatio(QStringLiteral("16:9")); }),
              "/requests/status.xml?command=aspectratio&val=16%3A9");
    // Paths go as they are, only URL-escaped.
    EXPECT_EQ(sent([&] { remote.playFilename(QStringLiteral("/home/me/Bob's Café.wav")); }),
              "/requests/status.xml?command=in_play&input=%2Fhome%2Fme%2FBob's%20Caf%C3%A9.wav");
    EXPECT_EQ(sent([&] { remote.enqueueFilename(QStringLiteral("file:///C:/Films/a%20b.mkv")); }),
              "/requests/status.xml?command=in_enqueue&input=file%3A%2F%2F%2FC%3A%2FFilms%2Fa%2520b.mkv");
    EXPECT_EQ(sent([&] { remote.playPause(3); }), "/requests/status.xml?command=pl_pause&id=3");
    EXPECT_EQ(sent([&] { remote.playPause(4); }), "/requests/status.xml?command=pl_play&id=4");
}

TEST_F(CommandTemplates, BrowseEscapesTheFolderAndLogsTheRequest)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    ConsoleCapture log;
    remote.setBrowseDir(QStringLiteral("C:\\My Films"));
    EXPECT_EQ(sent([&] { remote.updateBrowseList(); }), "/requests/browse.xml?dir=C%3A%5CMy%20Films");
    EXPECT_TRUE(log.contains(QStringLiteral("browse:  http://") + server.hostAddress()
                             + QStringLiteral("/requests/browse.xml?dir=C%3A%5CMy%20Films")));
    EXPECT_TRUE(log.lines.filter(QStringLiteral("send async")).isEmpty());
    remote.pause();
    EXPECT_TRUE(log.contains(QStringLiteral("send async http://") + server.hostAddress()
                             + QStringLiteral("/requests/status.xml?command=pl_pause")));
}

TEST(VolumeScale, EveryPercentReadsBackExactlyOnVlc3)
{
    // What we send for p must read back as p through the volume accessor.
    VLCController remote;
    for (int p = 0; p <= 400; ++p) {
        HttpReply reply;
        reply.httpStatus = 200;
        reply.body = "<root><state>playing</state><apiversion>3</apiversion><volume>"
            + QByteArray::number(Vlc3Dialect::vlcVolumeForPercent(p)) + "</volume></root>";
        remote.processResponse(reply, VLCController::OrdinaryRequest);
        EXPECT_EQ(remote.volume(), p);
    }
}
