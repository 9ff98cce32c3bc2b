// The cast server's bounds on loopback, with limits short enough to reach.
#include "net/CastServer.h"
#include "TestSupport.h"

#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(CastServer, BoundsTheHeadTheStallAndTheConnectionsOfItsPeer)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("big.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(64 * 1024 * 1024));
    file.close();
    CastServer::Limits limits;
    limits.headTimeoutMs = 300;
    limits.stallTimeoutMs = 300;
    limits.maxConnections = 3;
    CastServer server(limits);
    ASSERT_EQ(server.start({ QHostAddress(QHostAddress::LocalHost) }), CastServer::StartResult::Started);
    const QUrl url = server.add(file.fileName());
    ASSERT_FALSE(url.isEmpty());

    auto connectTo = [&server] {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(server.address(), server.port());
        return socket;
    };
    // A head that never ends: 408, then the close.
    auto slow = connectTo();
    slow->write("GET /" + url.path(QUrl::FullyEncoded).toLatin1().mid(1) + " HTTP/1.1\r\nHost: x\r\n");
    // A reader that stops reading a body that does not fit the buffers.
    auto stalled = connectTo();
    stalled->setReadBufferSize(4096);
    stalled->write("GET " + url.path(QUrl::FullyEncoded).toLatin1() + " HTTP/1.1\r\nHost: x\r\n\r\n");
    // And one more than may be open: closed unanswered.
    auto idle = connectTo();
    ASSERT_TRUE(waitUntil([&] { return server.openConnections() == 3; }));
    auto extra = connectTo();
    extra->write("HEAD " + url.path(QUrl::FullyEncoded).toLatin1() + " HTTP/1.1\r\nHost: x\r\n\r\n");
    QByteArray extraAnswer;
    ASSERT_TRUE(waitUntil([&] {
        extraAnswer += extra->readAll();
        return extra->state() == QAbstractSocket::UnconnectedState;
    }));
    EXPECT_TRUE(extraAnswer.isEmpty()) << extraAnswer.constData();
    QByteArray slowAnswer;
    ASSERT_TRUE(waitUntil([&] {
        slowAnswer += slow->readAll();
        return server.openConnections() == 0 && slow->state() == QAbstractSocket::UnconnectedState;
    }, 5000));
    EXPECT_TRUE(slowAnswer.startsWith("HTTP/1.1 408 Request Timeout\r\n")) << slowAnswer.constData();
}
