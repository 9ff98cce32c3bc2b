#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "vlc/RequestChannel.h"
#include "vlc/VLCController.h"

#include <gtest/gtest.h>

namespace {
// Answers like a VLC 3: a status document for status requests (commands
// included), its playlist and its start page.
FakeHttpServer::Response vlcLike(const FakeHttpServer::Request& r)
{
    if (r.target.startsWith("/requests/playlist.xml"))
        return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
    if (r.target.startsWith("/requests/status.xml"))
        return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    if (r.target == "/")
        return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-start-page-head.html")), "text/html");
    FakeHttpServer::Response none;
    none.status = 404;
    return none;
}

struct Recorder {
    QObject observer;
    QStringList names;
    explicit Recorder(VLCController& remote)
    {
        auto& center = NotificationCenter::defaultCenter();
        for (const QString& name : { NotificationNames::vlcStatusChanged, NotificationNames::vlcPlayListChanged,
                                     NotificationNames::vlcFoundValidRemote, NotificationNames::vlcFoundRemote })
            center.addObserver(&observer, name, [this](const Notification& n) { names << n.name; }, &remote);
    }
};

bool idle(VLCController& remote)
{
    return waitUntil([&] { return !remote.isBusy(); });
}
}

TEST(ReplyHandling, OnlyTheLastOfTwoCommandsIsProcessed)
{
    FakeHttpServer server;
    FakeHttpServer::Response slow = FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-paused.xml")));
    slow.delayMs = 250;
    server.enqueue(slow);
    server.setHandler(vlcLike);
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.pause();
    remote.stop();
    ASSERT_TRUE(idle(remote));
    spinEventLoop(400);
    EXPECT_EQ(remote.playbackState(), QStringLiteral("playing")); // not the slow paused reply
}

TEST(ReplyHandling, PollsGiveWayToCommandsAndCatchUpAfterwards)
{
    FakeHttpServer server;
    FakeHttpServer::Response slow = FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    slow.delayMs = 150;
    server.enqueue(slow);
    server.setHandler(vlcLike);
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.random();
    remote.setStatusDirty(false);
    remote.updateStatus(); // skipped entirely
    EXPECT_FALSE(remote.statusDirty());
    remote.updatePlaylist(); // deferred
    EXPECT_TRUE(remote.playlistDirty());
    ASSERT_TRUE(waitUntil([&] { return remote.hasPlaylist(); }));
    EXPECT_EQ(server.targets(), (QList<QByteArray> { "/requests/status.xml?command=pl_random", "/requests/playlist.xml" }));
    EXPECT_FALSE(remote.playlistDirty());
}

TEST(ReplyHandling, TheQueueRunsOneCodePerReplyBeforeTheDirtyFlags)
{
    FakeHttpServer server;
    server.setHandler(vlcLike);
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.updatePlaylist();
    ASSERT_TRUE(waitUntil([&] { return remote.hasPlaylist() && !remote.isBusy(); }));
    server.clearRequests();

    remote.enqueueFilename(QStringLiteral("/music/new.mp3")); // sets both dirty flags
    remote.addRequestToQueue(VLCController::QueuePlayLastItem);
    remote.addRequestToQueue(VLCController::QueueStop);
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() >= 5 && !remote.isBusy(); }));
    spinEventLoop(200);
    EXPECT_EQ(server.targets(), (QList<QByteArray> {
                                    "/requests/status.xml?command=in_enqueue&input=%2Fmusic%2Fnew.mp3",
                                    "/requests/status.xml?command=pl_play&id=3", // the last item
                                    "/requests/status.xml?command=pl_stop",
                                    "/requests/status.xml",
                                    "/requests/playlist.xml",
                                }));
}

TEST(ReplyHandling, ProbeTellsVlcFromEverythingElse)
{
    FakeHttpServer server;
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    Recorder seen(remote);
    auto probeWith = [&](FakeHttpServer::Response response) {
        server.enqueue(response);
        remote.searchForPlayerLink();
        EXPECT_EQ(remote.requestType(), VLCController::ProbeRequest);
        EXPECT_TRUE(idle(remote));
        EXPECT_EQ(remote.requestType(), VLCController::OrdinaryRequest);
    };

    probeWith(FakeHttpServer::ok(fixture(QStringLiteral("vlc3-start-page-head.html"))));
    EXPECT_TRUE(remote.remoteFound());
    EXPECT_TRUE(remote.luaMode());
    EXPECT_EQ(seen.names.takeLast(), NotificationNames::vlcFoundValidRemote);

    probeWith(FakeHttpServer::ok(fixture(QStringLiteral("legacy-start-page.html"))));
    EXPECT_TRUE(remote.remoteFound());
    EXPECT_FALSE(remote.luaMode());

    probeWith(FakeHttpServer::ok("<title>vLc MeDiA pLaYeR</title>"));
    EXPECT_TRUE(remote.remoteFound());

    FakeHttpServer::Response unauthorized;
    unauthorized.status = 401;
    unauthorized.body = fixture(QStringLiteral("vlc3-401.html"));
    unauthorized.addHeader("WWW-Authenticate", "Basic realm=\"VLC stream\"");
    probeWith(unauthorized);
    EXPECT_FALSE(remote.remoteFound());
    EXPECT_TRUE(remote.passwordRequired());
    EXPECT_FALSE(remote.passwordRefused()); // none was sent
    EXPECT_EQ(seen.names.takeLast(), NotificationNames::vlcFoundRemote);
    remote.setPassword(QStringLiteral("wrong"));
    EXPECT_TRUE(remote.passwordRefused());

    FakeHttpServer::Response notSet;
    notSet.status = 403;
    notSet.body = fixture(QStringLiteral("vlc3-403-no-password.html"));
    probeWith(notSet);
    EXPECT_FALSE(remote.remoteFound()); // despite "VLC media player" on the page
    EXPECT_TRUE(remote.passwordNotSet());
    EXPECT_FALSE(remote.passwordRequired());
    EXPECT_EQ(seen.names.takeLast(), NotificationNames::vlcFoundRemote);

    FakeHttpServer::Response forbidden;
    forbidden.status = 403;
    forbidden.body = fixture(QStringLiteral("forbidden-page.html"));
    probeWith(forbidden);
    EXPECT_TRUE(remote.forbidden());
    EXPECT_EQ(seen.names.takeLast(), NotificationNames::vlcFoundRemote);

    // Some other web server: not found, nothing posted, forbidden stays.
    const int before = seen.names.size();
    probeWith(FakeHttpServer::ok("<html><title>Printer</title></html>"));
    EXPECT_FALSE(remote.remoteFound());
    EXPECT_TRUE(remote.forbidden());
    EXPECT_EQ(seen.names.size(), before);

    // A 401 that is not VLC's is nobody's password prompt.
    FakeHttpServer::Response router;
    router.status = 401;
    router.body = "<title>Router login</title>";
    router.addHeader("WWW-Authenticate", "Basic realm=\"Router\"");
    remote.setPassword(QString());
    probeWith(FakeHttpServer::ok(fixture(QStringLiteral("vlc3-start-page-head.html"))));
    probeWith(router);
    EXPECT_FALSE(remote.passwordRequired());
    EXPECT_FALSE(remote.remoteFound());
}

TEST(ReplyHandling, AFailedProbeDoesNotSwallowTheNextStatus)
{
    FakeHttpServer server;
    FakeHttpServer::Response hang;
    hang.hang = true;
    server.enqueue(hang);
    server.setHandler(vlcLike);
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.channel().setIdleTimeoutMs(200);
    remote.searchForPlayerLink();
    ASSERT_TRUE(idle(remote)); // timed out
    EXPECT_FALSE(remote.remoteFound());

    Recorder seen(remote);
    remote.updateStatus();
    ASSERT_TRUE(idle(remote));
    EXPECT_EQ(seen.names, QStringList { NotificationNames::vlcStatusChanged });
    EXPECT_TRUE(remote.isPlaying());
    EXPECT_FALSE(remote.remoteFound()); // the status was not taken as a probe reply
}

TEST(ReplyHandling, ACommandSupersedesAProbe)
{
    FakeHttpServer server;
    FakeHttpServer::Response slowPage = FakeHttpServer::ok(fixture(QStringLiteral("vlc3-start-page-head.html")));
    slowPage.delayMs = 200;
    server.enqueue(slowPage);
    server.setHandler(vlcLike);
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    Recorder seen(remote);
    remote.searchForPlayerLink();
    remote.pause();
    EXPECT_EQ(remote.requestType(), VLCController::OrdinaryRequest);
    ASSERT_TRUE(idle(remote));
    spinEventLoop(300);
    EXPECT_EQ(seen.names, QStringList { NotificationNames::vlcStatusChanged });
}

TEST(ReplyHandling, FailuresChangeNothingButFreeTheChannel)
{
    VLCController remote;
    remote.setHostAddress(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()));
    remote.addRequestToQueue(VLCController::QueueStop);
    std::optional<RequestFailure> failure;
    QObject::connect(&remote, &VLCController::requestFailed, [&](RequestFailure f) { failure = f; });
    remote.updateStatus();
    ASSERT_TRUE(waitUntil([&] { return failure.has_value(); }));
    EXPECT_FALSE(remote.isBusy());
    EXPECT_FALSE(remote.lastResponse().has_value());
    EXPECT_EQ(remote.requestQueue().size(), 1u); // the queue waits for a completed reply
}

TEST(ReplyHandling, BrokenBodiesAreReadAsFarAsTheyGo)
{
    FakeHttpServer server;
    server.enqueue(FakeHttpServer::ok("<root><state>paused</state><volume>256</volume><time>4"));
    server.enqueue(FakeHttpServer::ok("<root><state>playing\xff</state></root>"));
    server.enqueue(FakeHttpServer::ok(QByteArray()));
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    std::vector<VLCController::ReplyKind> kinds;
    QObject::connect(&remote, &VLCController::replyHandled, [&](VLCController::ReplyKind kind, int) { kinds.push_back(kind); });
    for (int i = 0; i < 3; ++i) {
        remote.addRequestToQueue(42); // each completed reply takes one code
        remote.updateStatus();
        ASSERT_TRUE(idle(remote));
    }
    // A document cut short is kept as far as it was read; bytes that are not
    // UTF-8 and an empty body are not understood and change nothing.
    EXPECT_EQ(kinds, (std::vector<VLCController::ReplyKind> { VLCController::ReplyKind::Status,
                                                               VLCController::ReplyKind::Unrecognised,
                                                               VLCController::ReplyKind::Unrecognised }));
    EXPECT_EQ(remote.playbackState(), QStringLiteral("paused"));
    EXPECT_EQ(remote.volume(), 100);
    EXPECT_EQ(remote.timeElapsedSeconds(), 0);
    EXPECT_TRUE(remote.requestQueue().empty());
}

TEST(ReplyHandling, AnAddressThatMakesNoUrlGivesTheErrorAlert)
{
    CapturingAlertPresenter alerts;
    VLCController remote;
    remote.setHostAddress(QStringLiteral("my pc"));
    remote.pause();
    EXPECT_FALSE(remote.isBusy());
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].title, QStringLiteral("Error..."));
    EXPECT_EQ(alerts.alerts[0].message,
              QStringLiteral("there was an internal error trying to access http://my pc:8080/requests/status.xml?command="
                             "pl_pause\n\nSorry."));
    EXPECT_EQ(alerts.alerts[0].buttons, QStringList { QStringLiteral("Ok") });
}

TEST(ReplyHandling, ARefusedPasswordShowsInTheConnectionText)
{
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request& r) {
        if (r.headers.value("authorization") == "Basic " + QByteArray(":right").toBase64())
            return vlcLike(r);
        FakeHttpServer::Response denied;
        denied.status = 401;
        denied.body = fixture(QStringLiteral("vlc3-401.html"));
        denied.addHeader("WWW-Authenticate", "Basic realm=\"VLC stream\"");
        return denied;
    });
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.setNickname(QStringLiteral("Den"));
    remote.updateStatus();
    ASSERT_TRUE(idle(remote));
    EXPECT_EQ(remote.status(), QStringLiteral("Password needed for Den"));
    remote.setPassword(QStringLiteral("wrong"));
    remote.updateStatus();
    ASSERT_TRUE(idle(remote));
    EXPECT_EQ(remote.status(), QStringLiteral("Wrong password for Den"));
    remote.setPassword(QStringLiteral("right"));
    remote.updateStatus();
    ASSERT_TRUE(idle(remote));
    EXPECT_EQ(remote.status(), QStringLiteral("Connected to Den"));
    EXPECT_TRUE(remote.isPlaying());
}

TEST(ReplyHandling, AHundredThousandItemPlaylistFits)
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?>\n<node name=\"\" id=\"0\" "
                      "ro=\"rw\">\n<node name=\"Playlist\" id=\"1\" ro=\"ro\">";
    for (int i = 0; i < 100000; ++i)
        body += "\n<leaf name=\"Track number " + QByteArray::number(i) + ".mp3\" ro=\"rw\" id=\"" + QByteArray::number(i + 10)
            + "\" uri=\"file:///home/someone/Music/Some%20Artist/Some%20Album%20Name/Track%20number%20"
            + QByteArray::number(i) + ".mp3\" duration=\"215\"/>";
    body += "</node>\n<node name=\"Media Library\" id=\"2\" ro=\"ro\"></node></node>";
    FakeHttpServer server;
    server.enqueue(FakeHttpServer::ok(body));
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.updatePlaylist();
    ASSERT_TRUE(waitUntil([&] { return remote.hasPlaylist(); }, 30000));
    EXPECT_EQ(remote.itemsInPlaylist(), 100000);
    EXPECT_EQ(remote.idForIndex(99999), 100009);
}
