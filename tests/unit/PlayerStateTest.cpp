#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/PlaylistFilter.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"

#include <gtest/gtest.h>

namespace {
void feed(VLCController& remote, const QByteArray& body, int status = 200)
{
    HttpReply reply;
    reply.httpStatus = status;
    reply.body = body;
    remote.processResponse(reply, VLCController::OrdinaryRequest);
}

QByteArray statusWith(const QByteArray& elements)
{
    return "<?xml version=\"1.0\"?><root>" + elements + "</root>";
}
}

TEST(PlayerState, NothingReceivedYet)
{
    VLCController remote;
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 0);
    EXPECT_EQ(remote.state().timeLengthSeconds(), 0);
    EXPECT_EQ(remote.state().position(), 0);
    EXPECT_EQ(remote.state().volume(), 0);
    EXPECT_FALSE(remote.state().isPlaying());
    EXPECT_TRUE(remote.state().isStopped());
    EXPECT_TRUE(remote.state().isRandom());
    EXPECT_TRUE(remote.state().isRepeating());
    EXPECT_TRUE(remote.state().isLooping());
    EXPECT_EQ(remote.state().currentIndex().value_or(PlayerState::noCurrentItem), PlayerState::noCurrentItem);
    EXPECT_EQ(remote.state().idForIndex(PlayerState::currentItem), 0);
    EXPECT_EQ(remote.state().titleForIndex(PlayerState::currentItem), std::nullopt);
    EXPECT_EQ(int(remote.state().audioTracks().size()), 1);
    EXPECT_EQ(remote.state().currentAudioTrack(), -1);
    EXPECT_EQ(remote.state().playerStatus().currentAspect, -1);
    EXPECT_EQ(remote.state().playerStatus().chapters, 0);
    EXPECT_EQ(remote.state().speed(), 0);
    EXPECT_EQ(remote.state().playbackState(), QString());
}

TEST(PlayerState, Vlc3StatusReadsInItsOwnUnits)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-status-playing.xml")));
    EXPECT_EQ(remote.state().apiVersion(), 3);
    EXPECT_TRUE(remote.state().dialect().isModern());
    EXPECT_TRUE(remote.state().isPlaying());
    EXPECT_FALSE(remote.state().isStopped());
    EXPECT_FALSE(remote.state().isRandom()); // "false"
    EXPECT_EQ(remote.state().timeLengthSeconds(), 20);
    EXPECT_EQ(remote.state().volume(), 150);   // 384 on VLC's scale
    EXPECT_EQ(remote.state().position(), 7);   // from the fraction 0.07
    EXPECT_EQ(remote.state().speed(), 1000);   // rate 1
    EXPECT_EQ(remote.state().playerStatus().version, QStringLiteral("3.0.24 Vetinari"));

    feed(remote, fixture(QStringLiteral("vlc3-status-tracks.xml")));
    EXPECT_EQ(remote.state().speed(), 500); // twice as fast
    EXPECT_DOUBLE_EQ(remote.state().audioDelay(), -0.25);
    EXPECT_TRUE(remote.state().isRandom());
    EXPECT_EQ(remote.state().timeRemainingSeconds(), 245 - 61);

    feed(remote, fixture(QStringLiteral("vlc3-status-paused.xml")));
    EXPECT_EQ(remote.state().playbackState(), QStringLiteral("paused"));
    EXPECT_FALSE(remote.state().isPlaying());
    EXPECT_FALSE(remote.state().isStopped());
    feed(remote, fixture(QStringLiteral("vlc3-status-stopped.xml")));
    EXPECT_TRUE(remote.state().isStopped());
}

TEST(PlayerState, LegacyStatusReadsAsTheOlderInterfaceWrote)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("legacy-status.xml")));
    EXPECT_EQ(remote.state().apiVersion(), 0);
    EXPECT_FALSE(remote.state().dialect().isModern());
    EXPECT_EQ(remote.state().position(), 24);
    EXPECT_EQ(remote.state().speed(), 500);
    EXPECT_DOUBLE_EQ(remote.state().audioDelay(), 0.5);
    EXPECT_TRUE(remote.state().isRandom());      // "1"
    EXPECT_FALSE(remote.state().isLooping());    // "0"
    EXPECT_TRUE(remote.state().isRepeating());   // "true"
    EXPECT_EQ(remote.state().volume(), 100);
    EXPECT_EQ(int(remote.state().playerStatus().aspectRatios.size()), 3);
    EXPECT_EQ(remote.state().nameForAspect(0), QStringLiteral("Default"));
    EXPECT_EQ(remote.state().nameForAspect(2), QStringLiteral("16:9"));
    EXPECT_EQ(remote.state().nameForAspect(3), QString());
    EXPECT_EQ(remote.state().playerStatus().currentAspect, 2);    // attribute
    EXPECT_EQ(remote.state().playerStatus().chapters, 3);
    EXPECT_EQ(remote.state().playerStatus().currentChapter, 1);   // child element
    EXPECT_EQ(remote.state().playerStatus().titles, 2);
    EXPECT_EQ(remote.state().playerStatus().currentTitle, -1);
    EXPECT_EQ(remote.state().nameForChapter(2), QStringLiteral("Chapter 2"));
    EXPECT_EQ(remote.state().nameForTitle(0), QStringLiteral("DVD Menu"));
    EXPECT_EQ(remote.state().nameForTitle(3), QStringLiteral("Title 3"));
}

TEST(PlayerState, VolumeScaleConversion)
{
    VLCController remote;
    const std::pair<const char*, int> cases[] = { { "256", 100 }, { "512", 200 }, { "0", 0 }, { "1", 1 }, { "1024", 400 } };
    for (const auto& [raw, percent] : cases) {
        feed(remote, statusWith(QByteArray("<state>stop</state><volume>") + raw + "</volume>"));
        EXPECT_EQ(remote.state().volume(), percent) << raw;
    }
    feed(remote, statusWith("<state>stop</state>"));
    EXPECT_EQ(remote.state().volume(), 0);
    // A status without random, repeat or loop: the comparison fails.
    EXPECT_FALSE(remote.state().isRandom());
    EXPECT_FALSE(remote.state().isLooping());
}

TEST(PlayerState, TemporaryValuesSurviveTheCommandsOwnReply)
{
    VLCController remote;
    remote.setTemporaryVolume(150);
    remote.setTemporaryPosition(40);
    remote.setTemporaryPositionSeconds(90);
    remote.setUpdatesToIgnore(1);
    const QByteArray status = statusWith("<state>paused</state><volume>256</volume><time>10</time><position>5</position>");
    feed(remote, status); // the reply to the command itself
    EXPECT_EQ(remote.state().volume(), 150);
    EXPECT_EQ(remote.state().position(), 40);
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 90);
    feed(remote, status); // the next poll
    EXPECT_EQ(remote.state().volume(), 100);
    EXPECT_EQ(remote.state().position(), 5);
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 10);
    EXPECT_EQ(remote.state().temporaryVolume(), -1);
}

TEST(PlayerState, SmoothedTimeCountsOnAndMovesGently)
{
    ManualClock clock;
    VLCController remote;
    auto status = [](int time, const char* state = "playing") {
        return statusWith(QByteArray("<state>") + state + "</state><time>" + QByteArray::number(time)
                          + "</time><length>300</length>");
    };
    feed(remote, status(100));
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 100); // the first call jumps
    const double start = *remote.state().estimatedStartTime();
    EXPECT_DOUBLE_EQ(start, clock.now() - 100);

    // Replies that keep pace with the clock leave the estimate alone.
    clock.advance(5);
    feed(remote, status(105));
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 105);
    EXPECT_DOUBLE_EQ(*remote.state().estimatedStartTime(), start);

    // A reply implying a start one second later moves it by a fifth.
    feed(remote, status(104));
    remote.state().smoothedTimeElapsedSeconds();
    EXPECT_NEAR(*remote.state().estimatedStartTime() - start, 0.2, 1e-6);

    // Between replies the value keeps counting with the clock.
    clock.advance(1);
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 105);

    // Ten seconds off (a seek): all the way at once.
    feed(remote, status(200));
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 200);

    // Paused: exactly the reply's time, and the estimate is left alone.
    const double beforePause = *remote.state().estimatedStartTime();
    clock.advance(30);
    feed(remote, status(201, "paused"));
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 201);
    EXPECT_EQ(*remote.state().estimatedStartTime(), beforePause);
    // Playing again after a long pause jumps to the new start moment.
    feed(remote, status(201));
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 201);
    // A sought position is shown at once, before VLC confirms it.
    remote.setTemporaryPositionSeconds(250);
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 250);
}

TEST(PlayerState, ConnectionTextFollowsTheAgeOfTheLastReply)
{
    ManualClock clock;
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest&) {
        return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    });
    VLCController remote(RemoteRecord::forAddress(QStringLiteral("den")), &network);
    remote.setNickname(QStringLiteral("Den"));
    EXPECT_EQ(remote.status(), QStringLiteral("Trying to connect to Den"));
    remote.updateStatus();
    ASSERT_TRUE(waitUntil([&] { return remote.lastResponse().has_value(); }));
    EXPECT_EQ(remote.status(), QStringLiteral("Connected to Den"));
    clock.advance(2.5);
    EXPECT_EQ(remote.status(), QStringLiteral("Connected to Den")); // 2 whole seconds
    clock.advance(0.5);
    EXPECT_EQ(remote.status(), QStringLiteral("Lost connection to Den"));
    EXPECT_EQ(remote.connectionState(), ConnectionState::Lost);
}

TEST(PlayerState, PlaylistCurrentItemAndTitles)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-status-playing.xml")));
    feed(remote, fixture(QStringLiteral("vlc3-playlist.xml")));
    ASSERT_EQ(remote.state().itemsInPlaylist(), 2);
    EXPECT_EQ(remote.state().currentIndex().value_or(PlayerState::noCurrentItem), 1);
    EXPECT_EQ(remote.state().idForIndex(PlayerState::currentItem), 3);
    EXPECT_EQ(remote.state().idForIndex(0), 4);
    EXPECT_EQ(remote.state().idForIndex(2), 0);
    EXPECT_EQ(remote.state().idForIndex(-1), 0);
    EXPECT_EQ(remote.state().titleForIndex(PlayerState::currentItem), QStringLiteral("Bob's Café Song.wav"));
    EXPECT_EQ(remote.state().titleForIndex(5), std::nullopt);

    feed(remote, fixture(QStringLiteral("vlc3-playlist-empty.xml")));
    EXPECT_EQ(remote.state().itemsInPlaylist(), 0);
    EXPECT_EQ(remote.state().currentIndex().value_or(PlayerState::noCurrentItem), PlayerState::noCurrentItem);
}

TEST(PlayerState, LegacyPlaylistTitlesAndLuaCurrentItem)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("legacy-status.xml")));
    feed(remote, fixture(QStringLiteral("legacy-playlist.xml")));
    ASSERT_EQ(remote.state().itemsInPlaylist(), 4); // every leaf, whatever its depth
    // A percent-escaped Windows file URL: only the file name is the title.
    EXPECT_EQ(remote.state().titleForIndex(0), QStringLiteral("Holiday Film.mkv"));
    EXPECT_EQ(remote.state().titleForIndex(1), QStringLiteral("Café.mp3"));
    EXPECT_EQ(remote.state().titleForIndex(2), QStringLiteral("stream"));
    EXPECT_EQ(remote.state().currentIndex().value_or(PlayerState::noCurrentItem), 0); // the "current" marker

    // The Lua interface: the first item whose duration matches the length.
    remote.connection().setLuaMode(true);
    feed(remote, statusWith("<state>playing</state><length>180</length>"));
    EXPECT_EQ(remote.state().currentIndex().value_or(PlayerState::noCurrentItem), 1);
    feed(remote, statusWith("<state>playing</state><length>181</length>"));
    EXPECT_EQ(remote.state().currentIndex().value_or(PlayerState::noCurrentItem), PlayerState::noCurrentItem);
}

TEST(PlaylistFilter, FindsEveryWordInTheShownNamesWhateverCaseAndAccents)
{
    VLCController remote;
    feed(remote, "<node name='' id='0'><node name='Playlist' id='1'>"
                 "<leaf id='5' name='/Musik/Straße der Ölmühle.mp3'/><leaf id='6' name='ÆON FLUX'/>"
                 "<leaf id='7' name='Cafe&#769; Noir'/><leaf id='8' name='Musik'/></node></node>");
    const PlaylistFilter filter = PlaylistFilter::forRemote(remote);
    ASSERT_EQ(filter.size(), 4);
    using Rows = std::vector<int>;
    EXPECT_EQ(filter.rowsMatching(u"strasse OLMUHLE"), Rows { 0 });
    EXPECT_EQ(filter.rowsMatching(u"aeon"), Rows { 1 });
    // A decomposed accent and a composed one, typed either way.
    EXPECT_EQ(filter.rowsMatching(u"café"), Rows { 2 });
    EXPECT_EQ(filter.rowsMatching(u"noir cafe"), Rows { 2 });
    // The shown name, the last part of a title that is a path.
    EXPECT_EQ(filter.rowsMatching(u"musik"), Rows { 3 });
    EXPECT_EQ(filter.rowsMatching(u"café jazz"), Rows {});
    EXPECT_EQ(filter.rowsMatching(u"  "), (Rows { 0, 1, 2, 3 }));
    EXPECT_EQ(PlaylistFilter().rowsMatching(u"x"), Rows {});
}

TEST(PlayerState, TrackListsFollowTheCurrentItem)
{
    const ScopedLogRules rules(QStringLiteral("playerlink.vlc.debug=true"));
    ConsoleCapture log;
    VLCController remote;
    feed(remote, fixture(QStringLiteral("legacy-status.xml")));
    feed(remote, fixture(QStringLiteral("legacy-playlist.xml")));
    // Each list starts with the entry for no track; the streams follow
    // with their details as VLC gave them.
    ASSERT_EQ(int(remote.state().videoTracks().size()), 2);
    EXPECT_EQ(remote.state().videoTracks()[0].size(), 1);
    EXPECT_EQ(remote.state().videoTracks()[0].value(u"streamId"), QStringLiteral("-1"));
    EXPECT_EQ(remote.state().videoTracks()[1].value(u"Resolution"), QStringLiteral("1280x720"));
    ASSERT_EQ(int(remote.state().audioTracks().size()), 3);
    EXPECT_EQ(remote.state().audioTracks()[1].value(u"Language"), QStringLiteral("English"));
    ASSERT_EQ(int(remote.state().subtitleTracks().size()), 3);
    EXPECT_EQ(remote.state().subtitleTracks()[1].value(u"Description"), QStringLiteral("Forced"));
    EXPECT_EQ(remote.state().currentVideoTrack(), 1);    // stream id 0
    EXPECT_EQ(remote.state().currentAudioTrack(), 2);    // stream id 2
    EXPECT_EQ(remote.state().currentSubtitleTrack(), 1); // stream id 3
    EXPECT_TRUE(log.contains(QStringLiteral("playerlink.vlc: name: Stream 5")));
    EXPECT_TRUE(log.contains(QStringLiteral("playerlink.vlc: English : Language")));

    // Other streams rebuild the lists even for the same item: VLC 3 lists an
    // item's streams only once it has opened them.
    feed(remote, fixture(QStringLiteral("vlc3-status-tracks.xml")));
    EXPECT_EQ(int(remote.state().audioTracks().size()), 2);
    feed(remote, fixture(QStringLiteral("vlc3-playlist.xml")));
    EXPECT_EQ(int(remote.state().audioTracks().size()), 2);
    EXPECT_EQ(int(remote.state().videoTracks().size()), 2);
    EXPECT_EQ(remote.state().subtitleTracks()[1].value(u"Language"), QStringLiteral("German"));
}

TEST(PlayerState, StoredRepliesAnnounceThemselves)
{
    VLCController remote;
    QStringList seen;
    QObject::connect(&remote, &VLCController::statusChanged, [&seen] { seen << QStringLiteral("status"); });
    QObject::connect(&remote, &VLCController::playlistChanged, [&seen] { seen << QStringLiteral("playlist"); });
    QObject::connect(&remote, &VLCController::browseListChanged, [&seen] { seen << QStringLiteral("browse"); });
    feed(remote, fixture(QStringLiteral("vlc3-status-playing.xml")));
    feed(remote, fixture(QStringLiteral("vlc3-playlist.xml")));
    feed(remote, fixture(QStringLiteral("vlc3-browse.xml")));
    // Both markers: taken as a status reply.
    feed(remote, "<root><state>stop</state><node/></root>");
    EXPECT_EQ(seen, (QStringList { QStringLiteral("status"), QStringLiteral("playlist"), QStringLiteral("browse"),
                                   QStringLiteral("status") }));
}

TEST(PlayerState, UnrecognisedRepliesChangeNothing)
{
    ConsoleCapture log;
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-status-playing.xml")));
    const quint64 before = remote.state().statusGeneration();
    feed(remote, "<html>Lua error</html>", 500);
    feed(remote, "<root><state>\xff\xfe</state></root>"); // not UTF-8
    feed(remote, QByteArray());
    EXPECT_EQ(remote.state().statusGeneration(), before);
    EXPECT_TRUE(remote.state().isPlaying());
    // Logged once for the run of them, never the whole body.
    EXPECT_EQ(log.lines.filter(QStringLiteral("didn't understand")).size(), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("!!response we didn't understand \n<html>Lua error</html>")));
    feed(remote, fixture(QStringLiteral("vlc3-status-paused.xml")));
    feed(remote, "\x1b[2J\n2030-01-01 PlayerLink[1] forged line" + QByteArray(100000, 'x'));
    ASSERT_EQ(log.lines.filter(QStringLiteral("didn't understand")).size(), 2);
    const QString excerpt = log.lines.filter(QStringLiteral("didn't understand")).last();
    EXPECT_LT(excerpt.size(), 400);
    EXPECT_FALSE(excerpt.contains(QChar(0x1b)));
    EXPECT_TRUE(excerpt.contains(QStringLiteral("\\x1b[2J\\n2030-01-01 PlayerLink[1] forged line")));
    EXPECT_EQ(excerpt.count(u'\n'), 1) << "only the format's own line break";
}

// What comes with every new stream is the vlc category's debugging, for a
// developer who asks for it; the terminal stays quiet.
TEST(PlayerState, StreamDetailsAreLoggedOnlyWhileTheirCategoryIsOn)
{
    ConsoleCapture log;
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-status-tracks.xml")));
    ASSERT_EQ(int(remote.state().audioTracks().size()), 2);
    EXPECT_TRUE(log.lines.isEmpty()) << log.lines.join(u'\n').toStdString();

    const ScopedLogRules rules(QStringLiteral("playerlink.vlc.debug=true"));
    feed(remote, fixture(QStringLiteral("legacy-status.xml")));
    EXPECT_TRUE(log.contains(QStringLiteral("playerlink.vlc: name: Stream 5")));
}

TEST(PlayerState, AServerThatVariesItsStreamsOnEveryReplyCannotFloodTheLog)
{
    const ScopedLogRules rules(QStringLiteral("playerlink.vlc.debug=true"));
    ManualClock clock;
    ConsoleCapture log;
    VLCController remote;
    QByteArray infos;
    for (int i = 0; i < 50; ++i)
        infos += "<info name='Codec " + QByteArray::number(i) + "'>\x1b]0;owned\x07\n%d forged</info>";
    int polls = 0;
    for (; polls < 20; ++polls, clock.advance(1)) { // 20 seconds of the status poll
        QByteArray varying = infos;
        varying.replace("%d", QByteArray::number(polls));
        feed(remote, statusWith("<state>playing</state><information><category name='Stream 0'><info name='Type'>"
                                "Audio</info>" + varying + "</category></information>"));
        ASSERT_EQ(int(remote.state().audioTracks().size()), 2);
    }
    EXPECT_LE(log.lines.size(), 25) << "the first few of " << polls * 51 << " lines";
    EXPECT_TRUE(log.contains(QStringLiteral("playerlink.vlc: \\x1b]0;owned\\x07\\n0 forged : Codec 0")));
    for (const QString& line : log.lines)
        for (const QChar c : line)
            ASSERT_GE(c.unicode(), 0x20) << line.toStdString();
}

TEST(PlayerState, NumbersFromRepliesAreClampedToWhatTheyMean)
{
    VLCController remote;
    feed(remote, statusWith("<state>playing</state><apiversion>3</apiversion><length>2147483647</length>"
                            "<time>-1</time><position>3.3e67</position><rate>1e-300</rate>"
                            "<volume>99999999999999999999</volume><audiodelay>nan</audiodelay>"));
    EXPECT_EQ(remote.state().timeRemainingSeconds(), remote.state().timeLengthSeconds());
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 0);
    EXPECT_EQ(remote.state().position(), 100);
    EXPECT_EQ(remote.state().speed(), 32000);
    EXPECT_EQ(remote.state().volume(), 400); // the top of every volume control
    EXPECT_EQ(remote.state().audioDelay(), 0.0);
    feed(remote, statusWith("<state>paused</state><apiversion>3</apiversion><position>-inf</position>"
                            "<time>99999999999999999999999</time><length>-99999999999999999999</length>"
                            "<rate>1e309</rate><volume>-3</volume>"));
    EXPECT_EQ(remote.state().position(), 0);
    EXPECT_EQ(remote.state().timeLengthSeconds(), 0);
    EXPECT_EQ(remote.state().timeRemainingSeconds(), 0);
    EXPECT_EQ(remote.state().rate(), 32.0);
    EXPECT_EQ(remote.state().volume(), 0);
    // Exponents are read as numbers, whole numbers truncated toward zero.
    const std::pair<const char*, int> volumes[] = {
        { "1e308", 400 }, { "1E400", 400 }, { "2.56e2", 100 }, { "5.12E+2x", 200 }, { "25600e-2", 100 },
        { "-1e400", 0 }, { "1e-400", 0 }, { "0.0000001e9", 39 }, { "1e", 1 }, { "inf", 0 },
    };
    for (const auto& [raw, percent] : volumes) {
        feed(remote, statusWith(QByteArray("<state>stop</state><time>7</time><volume>") + raw + "</volume>"));
        EXPECT_EQ(remote.state().volume(), percent) << raw;
    }
    feed(remote, statusWith("<state>paused</state><time>3.99e1</time><length>1e2</length><rate>1e1</rate>"));
    EXPECT_EQ(remote.state().smoothedTimeElapsedSeconds(), 39);
    EXPECT_EQ(remote.state().timeRemainingSeconds(), 61);
}

TEST(PlayerState, StatusTitleComesFromTheMetadata)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-status-playing.xml")));
    EXPECT_EQ(remote.state().statusTitle(), QStringLiteral("Bob's Café Song.wav"));
    feed(remote, fixture(QStringLiteral("legacy-status.xml")));
    EXPECT_EQ(remote.state().statusTitle(), QStringLiteral("Holiday Film"));
}
