// A 10 MB playlist reply read three ways in the same run: by the response
// parser alone, by the request channel over loopback (its own socket and
// parser), and, as the reference, by QNetworkAccessManager over loopback.
#include "vlc/HttpResponseParser.h"
#include "vlc/RequestChannel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>

#include <benchmark/benchmark.h>

namespace {
QByteArray playlistBody()
{
    QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<node ro=\"rw\" name=\"Playlist\" id=\"1\">\n";
    for (int i = 0; body.size() < 10 * 1024 * 1024; ++i) {
        const QByteArray n = QByteArray::number(i);
        body += "<leaf ro=\"rw\" name=\"Track " + n + "\" id=\"" + n + "\" duration=\"215\" uri=\"file:///home/music/Some%20Artist/Album/"
            + n + "%20-%20Track.flac\"/>\n";
    }
    return body + "</node>\n";
}

QByteArray replyBytes()
{
    static const QByteArray body = playlistBody();
    static const QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=UTF-8\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return reply;
}

// Answers every request with the reply, then closes.
class LoopbackServer {
public:
    LoopbackServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    socket->write(replyBytes());
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/requests/playlist.xml").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
};

void BM_ParserAlone(benchmark::State& state)
{
    const QByteArray reply = replyBytes();
    for (auto _ : state) {
        HttpResponseParser parser({});
        for (qsizetype at = 0; at < reply.size(); at += 64 * 1024)
            parser.feed(QByteArrayView(reply).sliced(at, qMin<qsizetype>(64 * 1024, reply.size() - at)));
        if (parser.state() != HttpResponseParser::State::Complete)
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(parser.message().body.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * reply.size());
}
BENCHMARK(BM_ParserAlone)->Unit(benchmark::kMillisecond);

void BM_ChannelOverLoopback(benchmark::State& state)
{
    LoopbackServer server;
    QNetworkAccessManager network;
    RequestChannel channel(&network);
    QEventLoop loop;
    qsizetype got = 0;
    QObject::connect(&channel, &RequestChannel::finished, [&](int, const HttpReply& reply) {
        got = reply.body.size();
        loop.quit();
    });
    QObject::connect(&channel, &RequestChannel::failed, [&](int, RequestFailure) {
        got = -1;
        loop.quit();
    });
    for (auto _ : state) {
        channel.send(server.url(), 0);
        loop.exec();
        if (got <= 0)
            state.SkipWithError("not read");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * replyBytes().size());
}
BENCHMARK(BM_ChannelOverLoopback)->Unit(benchmark::kMillisecond);

void BM_QNetworkAccessManagerOverLoopback(benchmark::State& state)
{
    LoopbackServer server;
    QNetworkAccessManager network;
    for (auto _ : state) {
        QNetworkRequest request(server.url());
        request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        QNetworkReply* reply = network.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        if (reply->readAll().size() <= 0)
            state.SkipWithError("not read");
        reply->deleteLater();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * replyBytes().size());
}
BENCHMARK(BM_QNetworkAccessManagerOverLoopback)->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
