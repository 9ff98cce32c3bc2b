#include "FakeHttpServer.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

FakeHttpServer::FakeHttpServer(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &FakeHttpServer::onNewConnection);
}

FakeHttpServer::~FakeHttpServer() = default;

quint16 FakeHttpServer::port() const
{
    return m_server->serverPort();
}

QString FakeHttpServer::hostAddress() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

QList<QByteArray> FakeHttpServer::targets() const
{
    QList<QByteArray> out;
    for (const Request& r : m_requests)
        out.append(r.target);
    return out;
}

FakeHttpServer::Response FakeHttpServer::ok(const QByteArray& body, const QByteArray& contentType)
{
    Response r;
    r.body = body;
    r.addHeader("Content-Type", contentType);
    return r;
}

QByteArray FakeHttpServer::statusText(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

void FakeHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        ++m_open;
        socket->setProperty("buffer", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --m_open;
            socket->deleteLater();
        });
    }
}

void FakeHttpServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", buffer.mid(end + 4));
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    m_requests.push_back(request);

    Response response;
    if (!m_queue.empty()) {
        response = m_queue.front();
        m_queue.pop_front();
    } else if (m_handler) {
        response = m_handler(request);
    } else {
        response.status = 404;
        response.body = "not found";
    }
    if (response.hang)
        return;
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(response.delayMs, this, [this, guard, response] {
        if (guard)
            respond(guard, response);
    });
}

void FakeHttpServer::respond(QTcpSocket* socket, const Response& response)
{
    if (response.endlessChunks) {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nTransfer-Encoding: chunked\r\n\r\n");
        sendChunks(socket);
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + statusText(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (response.closeEarly) {
        socket->write(response.body.left(response.body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    }
    if (response.trickleChunk > 0) {
        trickle(socket, response.body, response.trickleChunk, response.trickleIntervalMs);
        return;
    }
    socket->write(response.body);
    socket->disconnectFromHost();
}

void FakeHttpServer::sendChunks(QTcpSocket* socket)
{
    // As fast as the peer reads, for as long as it stays.
    static const QByteArray chunk = QByteArray::number(64 * 1024, 16) + "\r\n" + QByteArray(64 * 1024, 'x') + "\r\n";
    if (socket->bytesToWrite() < 1024 * 1024)
        socket->write(chunk);
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(1, this, [this, guard] {
        if (guard && guard->state() == QAbstractSocket::ConnectedState)
            sendChunks(guard);
    });
}

void FakeHttpServer::trickle(QTcpSocket* socket, QByteArray rest, int chunk, int intervalMs)
{
    socket->write(rest.left(chunk));
    socket->flush();
    rest = rest.mid(chunk);
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(intervalMs, this, [this, guard, rest, chunk, intervalMs] {
        if (guard && guard->state() == QAbstractSocket::ConnectedState)
            trickle(guard, rest, chunk, intervalMs);
    });
}
