#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/Vlc3Dialect.h"
#include "vlc/VLCController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {
// A remote on an in-memory network that answers every request with the
// given status document, so the dialect is the one that document speaks.
class CommandTemplates : public ::testing::Test {
protected:
    void useStatus(const QString& fixtureName)
    {
        m_status = fixture(fixtureName);
        network.setHandler([this](const QNetworkRequest& r) {
            if (r.url().path() == u"/requests/playlist.xml")
                return MemoryNetwork::ok(m_playlist);
            return MemoryNetwork::ok(m_status);
        });
        remote.updateStatus();
        ASSERT_TRUE(waitUntil([&] { return remote.state().hasStatus() && !remote.isBusy(); }));
    }

    void usePlaylist(const QString& fixtureName)
    {
        m_playlist = fixture(fixtureName);
        remote.updatePlaylist();
        ASSERT_TRUE(waitUntil([&] { return remote.state().hasPlaylist() && !remote.isBusy(); }));
    }

    // The request target the command sent, byte for byte.
    std::string sent(const std::function<void()>& command)
    {
        network.clearRequests();
        command();
        const QList<QByteArray> targets = network.targets();
        waitUntil([&] { return !remote.isBusy(); });
        return targets.isEmpty() ? "<nothing sent>" : targets.front().toStdString();
    }

    struct Case {
        std::function<void(VLCController&)> command;
        const char* legacy; // the request of the older interface, exactly
        const char* vlc3;   // VLC 3's, when it differs
    };

    MemoryNetwork network;
    VLCController remote { RemoteRecord::forAddress(QStringLiteral("den:8080")), &network };
    QByteArray m_status;
    QByteArray m_playlist;
};
}

TEST_F(CommandTemplates, EveryCommandOfBothDialectsSendsExactlyItsRequest)
{
    const Case cases[] = {
        { [](VLCController& r) { r.toggleAudioDevice(); }, "command=key&val=audiodevice-cycle", nullptr },
        { [](VLCController& r) { r.subtitleDelayDown(); }, "command=key&val=subdelay-down", nullptr },
        { [](VLCController& r) { r.subtitleDelayUp(); }, "command=key&val=subdelay-up", nullptr },
        { [](VLCController& r) { r.toggleSubtitles(); }, "command=key&val=subtitle-track", nullptr },
        { [](VLCController& r) { r.toggleAudioTrack(); }, "command=key&val=audio-track", nullptr },
        { [](VLCController& r) { r.cropAspectRatio(); }, "command=key&val=crop", nullptr },
        { [](VLCController& r) { r.toggleAspectRatio(); }, "command=key&val=aspect-ratio", nullptr },
        { [](VLCController& r) { r.dvdMenu(); }, "command=key&val=disc-menu", nullptr },
        { [](VLCController& r) { r.dvdSelect(); }, "command=key&val=nav-activate", nullptr },
        { [](VLCController& r) { r.dvdRight(); }, "command=key&val=nav-right", nullptr },
        { [](VLCController& r) { r.dvdLeft(); }, "command=key&val=nav-left", nullptr },
        { [](VLCController& r) { r.dvdDown(); }, "command=key&val=nav-down", nullptr },
        { [](VLCController& r) { r.dvdUp(); }, "command=key&val=nav-up", nullptr },
        { [](VLCController& r) { r.audioDelayUp(); }, "command=key&val=audiodelay-up", nullptr },
        { [](VLCController& r) { r.audioDelayDown(); }, "command=key&val=audiodelay-down", nullptr },
        { [](VLCController& r) { r.speedSlower(); }, "command=key&val=slower", nullptr },
        { [](VLCController& r) { r.speedFaster(); }, "command=key&val=faster", nullptr },
        { [](VLCController& r) { r.pause(); }, "command=pl_pause", nullptr },
        // VLC 3 pauses only what plays; an older server toggles (the status says it plays).
        { [](VLCController& r) { r.pauseIfPlaying(); }, "command=pl_pause", "command=pl_forcepause" },
        { [](VLCController& r) { r.stop(); }, "command=pl_stop", nullptr },
        { [](VLCController& r) { r.previous(); }, "command=pl_previous", nullptr },
        { [](VLCController& r) { r.next(); }, "command=pl_next", nullptr },
        { [](VLCController& r) { r.repeat(); }, "command=pl_repeat", nullptr },
        { [](VLCController& r) { r.loop(); }, "command=pl_loop", nullptr },
        { [](VLCController& r) { r.random(); }, "command=pl_random", nullptr },
        { [](VLCController& r) { r.fullScreen(); }, "command=fullscreen", nullptr },
        { [](VLCController& r) { r.emptyPlaylist(); }, "command=pl_empty", nullptr },
        { [](VLCController& r) { r.removeFromPlaylist(12); }, "command=pl_delete&id=12", nullptr },
        { [](VLCController& r) { r.playFromStart(4); }, "command=pl_play&id=4", nullptr },
        { [](VLCController& r) { r.seek(50); }, "command=seek&val=50%25", nullptr },
        { [](VLCController& r) { r.seekSeconds(90); }, "command=seek&val=90", nullptr },
        { [](VLCController& r) { r.seekRelative(QStringLiteral("+30s")); }, "command=seek&val=%2B30s", nullptr },
        { [](VLCController& r) { r.seekRelative(QStringLiteral("-10s")); }, "command=seek&val=-10s", nullptr },
        { [](VLCController& r) { r.playChapter(3); }, "command=chapter&val=3", nullptr },
        { [](VLCController& r) { r.playTitle(0); }, "command=title&val=0", nullptr },
        { [](VLCController& r) { r.setVolume(150); }, "command=volume&val=150%25", "command=volume&val=384" },
        { [](VLCController& r) { r.setVolume(100); }, "command=volume&val=100%25", "command=volume&val=256" },
        { [](VLCController& r) { r.setSpeed(500); }, "command=rate&val=500", "command=rate&val=2" },
        { [](VLCController& r) { r.setSpeed(2000); }, "command=rate&val=2000", "command=rate&val=0.5" },
        { [](VLCController& r) { r.setRate(1.5); }, "command=rate&val=667", "command=rate&val=1.5" },
        { [](VLCController& r) { r.setRate(0.1); }, "command=rate&val=10000", "command=rate&val=0.1" },
        { [](VLCController& r) { r.setAudioDelay(0.5f); }, "command=audio_delay&val=0.500000",
          "command=audiodelay&val=0.500000" },
        { [](VLCController& r) { r.setAudioDelay(-0.25f); }, "command=audio_delay&val=-0.250000",
          "command=audiodelay&val=-0.250000" },
        { [](VLCController& r) { r.setAspectRatio(QStringLiteral("16:9")); }, "command=aspect_ratio&val=16:9",
          "command=aspectratio&val=16%3A9" },
        // Older servers: backslashes doubled, the apostrophe escaped, then
        // everything escaped. VLC 3: the path as it is, only escaped.
        { [](VLCController& r) { r.playFilename(QStringLiteral("C:\\Films\\Bob's Film.avi")); },
          "command=in_play&input=C%3A%5C%5CFilms%5C%5CBob%5C's%20Film.avi",
          "command=in_play&input=C%3A%5CFilms%5CBob's%20Film.avi" },
        { [](VLCController& r) { r.enqueueFilename(QStringLiteral("/music/a+b Café.mp3")); },
          "command=in_enqueue&input=%2Fmusic%2Fa%2Bb%20Caf%C3%A9.mp3",
          "command=in_enqueue&input=%2Fmusic%2Fa%2Bb%20Caf%C3%A9.mp3" },
        { [](VLCController& r) { r.enqueueFilename(QStringLiteral("file:///C:/Films/a%20b.mkv")); },
          "command=in_enqueue&input=file%3A%2F%2F%2FC%3A%2FFilms%2Fa%2520b.mkv",
          "command=in_enqueue&input=file%3A%2F%2F%2FC%3A%2FFilms%2Fa%2520b.mkv" },
        { [](VLCController& r) { r.setSubtitleDelay(-1.5); }, "command=subdelay&val=-1.500000", nullptr },
        { [](VLCController& r) { r.enableEqualizer(false); }, "command=enableeq&val=0", nullptr },
        // Gains within what VLC applies, to the tenth of a dB it keeps.
        { [](VLCController& r) { r.setEqualizerBand(3, 5.56); }, "command=equalizer&band=3&val=5.6", nullptr },
        { [](VLCController& r) { r.setEqualizerBand(9, -35); }, "command=equalizer&band=9&val=-20", nullptr },
        { [](VLCController& r) { r.setEqualizerBand(0, -0.04); }, "command=equalizer&band=0&val=0", nullptr },
        { [](VLCController& r) { r.setEqualizerPreamp(12); }, "command=preamp&val=12", nullptr },
        { [](VLCController& r) { r.setEqualizerPreamp(40.5); }, "command=preamp&val=20", nullptr },
        { [](VLCController& r) { r.setEqualizerPreset(4); }, "command=setpreset&val=4", nullptr },
        { [](VLCController& r) { r.sortPlaylist(PlaylistSortKey::Duration, true); },
          "command=pl_sort&id=1&val=duration", nullptr },
        { [](VLCController& r) { r.sortPlaylist(PlaylistSortKey::Title, false); }, "command=pl_sort&id=0&val=title",
          nullptr },
        // Subtitles by path: VLC ignores a file URL, so it is made one.
        { [](VLCController& r) { r.addSubtitle(QStringLiteral("/films/Bob's film é.srt")); },
          "command=addsubtitle&val=%2Ffilms%2FBob's%20film%20%C3%A9.srt", nullptr },
        { [](VLCController& r) { r.addSubtitle(QStringLiteral("file:///films/a%20b.srt")); },
          "command=addsubtitle&val=%2Ffilms%2Fa%20b.srt", nullptr },
        { [](VLCController& r) { r.addSubtitle(QStringLiteral("FILE:///C:/Films/a.srt")); },
          "command=addsubtitle&val=C%3A%2FFilms%2Fa.srt", nullptr },
    };
    for (const char* status : { "legacy-status.xml", "vlc3-status-playing.xml" }) {
        const bool vlc3 = QByteArray(status).startsWith("vlc3");
        useStatus(QString::fromLatin1(status));
        for (const Case& c : cases) {
            const char* expected = vlc3 && c.vlc3 ? c.vlc3 : c.legacy;
            EXPECT_EQ(sent([&] { c.command(remote); }), std::string("/requests/status.xml?") + expected) << status;
        }
    }
}

TEST_F(CommandTemplates, ValuesVlcCannotTakeSendNothing)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    const std::function<void()> refused[] = {
        [&] { remote.setEqualizerBand(10, 1); },
        [&] { remote.setEqualizerBand(-1, 1); },
        [&] { remote.setEqualizerBand(2, std::nan("")); },
        [&] { remote.setEqualizerPreamp(HUGE_VAL * 0); },
        [&] { remote.setEqualizerPreset(-1); },
        [&] { remote.setSubtitleDelay(HUGE_VAL); },
        [&] { remote.addSubtitle(QStringLiteral("file://")); },
    };
    for (const auto& command : refused)
        EXPECT_EQ(sent(command), "<nothing sent>");
}

TEST_F(CommandTemplates, TurningTheEqualizerOnStartsItAgainWhereVlcHadNoGains)
{
    // VLC answers with the equalizer on but no gains listed: its filter
    // did not start, so gains are set and it is turned off and on again.
    // Every band, in order: VLC puts a gain after those it has, so band 3
    // set alone later would land in band 1.
    useStatus(QStringLiteral("vlc3-status-equalizer-unset.xml"));
    network.clearRequests();
    remote.enableEqualizer(true);
    ASSERT_TRUE(waitUntil([&] { return network.targets().size() >= 13 && !remote.isBusy(); }));
    spinEventLoop(50);
    QList<QByteArray> restart { "/requests/status.xml?command=enableeq&val=1" };
    for (int band = 0; band < 10; ++band)
        restart << "/requests/status.xml?command=equalizer&band=" + QByteArray::number(band) + "&val=0";
    restart << "/requests/status.xml?command=enableeq&val=0" << "/requests/status.xml?command=enableeq&val=1";
    EXPECT_EQ(network.targets(), restart);
    // With gains listed it started: one request.
    useStatus(QStringLiteral("vlc3-status-equalizer.xml"));
    network.clearRequests();
    remote.enableEqualizer(true);
    ASSERT_TRUE(waitUntil([&] { return !remote.isBusy(); }));
    spinEventLoop(50);
    EXPECT_EQ(network.targets(), QList<QByteArray> { "/requests/status.xml?command=enableeq&val=1" });
}

TEST_F(CommandTemplates, CommandsMarkWhatMustBeFetchedAgain)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    network.setHandler([](const QNetworkRequest&) {
        MemoryNetwork::Response hang;
        hang.hang = true;
        return hang;
    });
    remote.connection().setPlaylistDirty(false);
    remote.connection().setStatusDirty(false);
    remote.next();
    EXPECT_TRUE(remote.connection().playlistDirty());
    EXPECT_FALSE(remote.connection().statusDirty());
    remote.connection().setPlaylistDirty(false);
    remote.pause();
    EXPECT_FALSE(remote.connection().playlistDirty());
    remote.playFilename(QStringLiteral("/a.mp3"));
    EXPECT_TRUE(remote.connection().playlistDirty());
    EXPECT_TRUE(remote.connection().statusDirty());
    remote.connection().setPlaylistDirty(false);
    remote.sortPlaylist(PlaylistSortKey::Random, false);
    EXPECT_TRUE(remote.connection().playlistDirty());

    remote.seek(40);
    EXPECT_EQ(remote.state().temporaryPosition(), 40);
    EXPECT_EQ(remote.state().updatesToIgnore(), 1);
    remote.seekSeconds(75);
    EXPECT_EQ(remote.state().temporaryPositionSeconds(), 75);
    remote.setVolume(150);
    EXPECT_EQ(remote.state().volume(), 150);
    remote.connection().clearOldRequest();
}

TEST_F(CommandTemplates, TracksAndItemsFollowTheStoredState)
{
    useStatus(QStringLiteral("legacy-status.xml"));
    usePlaylist(QStringLiteral("legacy-playlist.xml"));
    // Tracks: the placeholder sends -1; an index past the list sends nothing.
    EXPECT_EQ(sent([&] { remote.setAudioTrack(0); }), "/requests/status.xml?command=audio_track&val=-1");
    EXPECT_EQ(sent([&] { remote.setAudioTrack(2); }), "/requests/status.xml?command=audio_track&val=2");
    EXPECT_EQ(sent([&] { remote.setVideoTrack(1); }), "/requests/status.xml?command=video_track&val=0");
    EXPECT_EQ(sent([&] { remote.setSubtitleTrack(1); }), "/requests/status.xml?command=subtitle_track&val=3");
    EXPECT_EQ(sent([&] { remote.setAudioTrack(3); }), "<nothing sent>");
    // Pausing the playing item pauses; any other item is played.
    EXPECT_EQ(sent([&] { remote.playPause(5); }), "/requests/status.xml?command=pl_pause&id=5");
    EXPECT_EQ(sent([&] { remote.playPause(6); }), "/requests/status.xml?command=pl_play&id=6");
    EXPECT_EQ(sent([&] { remote.playLastItemInPlaylist(); }), "/requests/status.xml?command=pl_play&id=8");
}

TEST_F(CommandTemplates, Vlc3DialectSticksThroughBrokenReplies)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    // A Lua error page that happens to hold "<state>", and a status cut
    // before its apiversion: neither makes VLC 3 an older server.
    for (const QByteArray& body : { QByteArray("<html><body>Lua error near <state>playing</state></body></html>"),
                                   QByteArray("<?xml version=\"1.0\"?><root><state>playing</state><volume>2") }) {
        m_status = body;
        remote.updateStatus();
        ASSERT_TRUE(waitUntil([&] { return !remote.isBusy(); }));
        EXPECT_EQ(remote.state().apiVersion(), 3);
        EXPECT_EQ(sent([&] { remote.setVolume(100); }), "/requests/status.xml?command=volume&val=256");
    }
    // A complete status without apiversion is another interface.
    m_status = fixture(QStringLiteral("legacy-status.xml"));
    remote.updateStatus();
    ASSERT_TRUE(waitUntil([&] { return !remote.isBusy(); }));
    EXPECT_EQ(remote.state().apiVersion(), 0);
    // So is a new address, until it answers.
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    remote.setHostAddress(QStringLiteral("attic:8080"));
    EXPECT_EQ(remote.state().apiVersion(), 0);
}

TEST_F(CommandTemplates, BrowseEscapesTheFolderAndLogsTheRequest)
{
    useStatus(QStringLiteral("vlc3-status-playing.xml"));
    ConsoleCapture log;
    remote.setBrowseDir(QStringLiteral("C:\\My Films"));
    EXPECT_EQ(sent([&] { remote.updateBrowseList(); }), "/requests/browse.xml?dir=C%3A%5CMy%20Films");
    EXPECT_TRUE(log.contains(QStringLiteral("browse:  http://den:8080/requests/browse.xml?dir=C%3A%5CMy%20Films")));
    EXPECT_TRUE(log.lines.filter(QStringLiteral("send async")).isEmpty());
    remote.pause();
    EXPECT_TRUE(log.contains(QStringLiteral("send async http://den:8080/requests/status.xml?command=pl_pause")));
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
        EXPECT_EQ(remote.state().volume(), p);
    }
}
