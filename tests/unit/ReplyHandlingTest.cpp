#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/RequestChannel.h"
#include "vlc/VLCController.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {
// Answers like a VLC 3: a status document for status requests (commands
// included), its playlist and its start page.
MemoryNetwork::Response vlcLike(const QNetworkRequest& r)
{
    const QString path = r.url().path();
    if (path == u"/requests/playlist.xml")
        return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
    if (path == u"/requests/status.xml")
        return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    if (path == u"/")
        return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-start-page-head.html")));
    MemoryNetwork::Response none;
    none.status = 404;
    return none;
}

// What the remote announced, in order, by signal name.
struct Recorder {
    QObject context;
    QStringList names;
    explicit Recorder(VLCController& remote)
    {
        const auto record = [&](void (VLCController::*signal)(), const char* name) {
            QObject::connect(&remote, signal, &context, [this, name] { names << QLatin1String(name); });
        };
        record(&VLCController::statusChanged, "statusChanged");
        record(&VLCController::playlistChanged, "playlistChanged");
        record(&VLCController::foundValidRemote, "foundValidRemote");
        record(&VLCController::foundRemote, "foundRemote");
    }
};

// A remote on an in-memory network, with what every request ended in.
struct Remote {
    MemoryNetwork network;
    VLCController remote { RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &network };
    std::vector<RequestResult> results;
    Remote()
    {
        QObject::connect(&remote, &VLCController::requestConcluded,
                         [this](const RequestResult& r) { results.push_back(r); });
    }
    bool idle() { return waitUntil([&] { return !remote.isBusy(); }); }
    // Every reply asked for has come and been handled, those of superseded
    // requests and of what the replies set off included.
    bool settled() { return waitUntil([&] { return network.inFlight() == 0 && !remote.isBusy(); }); }
};
}

TEST(ReplyHandling, OnlyTheLastOfTwoCommandsIsProcessed)
{
    Remote r;
    r.network.enqueue(MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-paused.xml"))));
    r.network.setHandler(vlcLike);
    r.remote.pause();
    r.remote.stop();
    ASSERT_TRUE(r.idle());
    ASSERT_TRUE(r.settled()); // late replies included
    EXPECT_EQ(r.remote.state().playbackState(), QStringLiteral("playing")); // not the superseded paused reply
    EXPECT_EQ(r.results.size(), 1u);
}

TEST(ReplyHandling, PollsGiveWayToCommandsAndCatchUpAfterwards)
{
    Remote r;
    r.network.setHandler(vlcLike);
    r.remote.random();
    r.remote.connection().setStatusDirty(false);
    r.remote.updateStatus(); // skipped entirely
    EXPECT_FALSE(r.remote.connection().statusDirty());
    r.remote.updatePlaylist(); // deferred
    EXPECT_TRUE(r.remote.connection().playlistDirty());
    ASSERT_TRUE(waitUntil([&] { return r.remote.state().hasPlaylist(); }));
    EXPECT_EQ(r.network.targets(),
              (QList<QByteArray> { "/requests/status.xml?command=pl_random", "/requests/playlist.xml" }));
    EXPECT_FALSE(r.remote.connection().playlistDirty());
}

TEST(ReplyHandling, TheQueueRunsOneCodePerReplyBeforeTheDirtyFlags)
{
    Remote r;
    r.network.setHandler(vlcLike);
    r.remote.updatePlaylist();
    ASSERT_TRUE(waitUntil([&] { return r.remote.state().hasPlaylist() && !r.remote.isBusy(); }));
    r.network.clearRequests();

    r.remote.enqueueFilename(QStringLiteral("/music/new.mp3")); // sets both dirty flags
    r.remote.connection().addRequestToQueue(VLCController::QueuePlayLastItem);
    r.remote.connection().addRequestToQueue(VLCController::QueueStop);
    ASSERT_TRUE(waitUntil([&] { return r.network.targets().size() >= 6 && !r.remote.isBusy(); }));
    ASSERT_TRUE(r.settled()); // late replies included
    // Playing the last item waits for the playlist that holds the new one.
    EXPECT_EQ(r.network.targets(), (QList<QByteArray> {
                                       "/requests/status.xml?command=in_enqueue&input=%2Fmusic%2Fnew.mp3",
                                       "/requests/playlist.xml",
                                       "/requests/status.xml?command=pl_play&id=3", // the last item
                                       "/requests/status.xml?command=pl_stop",
                                       "/requests/status.xml",
                                       "/requests/playlist.xml",
                                   }));
}

TEST(ReplyHandling, ProbeTellsVlcFromEverythingElse)
{
    Remote r;
    VLCController& remote = r.remote;
    Recorder seen(remote);
    auto probeWith = [&](MemoryNetwork::Response response) {
        r.network.enqueue(response);
        remote.searchForPlayerLink();
        EXPECT_EQ(remote.connection().requestType(), VLCController::ProbeRequest);
        EXPECT_TRUE(r.idle());
        EXPECT_EQ(remote.connection().requestType(), VLCController::OrdinaryRequest);
    };

    probeWith(MemoryNetwork::ok(fixture(QStringLiteral("vlc3-start-page-head.html"))));
    EXPECT_TRUE(remote.remoteFound());
    EXPECT_TRUE(remote.luaMode());
    EXPECT_EQ(seen.names.takeLast(), u"foundValidRemote");

    probeWith(MemoryNetwork::ok(fixture(QStringLiteral("legacy-start-page.html"))));
    EXPECT_TRUE(remote.remoteFound());
    EXPECT_FALSE(remote.luaMode());

    probeWith(MemoryNetwork::ok("<title>vLc MeDiA pLaYeR</title>"));
    EXPECT_TRUE(remote.remoteFound());

    MemoryNetwork::Response unauthorized;
    unauthorized.status = 401;
    unauthorized.body = fixture(QStringLiteral("vlc3-401.html"));
    unauthorized.addHeader("WWW-Authenticate", "Basic realm=\"VLC stream\"");
    probeWith(unauthorized);
    EXPECT_FALSE(remote.remoteFound());
    EXPECT_TRUE(remote.passwordRequired());
    EXPECT_FALSE(remote.passwordRefused()); // none was sent
    EXPECT_EQ(seen.names.takeLast(), u"foundRemote");
    remote.setPassword(QStringLiteral("wrong"));
    EXPECT_FALSE(remote.passwordRefused()) << "not refused before VLC has answered it";
    probeWith(unauthorized);
    EXPECT_TRUE(remote.passwordRefused());

    MemoryNetwork::Response notSet;
    notSet.status = 403;
    notSet.body = fixture(QStringLiteral("vlc3-403-no-password.html"));
    probeWith(notSet);
    EXPECT_FALSE(remote.remoteFound()); // despite "VLC media player" on the page
    EXPECT_TRUE(remote.passwordNotSet());
    EXPECT_FALSE(remote.passwordRequired());
    EXPECT_EQ(seen.names.takeLast(), u"foundRemote");

    MemoryNetwork::Response forbidden;
    forbidden.status = 403;
    forbidden.body = fixture(QStringLiteral("forbidden-page.html"));
    probeWith(forbidden);
    EXPECT_TRUE(remote.forbidden());
    EXPECT_EQ(seen.names.takeLast(), u"foundRemote");

    // Some other web server: not found, nothing announced, forbidden stays.
    const int before = seen.names.size();
    probeWith(MemoryNetwork::ok("<html><title>Printer</title></html>"));
    EXPECT_FALSE(remote.remoteFound());
    EXPECT_TRUE(remote.forbidden());
    EXPECT_EQ(seen.names.size(), before);

    // A 401 that is not VLC's is nobody's password prompt.
    MemoryNetwork::Response router;
    router.status = 401;
    router.body = "<title>Router login</title>";
    router.addHeader("WWW-Authenticate", "Basic realm=\"Router\"");
    remote.setPassword(QString());
    probeWith(MemoryNetwork::ok(fixture(QStringLiteral("vlc3-start-page-head.html"))));
    probeWith(router);
    EXPECT_FALSE(remote.passwordRequired());
    EXPECT_FALSE(remote.remoteFound());
}

TEST(ReplyHandling, AFailedProbeDoesNotSwallowTheNextStatus)
{
    Remote r;
    r.network.enqueue(MemoryNetwork::refused());
    r.network.setHandler(vlcLike);
    r.remote.searchForPlayerLink();
    ASSERT_TRUE(r.idle());
    EXPECT_FALSE(r.remote.remoteFound());

    Recorder seen(r.remote);
    r.remote.updateStatus();
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(seen.names, QStringList { QStringLiteral("statusChanged") });
    EXPECT_TRUE(r.remote.state().isPlaying());
    EXPECT_FALSE(r.remote.remoteFound()); // the status was not taken as a probe reply
}

TEST(ReplyHandling, ACommandSupersedesAProbe)
{
    Remote r;
    r.network.setHandler(vlcLike);
    Recorder seen(r.remote);
    r.remote.searchForPlayerLink();
    r.remote.pause();
    EXPECT_EQ(r.remote.connection().requestType(), VLCController::OrdinaryRequest);
    ASSERT_TRUE(r.idle());
    ASSERT_TRUE(r.settled()); // late replies included
    EXPECT_EQ(seen.names, QStringList { QStringLiteral("statusChanged") });
}

TEST(ReplyHandling, FailuresAreTypedChangeNothingAndFreeTheChannel)
{
    Remote r;
    r.network.enqueue(MemoryNetwork::refused());
    r.remote.connection().addRequestToQueue(VLCController::QueueStop);
    r.remote.updateStatus();
    ASSERT_TRUE(waitUntil([&] { return !r.results.empty(); }));
    EXPECT_EQ(r.results[0].failure, RequestFailure::Network);
    EXPECT_FALSE(r.results[0].ok());
    EXPECT_FALSE(r.remote.isBusy());
    EXPECT_FALSE(r.remote.lastResponse().has_value());
    EXPECT_EQ(r.remote.connectionState(), ConnectionState::Connecting);
    EXPECT_EQ(r.remote.connection().requestQueue().size(), 1u); // the queue waits for a completed reply

    // A request that never answers ends with the idle time-out.
    MemoryNetwork::Response hang;
    hang.hang = true;
    r.network.enqueue(hang);
    r.remote.connection().channel().setIdleTimeoutMs(50);
    r.remote.updateStatus();
    ASSERT_TRUE(waitUntil([&] { return r.results.size() == 2; }));
    EXPECT_EQ(r.results[1].failure, RequestFailure::IdleTimeout);
}

TEST(ReplyHandling, BrokenBodiesAreReadAsFarAsTheyGo)
{
    Remote r;
    r.network.enqueue(MemoryNetwork::ok("<root><state>paused</state><volume>256</volume><time>4"));
    r.network.enqueue(MemoryNetwork::ok("<root><state>playing\xff</state></root>"));
    r.network.enqueue(MemoryNetwork::ok(QByteArray()));
    for (int i = 0; i < 3; ++i) {
        r.remote.connection().addRequestToQueue(42); // each completed reply takes one code
        r.remote.updateStatus();
        ASSERT_TRUE(r.idle());
    }
    // A document cut short is kept as far as it was read; bytes that are not
    // UTF-8 and an empty body are not understood and change nothing.
    ASSERT_EQ(r.results.size(), 3u);
    EXPECT_EQ(r.results[0].reply, ReplyKind::Status);
    EXPECT_EQ(r.results[1].reply, ReplyKind::Unrecognised);
    EXPECT_EQ(r.results[2].reply, ReplyKind::Unrecognised);
    EXPECT_EQ(r.remote.state().playbackState(), QStringLiteral("paused"));
    EXPECT_EQ(r.remote.state().volume(), 100);
    EXPECT_EQ(r.remote.state().smoothedTimeElapsedSeconds(), 0); // the cut element never ended
    EXPECT_TRUE(r.remote.connection().requestQueue().empty());
}

TEST(ReplyHandling, AnAddressThatMakesNoUrlIsAnOutcomeNotAnAlert)
{
    CapturingAlertPresenter alerts;
    Remote r;
    r.remote.setHostAddress(QStringLiteral("my pc"));
    r.remote.pause();
    EXPECT_FALSE(r.remote.isBusy());
    ASSERT_TRUE(waitUntil([&] { return !r.results.empty(); }));
    EXPECT_TRUE(r.results[0].invalidAddress);
    EXPECT_EQ(r.results[0].target, QStringLiteral("http://my pc:8080/requests/status.xml?command=pl_pause"));
    EXPECT_TRUE(alerts.alerts.empty());
    EXPECT_TRUE(r.network.requests().empty());
}

TEST(ReplyHandling, ARefusedPasswordShowsInTheConnectionState)
{
    Remote r;
    r.network.setHandler([](const QNetworkRequest& request) {
        if (request.rawHeader("Authorization") == "Basic " + QByteArray(":right").toBase64())
            return vlcLike(request);
        MemoryNetwork::Response denied;
        denied.status = 401;
        denied.body = fixture(QStringLiteral("vlc3-401.html"));
        denied.addHeader("WWW-Authenticate", "Basic realm=\"VLC stream\"");
        return denied;
    });
    VLCController& remote = r.remote;
    remote.setNickname(QStringLiteral("Den"));
    remote.updateStatus();
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(remote.connectionState(), ConnectionState::PasswordNeeded);
    EXPECT_EQ(remote.status(), QStringLiteral("Password needed for Den"));
    remote.setPassword(QStringLiteral("wrong"));
    remote.updateStatus();
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(remote.status(), QStringLiteral("Wrong password for Den"));
    remote.setPassword(QStringLiteral("right"));
    EXPECT_EQ(remote.connectionState(), ConnectionState::Connecting) << "not wrong before VLC has answered it";
    remote.updateStatus();
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(remote.status(), QStringLiteral("Connected to Den"));
    EXPECT_EQ(RemoteTypeNames::of(remote.connectionState()), QStringLiteral("connected"));
    EXPECT_TRUE(remote.state().isPlaying());
}

TEST(ReplyHandling, AHundredThousandItemPlaylistFits)
{
    // One item repeated, then its three numbers written in place: building
    // it piece by piece under the sanitizers would cost more than reading it.
    const QByteArray item = "\n<leaf name=\"Track number 000000.mp3\" ro=\"rw\" id=\"000000\" uri=\"file:///home/"
                            "someone/Music/Some%20Artist/Some%20Album%20Name/Track%20number%20000000.mp3\" "
                            "duration=\"215\"/>";
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n<node name=\"\" id=\"0\" "
                            "ro=\"rw\">\n<node name=\"Playlist\" id=\"1\" ro=\"ro\">";
    QByteArray body = head + item.repeated(100000)
        + "</node>\n<node name=\"Media Library\" id=\"2\" ro=\"ro\"></node></node>";
    const qsizetype fields[] = { item.indexOf("000000"), item.indexOf("000000\" uri"), item.lastIndexOf("000000") };
    char* items = body.data() + head.size();
    for (int i = 0; i < 100000; ++i) {
        char* at = items + qsizetype(i) * item.size();
        for (int f = 0; f < 3; ++f) {
            int n = f == 1 ? i + 10 : i;
            for (int digit = 5; digit >= 0; --digit, n /= 10)
                at[fields[f] + digit] = char('0' + n % 10);
        }
    }
    Remote r;
    r.network.enqueue(MemoryNetwork::ok(body));
    r.remote.updatePlaylist();
    ASSERT_TRUE(waitUntil([&] { return r.remote.state().hasPlaylist(); }, 30000));
    EXPECT_EQ(r.remote.state().itemsInPlaylist(), 100000);
    EXPECT_EQ(r.remote.state().idForIndex(99999), 100009);
    // No item is current: nothing may stand for it, not even row 65520.
    EXPECT_EQ(r.remote.state().currentIndex(), std::nullopt);
    EXPECT_EQ(r.remote.state().currentIndex().value_or(PlayerState::noCurrentItem), PlayerState::noCurrentItem);
    EXPECT_EQ(r.remote.state().titleForIndex(PlayerState::currentItem), std::nullopt);
}

TEST(ReplyHandling, UnchangedRepliesAreNeitherReadNorAnnounced)
{
    Remote r;
    r.network.setHandler(vlcLike);
    Recorder seen(r.remote);
    for (int i = 0; i < 3; ++i) {
        r.remote.updateStatus();
        ASSERT_TRUE(r.idle());
        r.remote.updatePlaylist();
        ASSERT_TRUE(r.idle());
    }
    EXPECT_EQ(seen.names, (QStringList { QStringLiteral("statusChanged"), QStringLiteral("playlistChanged") }));
    EXPECT_EQ(r.remote.state().statusGeneration(), 1u);
    EXPECT_EQ(r.remote.state().playlistGeneration(), 1u);
    EXPECT_TRUE(r.results.back().unchanged);

    // A value shown while a command was on its way still goes, and that is
    // announced, even when VLC's reply did not change.
    r.remote.setVolume(20);
    ASSERT_TRUE(r.idle()); // the command's own reply keeps it
    EXPECT_EQ(r.remote.state().volume(), 20);
    r.remote.updateStatus();
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(r.remote.state().volume(), 150);
    EXPECT_EQ(seen.names.count(QStringLiteral("statusChanged")), 2);
}

TEST(ReplyHandling, PollsWhoseRepliesKeepFailingAreHeldBackUntilAGoodOne)
{
    ManualClock clock;
    const double start = clock.now();
    Remote r;
    r.remote.setNickname(QStringLiteral("Den"));
    bool statusJunk = true;
    bool playlistJunk = false;
    const QByteArray endless(RemoteConnection::maxListBytes + 1, '<'); // cut at the cap
    r.network.setHandler([&](const QNetworkRequest& request) {
        if (request.url().path() == u"/requests/status.xml" && statusJunk)
            return MemoryNetwork::ok("<html><body>It works!</body></html>");
        if (request.url().path() == u"/requests/playlist.xml" && playlistJunk)
            return MemoryNetwork::ok(endless);
        return vlcLike(request);
    });
    // The remote screen's timers: a poll every so many seconds; the moments
    // at which one was sent.
    std::vector<int> sentAt;
    auto poll = [&](int every, int seconds, const std::function<void()>& ask) {
        sentAt.clear();
        for (int t = 0; t < seconds; t += every, clock.advance(every)) {
            const size_t before = r.network.requests().size();
            ask();
            ASSERT_TRUE(r.settled());
            if (r.network.requests().size() > before)
                sentAt.push_back(int(clock.now() - start));
        }
    };
    auto updateStatus = [&] { r.remote.updateStatus(); };

    r.remote.updateStatus();
    ASSERT_TRUE(r.settled());
    EXPECT_EQ(r.remote.connectionState(), ConnectionState::Connected) << "a single bad reply changes nothing";
    clock.advance(1);
    poll(1, 199, updateStatus);
    EXPECT_EQ(sentAt, (std::vector<int> { 1, 3, 7, 15, 31, 63, 123, 183 }));
    EXPECT_EQ(r.remote.connectionState(), ConnectionState::UnusableReplies);
    EXPECT_EQ(r.remote.status(), QStringLiteral("No usable answer from Den"));

    // VLC is back: the next poll allowed finds it, and every second again.
    statusJunk = false;
    poll(1, 70, updateStatus);
    ASSERT_FALSE(sentAt.empty());
    EXPECT_EQ(sentAt.front(), 243);
    EXPECT_EQ(sentAt.size(), 27u);
    EXPECT_EQ(r.remote.connectionState(), ConnectionState::Connected);

    // A playlist without end, fetched to the cap: polled every 3 seconds,
    // held back the same way; the status stays good.
    playlistJunk = true;
    auto pollPlaylist = [&] { r.remote.pollPlaylist(); };
    poll(3, 150, pollPlaylist);
    EXPECT_EQ(sentAt, (std::vector<int> { 270, 273, 276, 282, 291, 309, 342, 402 }));
    EXPECT_EQ(r.results.back().failure, RequestFailure::TooLarge);
    // A poll that came while a fetch was on its way left the playlist
    // marked: it waits too, and the status stays good.
    r.remote.connection().setPlaylistDirty(true);
    r.remote.updateStatus();
    ASSERT_TRUE(r.settled());
    EXPECT_EQ(r.network.targets().last(), "/requests/status.xml");
    EXPECT_EQ(r.remote.connectionState(), ConnectionState::Connected);
    playlistJunk = false;
    poll(3, 70, pollPlaylist);
    ASSERT_FALSE(sentAt.empty());
    EXPECT_EQ(sentAt.front(), 462);
    EXPECT_EQ(sentAt.size(), 10u);
    EXPECT_TRUE(r.remote.state().hasPlaylist());
}
