// Files of this computer played on a real VLC through the cast server:
// through the model a page binds to, and through `playerlink-cli cast`.
#include "core/UserDefaults.h"
#include "models/LocalFileCast.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"
#include "net/CastServer.h"
#include "LiveRemote.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "VlcInstance.h"
#include "vlc/VLCController.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {
// One request on a connection of its own, read to the close (or for as
// long as the test lets the event loop run). A client that does not read
// lets the server's writes back up, as a paused player does.
class RawClient {
public:
    RawClient(const QHostAddress& server, quint16 port, const QByteArray& request, bool reads = true,
              const QHostAddress& source = {})
    {
        if (!source.isNull())
            m_socket.bind(source, 0);
        if (reads) {
            QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { received += m_socket.readAll(); });
        } else {
            m_socket.setReadBufferSize(4096);
        }
        QObject::connect(&m_socket, &QTcpSocket::disconnected, [this] { closed = true; });
        QObject::connect(&m_socket, &QTcpSocket::errorOccurred, [this](QAbstractSocket::SocketError e) {
            error = e;
            closed = true;
        });
        QObject::connect(&m_socket, &QTcpSocket::connected, [this, request] { m_socket.write(request); });
        m_socket.connectToHost(server, port);
    }

    bool waitClosed(int timeoutMs = 5000) { return waitUntil([this] { return closed; }, timeoutMs); }
    // Reads what is left, to the close.
    void drain()
    {
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { received += m_socket.readAll(); });
        m_socket.setReadBufferSize(0);
        received += m_socket.readAll();
        waitClosed(10000);
        received += m_socket.readAll();
    }
    QByteArray head() const { return received.left(received.indexOf("\r\n\r\n") + 4); }
    QByteArray body() const { return received.mid(received.indexOf("\r\n\r\n") + 4); }
    int status() const { return received.mid(9, 3).toInt(); }

    QByteArray received;
    bool closed = false;
    std::optional<QAbstractSocket::SocketError> error;

private:
    QTcpSocket m_socket;
};

QByteArray request(const QByteArray& target, const QByteArray& extra = {}, const QByteArray& method = "GET")
{
    return method + ' ' + target + " HTTP/1.1\r\nHost: x\r\n" + extra + "Connection: close\r\n\r\n";
}

class CastTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString why;
        if (!VlcInstance::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        // An hour (57.6 MB, on disk a sparse file): its middle lies beyond
        // what VLC reads ahead (16 MiB), so that a seek there asks for a range. Its name has a space, an
        // apostrophe, letters past ASCII and what an address treats specially.
        longName = QStringLiteral("Ça va? 100% #1's song.wav");
        ASSERT_TRUE(SampleMedia::writeSilentWav(media.filePath(longName), 3600));
        ASSERT_TRUE(SampleMedia::writeWav(media.filePath(QStringLiteral("short.wav")), 20, 660));
        ASSERT_TRUE(SampleMedia::writeWav(media.filePath(QStringLiteral("beside.wav")), 3, 440));
        VlcInstance::Options options; // an empty playlist
        vlc = std::make_unique<VlcInstance>(options);
        ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
        RemoteRecord record = RemoteRecord::forAddress(vlc->hostAddress());
        record.password = vlc->password();
        remote = std::make_shared<VLCController>(record, &network);
        session = std::make_unique<RemoteSession>(AppContext { &network, defaults, alerts, Clock::current(), navigator });
        session->setRemote(remote);
        session->setActive(true);
        cast = std::make_unique<LocalFileCast>(*session);
        ASSERT_TRUE(waitUntil([&] { return session->hasStatus(); }, 8000));
    }

    void TearDown() override
    {
        cast.reset();
        session.reset();
        remote.reset();
        vlc.reset();
    }

    QUrl fileUrl(const QString& name) const { return QUrl::fromLocalFile(media.filePath(name)); }
    const CastServer& server() const { return cast->server(); }
    QUrl servedUrl(int row) const { return cast->data(cast->index(row), LocalFileCast::UrlRole).toUrl(); }
    LocalFileCast::FileState state(int row) const
    {
        return cast->data(cast->index(row), LocalFileCast::StateRole).value<LocalFileCast::FileState>();
    }
    // VLC's playlist id of the item that holds a served address.
    std::optional<qint64> itemIdOf(const QUrl& url) const
    {
        const QByteArray token = url.path(QUrl::FullyEncoded).section(u'/', 1, 1).toLatin1();
        for (const PlaylistItem& item : remote->state().playlist().items())
            if (QByteArrayView(item.uri.data(), qsizetype(item.uri.size())).contains(token))
                return item.id;
        return std::nullopt;
    }
    bool playingServedFile() const
    {
        return cast->count() > 0 && state(0) == LocalFileCast::FileState::Playing && session->isPlaying();
    }
    std::unique_ptr<RawClient> client(const QByteArray& bytes, bool reads = true, const QHostAddress& source = {})
    {
        return std::make_unique<RawClient>(server().address(), server().port(), bytes, reads, source);
    }

    QTemporaryDir media;
    QString longName;
    QTemporaryDir home;
    UserDefaults defaults { home.path() + QStringLiteral("/cast.ini") };
    CapturingAlertPresenter alerts;
    Navigator navigator;
    QNetworkAccessManager network;
    std::unique_ptr<VlcInstance> vlc;
    std::shared_ptr<VLCController> remote;
    std::unique_ptr<RemoteSession> session;
    std::unique_ptr<LocalFileCast> cast;
};
}

TEST_F(CastTest, VlcPlaysAServedFileAndSeeksIntoIt)
{
    QSignalSpy answered(&server(), &CastServer::answered);
    cast->play({ fileUrl(longName) });
    ASSERT_TRUE(waitUntil([&] { return playingServedFile(); }, 15000)) << vlc->log().toStdString();
    EXPECT_TRUE(cast->isServing());
    EXPECT_EQ(cast->problem(), LocalFileCast::Problem::None);
    EXPECT_EQ(cast->data(cast->index(0), LocalFileCast::NameRole).toString(), longName);
    // Only on the address that reaches VLC.
    EXPECT_EQ(server().address(), QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(servedUrl(0).host(), QStringLiteral("127.0.0.1"));
    ASSERT_TRUE(waitUntil([&] { return session->length() == 3600; }, 8000)) << session->length();

    answered.clear();
    remote->seek(50);
    ASSERT_TRUE(waitUntil([&] { return session->elapsed() >= 1799 && session->elapsed() <= 1810; }, 10000))
        << "VLC is at " << session->elapsed() << " s";
    // Where VLC asked for a range from about the middle of the file.
    const qint64 size = QFileInfo(media.filePath(longName)).size();
    bool ranged = false;
    for (const QList<QVariant>& call : answered)
        ranged = ranged || (call.at(1).toInt() == 206 && call.at(2).toLongLong() > size * 2 / 5);
    EXPECT_TRUE(ranged) << answered.count() << " answers, none a range from the middle";
}

TEST_F(CastTest, ServesNoOtherPathNoOtherPeerAndRangesStrictly)
{
    cast->enqueue({ fileUrl(longName) });
    ASSERT_TRUE(waitUntil([&] { return cast->count() == 1 && state(0) == LocalFileCast::FileState::Listed; }, 10000));
    const QString pathText = servedUrl(0).path(QUrl::FullyEncoded);
    const QByteArray path = pathText.toLatin1();
    const QByteArray token = pathText.section(u'/', 1, 1).toLatin1();
    const QByteArray name = pathText.section(u'/', 2).toLatin1();
    ASSERT_GE(token.size(), 32); // 192 bits in base64
    QFile file(media.filePath(longName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray size = QByteArray::number(file.size());

    auto ranged = client(request(path, "Range: bytes=100-199\r\n"));
    ASSERT_TRUE(ranged->waitClosed());
    EXPECT_EQ(ranged->status(), 206);
    EXPECT_TRUE(ranged->head().contains("Content-Range: bytes 100-199/" + size));
    file.seek(100);
    EXPECT_EQ(ranged->body(), file.read(100));
    auto tail = client(request(path, "Range: bytes=-44\r\n", "HEAD"));
    ASSERT_TRUE(tail->waitClosed());
    EXPECT_EQ(tail->status(), 206);
    EXPECT_TRUE(tail->body().isEmpty());
    auto beyond = client(request(path, "Range: bytes=" + size + "-\r\n"));
    ASSERT_TRUE(beyond->waitClosed());
    EXPECT_EQ(beyond->status(), 416);
    EXPECT_TRUE(beyond->head().contains("Content-Range: bytes */" + size));

    // Every other path: the same plain 404, no listing, no redirect.
    QByteArray otherToken = token;
    otherToken[0] = otherToken[0] == 'A' ? 'B' : 'A';
    const QList<QByteArray> others { "/" + otherToken + "/" + name, "/" + token + "/beside.wav",
                                     "/" + token + "/../beside.wav", "/" + token + "/%2e%2e/beside.wav",
                                     "/" + token + "/%2E%2E%2Fbeside.wav", "/" + token + "/..%2fbeside.wav",
                                     "/" + token + "/", "/" + token, "/", path + "?x", path + "/" };
    for (const QByteArray& target : others) {
        auto refused = client(request(target));
        ASSERT_TRUE(refused->waitClosed()) << target.constData();
        EXPECT_EQ(refused->head(), "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            << target.constData();
    }
    auto post = client(request(path, {}, "POST"));
    ASSERT_TRUE(post->waitClosed());
    EXPECT_EQ(post->status(), 405);

    // Another computer (another loopback address here): closed unread.
    QSignalSpy peerRefused(&server(), &CastServer::peerRefused);
    auto stranger = client(request(path), true, QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_TRUE(stranger->waitClosed());
    EXPECT_TRUE(stranger->received.isEmpty());
    ASSERT_EQ(peerRefused.count(), 1);
    EXPECT_EQ(peerRefused.at(0).at(0).value<QHostAddress>(), QHostAddress(QStringLiteral("127.0.0.2")));
}

TEST_F(CastTest, StopsServingAFileWhoseItemLeftThePlaylist)
{
    cast->play({ fileUrl(longName), fileUrl(QStringLiteral("short.wav")) });
    ASSERT_TRUE(waitUntil([&] { return cast->count() == 2 && playingServedFile()
                                    && state(1) == LocalFileCast::FileState::Listed; }, 15000));
    const QUrl longUrl = servedUrl(0);
    const QUrl otherUrl = servedUrl(1);
    const QByteArray longPath = longUrl.path(QUrl::FullyEncoded).toLatin1();
    // A transfer under way that the reader holds back, as a paused player does.
    auto held = client(request(longPath), false);
    ASSERT_TRUE(waitUntil([&] { return server().openConnections() >= 2; }, 5000)); // VLC's and ours
    spinEventLoop(300);

    const std::optional<qint64> id = itemIdOf(longUrl);
    ASSERT_TRUE(id);
    remote->removeFromPlaylist(*id);
    ASSERT_TRUE(waitUntil([&] { return cast->count() == 1; }, 10000));
    EXPECT_EQ(servedUrl(0), otherUrl);
    held->drain();
    EXPECT_TRUE(held->closed);
    EXPECT_LT(held->body().size(), QFileInfo(media.filePath(longName)).size());
    auto after = client(request(longPath));
    ASSERT_TRUE(after->waitClosed());
    EXPECT_EQ(after->status(), 404);

    // The last one gone, the port is closed.
    spinEventLoop(LocalFileCast::settleMs);
    remote->removeFromPlaylist(*itemIdOf(otherUrl));
    ASSERT_TRUE(waitUntil([&] { return cast->count() == 0; }, 10000));
    EXPECT_FALSE(cast->isServing());
    RawClient closedPort(QHostAddress::LocalHost, otherUrl.port(), request(otherUrl.path(QUrl::FullyEncoded).toLatin1()));
    ASSERT_TRUE(closedPort.waitClosed());
    EXPECT_EQ(closedPort.error, QAbstractSocket::ConnectionRefusedError);
}

TEST_F(CastTest, NothingIsServedOnceTheProgramQuits)
{
    cast->play({ fileUrl(longName) });
    ASSERT_TRUE(waitUntil([&] { return playingServedFile(); }, 15000));
    const QUrl url = servedUrl(0);
    auto held = client(request(url.path(QUrl::FullyEncoded).toLatin1()), false);
    ASSERT_TRUE(waitUntil([&] { return server().openConnections() >= 2; }, 5000));
    spinEventLoop(300);
    cast.reset();
    held->drain();
    EXPECT_LT(held->body().size(), QFileInfo(media.filePath(longName)).size());
    RawClient closedPort(QHostAddress::LocalHost, quint16(url.port()), request(url.path(QUrl::FullyEncoded).toLatin1()));
    ASSERT_TRUE(closedPort.waitClosed());
    EXPECT_EQ(closedPort.error, QAbstractSocket::ConnectionRefusedError);
}

TEST_F(CastTest, TheFilesAreWithdrawnWhenAnotherRemoteIsShown)
{
    cast->enqueue({ fileUrl(QStringLiteral("short.wav")) });
    ASSERT_TRUE(waitUntil([&] { return cast->count() == 1 && state(0) == LocalFileCast::FileState::Listed; }, 10000));
    const QUrl url = servedUrl(0);
    session->setRemote(nullptr);
    EXPECT_EQ(cast->count(), 0);
    EXPECT_FALSE(cast->isServing());
    RawClient closedPort(QHostAddress::LocalHost, quint16(url.port()), request(url.path(QUrl::FullyEncoded).toLatin1()));
    ASSERT_TRUE(closedPort.waitClosed());
    EXPECT_EQ(closedPort.error, QAbstractSocket::ConnectionRefusedError);
    cast->play({ fileUrl(QStringLiteral("short.wav")) });
    EXPECT_EQ(cast->problem(), LocalFileCast::Problem::NoRemote);
}

namespace {
// `playerlink-cli --json cast FILE...` against the test's VLC; its lines
// as they come.
class CliCastRun {
public:
    CliCastRun(const VlcInstance& vlc, const QString& passwordFile, const QStringList& files)
    {
        process.start(QStringLiteral(PLAYERLINK_CLI_PATH),
                      QStringList { QStringLiteral("--json"), QStringLiteral("--host"), vlc.hostAddress(),
                                    QStringLiteral("--password-file"), passwordFile, QStringLiteral("cast") }
                          + files);
    }
    ~CliCastRun()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    bool ended(int timeoutMs) { return waitUntil([this] { return process.state() == QProcess::NotRunning; }, timeoutMs); }
    QList<QJsonObject> lines()
    {
        output += process.readAllStandardOutput();
        QList<QJsonObject> objects;
        for (const QByteArray& line : output.split('\n'))
            if (!line.isEmpty())
                objects << QJsonDocument::fromJson(line).object();
        return objects;
    }
    quint16 port() { return lines().isEmpty() ? 0 : quint16(lines().first().value(QStringLiteral("port")).toInt()); }

    QProcess process;
    QByteArray output;
};
}

TEST_F(CastTest, CliServesUntilVlcHasPlayedTheFiles)
{
    session->setActive(false); // only the command talks to VLC
    const QString passwordFile = home.filePath(QStringLiteral("password"));
    QFile secret(passwordFile);
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly) && secret.write(vlc->password().toUtf8()) > 0);
    secret.close();
    ASSERT_TRUE(SampleMedia::writeWav(media.filePath(QStringLiteral("one.wav")), 2, 440));
    CliCastRun run(*vlc, passwordFile, { media.filePath(QStringLiteral("one.wav")), media.filePath(QStringLiteral("beside.wav")) });
    ASSERT_TRUE(run.ended(30000)) << run.lines().size();
    EXPECT_EQ(run.process.exitCode(), 0) << run.process.readAllStandardError().constData();
    const QList<QJsonObject> lines = run.lines();
    ASSERT_EQ(lines.size(), 4) << run.output.constData();
    EXPECT_EQ(lines[0].value(QStringLiteral("serving")).toArray(), QJsonArray({ "one.wav", "beside.wav" }));
    EXPECT_EQ(lines[0].value(QStringLiteral("address")).toString(), QStringLiteral("127.0.0.1"));
    // VLC fetched one after the other, and had ended when the command did.
    EXPECT_EQ(lines[1].value(QStringLiteral("playing")).toString(), QStringLiteral("one.wav"));
    EXPECT_EQ(lines[2].value(QStringLiteral("playing")).toString(), QStringLiteral("beside.wav"));
    EXPECT_EQ(lines[3].value(QStringLiteral("finished")).toString(), QStringLiteral("played"));
    LiveRemote live(vlc->hostAddress(), vlc->password());
    ASSERT_TRUE(live.refresh());
    EXPECT_EQ(live->state().itemsInPlaylist(), 2);
    EXPECT_TRUE(live->state().isStopped());
    RawClient closedPort(QHostAddress::LocalHost, run.port(), request("/"));
    ASSERT_TRUE(closedPort.waitClosed());
    EXPECT_EQ(closedPort.error, QAbstractSocket::ConnectionRefusedError);
}

TEST_F(CastTest, CliStopsServingOnCtrlC)
{
    session->setActive(false);
    const QString passwordFile = home.filePath(QStringLiteral("password"));
    QFile secret(passwordFile);
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly) && secret.write(vlc->password().toUtf8()) > 0);
    secret.close();
    CliCastRun run(*vlc, passwordFile, { media.filePath(longName) });
    ASSERT_TRUE(waitUntil([&] { return run.lines().size() >= 2; }, 15000)) << run.output.constData();
    const quint16 port = run.port();
    auto during = std::make_unique<RawClient>(QHostAddress::LocalHost, port, request("/"));
    ASSERT_TRUE(during->waitClosed());
    EXPECT_EQ(during->status(), 404); // it was serving
    ::kill(pid_t(run.process.processId()), SIGINT);
    ASSERT_TRUE(run.ended(5000));
    EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process.exitCode(), 0);
    EXPECT_EQ(run.lines().last().value(QStringLiteral("finished")).toString(), QStringLiteral("stopped"));
    RawClient after(QHostAddress::LocalHost, port, request("/"));
    ASSERT_TRUE(after.waitClosed());
    EXPECT_EQ(after.error, QAbstractSocket::ConnectionRefusedError);
}
