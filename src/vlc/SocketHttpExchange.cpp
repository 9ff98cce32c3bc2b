#include "vlc/SocketHttpExchange.h"

#include <QTcpSocket>

namespace {
HttpResponseParser::Limits limitsFor(const HttpExchange::Request& request)
{
    HttpResponseParser::Limits limits;
    limits.maxBodyBytes = request.maxBodyBytes;
    return limits;
}

constexpr qint64 readChunkBytes = 64 * 1024;
}

SocketHttpExchange::SocketHttpExchange(const Request& request, QObject* parent)
    : QObject(parent)
    , m_request(request)
    , m_parser(limitsFor(request))
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] { fail(RequestFailure::IdleTimeout); });
}

SocketHttpExchange::~SocketHttpExchange()
{
    close();
}

QByteArray SocketHttpExchange::requestBytes(const Request& request)
{
    QByteArray target = request.url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (target.isEmpty() || target[0] != '/')
        target.prepend('/');
    QByteArray host = QUrl::toAce(request.url.host());
    if (host.isEmpty())
        host = request.url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (request.url.port() >= 0)
        host += ':' + QByteArray::number(request.url.port());
    QByteArray out = "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\n";
    for (const auto& [name, value] : request.headers)
        out += name + ": " + value + "\r\n";
    out += "Accept-Encoding: identity\r\nConnection: close\r\n\r\n";
    return out;
}

void SocketHttpExchange::start()
{
    const QUrl& url = m_request.url;
    if (url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        // Told through the loop, as every outcome is.
        QTimer::singleShot(0, this, [this] { fail(RequestFailure::Network); });
        return;
    }
    m_socket = new QTcpSocket(this);
    // Set before connecting: once this much waits unread, the socket is not
    // read from, and the kernel's window throttles the server.
    m_socket->setReadBufferSize(readBufferBytes);
    connect(m_socket, &QTcpSocket::connected, this, &SocketHttpExchange::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &SocketHttpExchange::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &SocketHttpExchange::touch);
    connect(m_socket, &QTcpSocket::disconnected, this, &SocketHttpExchange::onClosed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            onClosed();
        else
            fail(RequestFailure::Network);
    });
    m_idle.setInterval(m_request.idleTimeoutMs);
    touch();
    m_socket->connectToHost(url.host(), quint16(url.port(80)));
}

void SocketHttpExchange::abort()
{
    m_over = true;
    close();
}

void SocketHttpExchange::touch()
{
    if (m_request.idleTimeoutMs > 0)
        m_idle.start();
}

void SocketHttpExchange::onConnected()
{
    touch();
    // The kernel's own buffer stays small too (no growing window), so what a
    // server can push past a cap before the close is bounded as well.
    m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, int(readBufferBytes));
    m_socket->write(requestBytes(m_request));
}

void SocketHttpExchange::onReadyRead()
{
    if (m_over)
        return;
    touch();
    char buffer[readChunkBytes];
    while (!m_over && m_socket && m_socket->bytesAvailable() > 0) {
        const qint64 n = m_socket->read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        switch (m_parser.feed(QByteArrayView(buffer, n))) {
        case HttpResponseParser::State::Incomplete:
            break;
        case HttpResponseParser::State::Complete:
            succeed();
            return;
        case HttpResponseParser::State::TooLarge:
            fail(RequestFailure::TooLarge);
            return;
        case HttpResponseParser::State::Malformed:
            fail(RequestFailure::Network);
            return;
        }
    }
}

void SocketHttpExchange::onClosed()
{
    if (m_over)
        return;
    // What came with the close is read first.
    onReadyRead();
    if (m_over)
        return;
    if (m_parser.finish() == HttpResponseParser::State::Complete)
        succeed();
    else
        fail(RequestFailure::Network);
}

void SocketHttpExchange::succeed()
{
    m_over = true;
    close();
    if (onDone)
        onDone(m_parser.takeMessage());
}

void SocketHttpExchange::fail(RequestFailure failure)
{
    if (m_over)
        return;
    m_over = true;
    close();
    if (onFailed)
        onFailed(failure);
}

void SocketHttpExchange::close()
{
    m_idle.stop();
    if (!m_socket)
        return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    // Aborted, not closed gracefully: nothing more is read or waited for.
    socket->abort();
    socket->deleteLater();
}
