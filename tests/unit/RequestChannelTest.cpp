#include "FakeHttpServer.h"
#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/RequestChannel.h"

#include <QFile>
#include <QNetworkAccessManager>


#include <gtest/gtest.h>

#include <optional>

namespace {
struct Outcome {
    std::optional<HttpReply> reply;
    std::optional<RequestFailure> failure;
    int tag = -1;
    bool done() const { return reply || failure; }
};

void listen(RequestChannel& channel, Outcome& outcome)
{
    QObject::connect(&channel, &RequestChannel::finished, [&outcome](int tag, const HttpReply& r) {
        outcome.reply = r;
        outcome.tag = tag;
    });
    QObject::connect(&channel, &RequestChannel::failed, [&outcome](int tag, RequestFailure f) {
        outcome.failure = f;
        outcome.tag = tag;
    });
}

QUrl urlOf(const FakeHttpServer& server, const QString& path = QStringLiteral("/requests/status.xml"))
{
    return QUrl(QStringLiteral("http://%1%2").arg(server.hostAddress(), path));
}
}

TEST(RequestChannel, DeliversAnyHttpStatusWithItsBody)
{
    FakeHttpServer server;
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    for (int status : { 200, 401, 403, 404, 500 }) {
        FakeHttpServer::Response r;
        r.status = status;
        r.body = "body " + QByteArray::number(status);
        if (status == 401)
            r.addHeader("WWW-Authenticate", "Basic realm=\"VLC stream\"");
        server.enqueue(r);
        Outcome outcome;
        listen(channel, outcome);
        channel.send(urlOf(server), 7);
        EXPECT_TRUE(channel.busy());
        ASSERT_TRUE(waitUntil([&] { return outcome.done(); })) << status;
        channel.disconnect();
        ASSERT_TRUE(outcome.reply) << status;
        EXPECT_EQ(outcome.reply->httpStatus, status);
        EXPECT_EQ(outcome.reply->body, "body " + QByteArray::number(status));
        EXPECT_EQ(outcome.tag, 7);
        EXPECT_FALSE(channel.busy());
        if (status == 401)
            EXPECT_EQ(outcome.reply->wwwAuthenticate, QByteArray("Basic realm=\"VLC stream\""));
    }
}

TEST(RequestChannel, ANewRequestSupersedesTheOneInFlight)
{
    MemoryNetwork network;
    MemoryNetwork::Response late = MemoryNetwork::ok("first");
    late.held = true;
    network.enqueue(late);
    network.enqueue(MemoryNetwork::ok("second"));
    RequestChannel channel(&network);
    std::vector<QByteArray> bodies;
    QObject::connect(&channel, &RequestChannel::finished, [&](int, const HttpReply& r) { bodies.push_back(r.body); });
    channel.send(QUrl(QStringLiteral("http://vlc.test:8080/one")), 0);
    channel.send(QUrl(QStringLiteral("http://vlc.test:8080/two")), 0);
    ASSERT_TRUE(waitUntil([&] { return !bodies.empty(); }));
    network.releaseHeld(); // the first one's late answer is ignored
    EXPECT_TRUE(waitUntil([&] { return channel.runningCount() == 0; }));
    EXPECT_EQ(bodies, std::vector<QByteArray> { "second" });
    // Abandoned, not cancelled: the first request went out and was let run.
    EXPECT_EQ(network.targets(), (QList<QByteArray> { "/one", "/two" }));
    EXPECT_EQ(network.aborts(), 0);
}

TEST(RequestChannel, ClearForgetsTheRequestWithoutCancellingIt)
{
    MemoryNetwork network;
    MemoryNetwork::Response late = MemoryNetwork::ok("late");
    late.held = true;
    network.enqueue(late);
    RequestChannel channel(&network);
    Outcome outcome;
    listen(channel, outcome);
    channel.send(QUrl(QStringLiteral("http://vlc.test:8080/requests/status.xml")), 0);
    channel.clear();
    EXPECT_FALSE(channel.busy());
    network.releaseHeld(); // its late reply is told to nobody
    EXPECT_TRUE(waitUntil([&] { return channel.runningCount() == 0; }));
    EXPECT_FALSE(outcome.done());
    EXPECT_EQ(network.requests().size(), 1u);
    EXPECT_EQ(network.aborts(), 0);
}

TEST(RequestChannel, FailuresAreToldApart)
{
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    channel.setIdleTimeoutMs(100);
    channel.setDeadlineMs(1500);

    Outcome refused;
    listen(channel, refused);
    channel.send(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(unusedLoopbackPort())), 0);
    ASSERT_TRUE(waitUntil([&] { return refused.done(); }));
    EXPECT_EQ(refused.failure, RequestFailure::Network);
    channel.disconnect();

    FakeHttpServer server;
    FakeHttpServer::Response hang;
    hang.hang = true;
    server.enqueue(hang);
    Outcome silent;
    listen(channel, silent);
    channel.send(urlOf(server), 0);
    ASSERT_TRUE(waitUntil([&] { return silent.done(); }));
    EXPECT_EQ(silent.failure, RequestFailure::IdleTimeout);
    channel.disconnect();

    FakeHttpServer::Response cut = FakeHttpServer::ok(QByteArray(2000, 'x'));
    cut.closeEarly = true;
    server.enqueue(cut);
    Outcome closed;
    listen(channel, closed);
    channel.send(urlOf(server), 0);
    ASSERT_TRUE(waitUntil([&] { return closed.done(); }));
    EXPECT_EQ(closed.failure, RequestFailure::Network);
    EXPECT_FALSE(channel.busy());
}

TEST(RequestChannel, TricklingBytesCannotHoldTheChannelForever)
{
    FakeHttpServer server;
    FakeHttpServer::Response trickle = FakeHttpServer::ok(QByteArray(400, 'x'));
    trickle.trickleChunk = 1;
    trickle.trickleIntervalMs = 20; // each byte well within the idle time-out
    server.enqueue(trickle);
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    channel.setIdleTimeoutMs(120);
    channel.setDeadlineMs(150); // past one idle time-out, which the bytes keep resetting
    Outcome outcome;
    listen(channel, outcome);
    channel.send(urlOf(server), 0);
    ASSERT_TRUE(waitUntil([&] { return outcome.done(); }, 5000));
    EXPECT_EQ(outcome.failure, RequestFailure::Deadline);
    EXPECT_FALSE(channel.busy());
}

TEST(RequestChannel, OversizedBodiesFail)
{
    FakeHttpServer server;
    server.enqueue(FakeHttpServer::ok(QByteArray(64 * 1024, 'x')));
    server.enqueue(FakeHttpServer::ok(QByteArray(1000, 'y')));
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    channel.setMaxBodyBytes(10 * 1024);
    Outcome big;
    listen(channel, big);
    channel.send(urlOf(server), 0);
    ASSERT_TRUE(waitUntil([&] { return big.done(); }));
    EXPECT_EQ(big.failure, RequestFailure::TooLarge);
    channel.disconnect();
    // The cap is on the body only: a small one still passes.
    Outcome small;
    listen(channel, small);
    channel.send(urlOf(server), 0);
    ASSERT_TRUE(waitUntil([&] { return small.done(); }));
    ASSERT_TRUE(small.reply);
    EXPECT_EQ(small.reply->body.size(), 1000);
}

TEST(RequestChannel, NeverServesFromACacheAndSendsNoCacheHeaders)
{
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response r = FakeHttpServer::ok("fresh");
        r.addHeader("Cache-Control", "max-age=3600");
        return r;
    });
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    for (int i = 0; i < 2; ++i) {
        Outcome outcome;
        listen(channel, outcome);
        channel.send(urlOf(server), 0);
        ASSERT_TRUE(waitUntil([&] { return outcome.done(); }));
        channel.disconnect();
    }
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[1].headers.value("cache-control"), QByteArray("no-cache"));
}

TEST(RequestChannel, RedirectsStayOnTheRemotesOwnHostWithThePassword)
{
    FakeHttpServer own;
    FakeHttpServer other;
    other.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::ok("elsewhere"); });
    own.setHandler([&other](const FakeHttpServer::Request& r) {
        FakeHttpServer::Response redirect;
        redirect.status = 302;
        if (r.target == "/to-other")
            redirect.addHeader("Location", "http://" + other.hostAddress().toUtf8() + "/page");
        else if (r.target == "/to-self")
            redirect.addHeader("Location", "/landed");
        else if (r.target == "/to-file")
            redirect.addHeader("Location", "file:///etc/passwd");
        else
            return FakeHttpServer::ok("home");
        return redirect;
    });
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    channel.setPassword(QStringLiteral("pw"));
    const QByteArray expected = "Basic " + QByteArray(":pw").toBase64();

    Outcome self;
    listen(channel, self);
    channel.send(urlOf(own, QStringLiteral("/to-self")), 0);
    ASSERT_TRUE(waitUntil([&] { return self.done(); }));
    channel.disconnect();
    ASSERT_TRUE(self.reply);
    EXPECT_EQ(self.reply->body, QByteArray("home"));
    ASSERT_EQ(own.requests().size(), 2u);
    EXPECT_EQ(own.requests()[0].headers.value("authorization"), expected);
    EXPECT_EQ(own.requests()[1].headers.value("authorization"), expected);

    // Anywhere else is refused: another port, another scheme.
    Outcome away;
    listen(channel, away);
    channel.send(urlOf(own, QStringLiteral("/to-other")), 0);
    ASSERT_TRUE(waitUntil([&] { return away.done(); }));
    channel.disconnect();
    EXPECT_EQ(away.failure, RequestFailure::RedirectRefused);
    EXPECT_TRUE(other.requests().empty());

    Outcome file;
    listen(channel, file);
    channel.send(urlOf(own, QStringLiteral("/to-file")), 0);
    ASSERT_TRUE(waitUntil([&] { return file.done(); }));
    EXPECT_EQ(file.failure, RequestFailure::RedirectRefused);
    EXPECT_FALSE(file.reply);
}

TEST(RequestChannel, AnEndlessChunkedBodyEndsAtTheCapWithMemoryBounded)
{
    auto residentBytes = [] {
        QFile statm(QStringLiteral("/proc/self/statm"));
        statm.open(QIODevice::ReadOnly);
        return statm.readAll().split(' ').value(1).toLongLong() * 4096;
    };
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response endless;
        endless.endlessChunks = true;
        return endless;
    });
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    const qint64 before = residentBytes();
    // Many requests in a row, as polls would send them: each must end at
    // its cap, none may keep the memory it read.
    for (int i = 0; i < 3; ++i) {
        Outcome outcome;
        listen(channel, outcome);
        channel.send(urlOf(server), 0, 512 * 1024);
        ASSERT_TRUE(waitUntil([&] { return outcome.done(); }, 10000));
        channel.disconnect();
        EXPECT_EQ(outcome.failure, RequestFailure::TooLarge);
    }
    EXPECT_LT(residentBytes() - before, 100LL * 1024 * 1024);
    EXPECT_TRUE(waitUntil([&] { return channel.runningCount() == 0; }));
}

TEST(RequestChannel, RedirectLoopsEnd)
{
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response r;
        r.status = 302;
        r.addHeader("Location", "/again");
        return r;
    });
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    Outcome outcome;
    listen(channel, outcome);
    channel.send(urlOf(server), 0);
    ASSERT_TRUE(waitUntil([&] { return outcome.done(); }));
    EXPECT_EQ(outcome.failure, RequestFailure::Redirects);
    EXPECT_EQ(int(server.requests().size()), RequestChannel::maxRedirects + 1);
}
