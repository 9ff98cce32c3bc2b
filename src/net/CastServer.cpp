#include "net/CastServer.h"

#include "core/ConsoleLog.h"
#include "net/CastRequest.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace {
constexpr int randomWords = 6; // 192 bits
constexpr int closeGraceMs = 2000; // for a refusal's answer to leave before the close

QByteArray newToken()
{
    quint32 words[randomWords];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray raw(reinterpret_cast<const char*>(words), sizeof words);
    return raw.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

const char* reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 206: return "Partial Content";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 414: return "URI Too Long";
    case 416: return "Range Not Satisfiable";
    case 431: return "Request Header Fields Too Large";
    case 505: return "HTTP Version Not Supported";
    default: return "Error";
    }
}

// Compares in time that does not depend on where the bytes differ, so that
// timing cannot tell how much of a guessed path was right.
bool sameBytes(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

class Listener : public QTcpServer {
public:
    std::function<void(qintptr)> onIncoming;

protected:
    void incomingConnection(qintptr descriptor) override { onIncoming(descriptor); }
};
}

// One accepted connection: reads a request head, answers it, streams the
// body as the socket drains, and waits for the next request or closes.
class CastConnection : public QObject {
public:
    CastConnection(CastServer& server, QTcpSocket* socket)
        : m_server(server)
        , m_socket(socket)
    {
        socket->setParent(this);
        // Unread bytes wait in the kernel, not here: the head is bounded.
        socket->setReadBufferSize(CastRequestHead::Limits {}.maxHead);
        connect(socket, &QTcpSocket::readyRead, this, &CastConnection::readHeads);
        connect(socket, &QTcpSocket::bytesWritten, this, &CastConnection::pump);
        connect(socket, &QTcpSocket::disconnected, this, &CastConnection::close);
        connect(socket, &QTcpSocket::errorOccurred, this, &CastConnection::close);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &CastConnection::timedOut);
        awaitHead();
    }

    const CastServer::Entry* serving() const { return m_entry.get(); }

    void close()
    {
        if (m_closed)
            return;
        m_closed = true;
        m_timer.stop();
        m_entry.reset();
        m_socket->abort();
        m_server.forget(this);
        deleteLater();
    }

    void readHeads()
    {
        const CastRequestHead::Limits limits;
        while (m_state == State::Head && !m_closed) {
            const qint64 room = limits.maxHead - m_buffer.size();
            if (room > 0)
                m_buffer += m_socket->read(room);
            if (m_buffer.isEmpty())
                return;
            const CastRequestHead::Parsed parsed = CastRequestHead::parse(m_buffer, limits);
            if (parsed.outcome == CastRequestHead::Outcome::NeedMore)
                return;
            if (parsed.outcome == CastRequestHead::Outcome::Refused) {
                refuse(parsed.status);
                return;
            }
            m_buffer.remove(0, parsed.consumed);
            respond(parsed.request);
        }
    }

private:
    enum class State { Head, Body, Closing };

    void awaitHead()
    {
        m_state = State::Head;
        m_timer.start(m_server.limits().headTimeoutMs);
    }

    void timedOut()
    {
        if (m_state == State::Head && !m_buffer.isEmpty())
            refuse(408);
        else
            close(); // idle, stalled, or a refusal's answer that did not leave
    }

    void respond(const CastRequest& request)
    {
        ++m_requests;
        m_keepAlive = request.keepAlive && m_requests < m_server.limits().maxRequestsPerConnection;
        const std::optional<QByteArray> path = CastRequestHead::decodedPath(request.target);
        std::shared_ptr<const CastServer::Entry> entry = path ? m_server.find(*path) : nullptr;
        if (!entry) {
            refuse(404);
            return;
        }
        const qint64 size = entry->file->size();
        ByteRange range;
        range.last = size - 1;
        // We send no validator, so an If-Range never matches: the whole file.
        if (request.range && !request.ifRange) {
            range = ByteRange::parse(*request.range, size);
            if (range.kind == ByteRange::Kind::Whole) {
                range.first = 0;
                range.last = size - 1;
            }
        }
        QByteArray head;
        int status = 200;
        if (range.kind == ByteRange::Kind::Unsatisfiable) {
            status = 416;
            head = statusLine(status) + "Content-Range: bytes */" + QByteArray::number(size)
                + "\r\nContent-Length: 0\r\n";
        } else {
            status = range.kind == ByteRange::Kind::Partial ? 206 : 200;
            head = statusLine(status) + "Content-Type: " + entry->mimeType
                + "\r\nContent-Length: " + QByteArray::number(range.length()) + "\r\n";
            if (status == 206)
                head += "Content-Range: bytes " + QByteArray::number(range.first) + '-'
                    + QByteArray::number(range.last) + '/' + QByteArray::number(size) + "\r\n";
        }
        head += "Accept-Ranges: bytes\r\nCache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n";
        head += m_keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
        m_socket->write(head);
        emit m_server.answered(entry->url, status, status == 416 ? -1 : range.first, status == 416 ? -1 : range.last);
        if (m_closed)
            return;
        if (status == 416 || request.method == CastRequest::Method::Head || range.length() <= 0) {
            endResponse();
            return;
        }
        m_state = State::Body;
        m_entry = std::move(entry);
        m_offset = range.first;
        m_remaining = range.length();
        pump();
    }

    void pump()
    {
        if (m_state != State::Body || m_closed)
            return;
        m_timer.start(m_server.limits().stallTimeoutMs);
        const qint64 chunk = m_server.limits().chunkBytes;
        while (m_remaining > 0 && m_socket->bytesToWrite() < chunk) {
            const qint64 want = qMin(chunk, m_remaining);
            QByteArray bytes(want, Qt::Uninitialized);
            QFile& file = *m_entry->file;
            // The file is shared by every transfer of it: each reads at its
            // own place.
            const qint64 got = file.seek(m_offset) ? file.read(bytes.data(), want) : -1;
            if (got <= 0) {
                // Shrunk or unreadable: the promised length cannot be kept,
                // and the close tells the peer so.
                ConsoleLog::log(logNet, QStringLiteral("cast: %@ could not be read at %@"), m_entry->localPath, m_offset);
                close();
                return;
            }
            bytes.truncate(got);
            m_socket->write(bytes);
            if (m_closed)
                return;
            m_offset += got;
            m_remaining -= got;
        }
        if (m_remaining == 0 && m_socket->bytesToWrite() == 0) {
            m_entry.reset();
            endResponse();
            readHeads(); // a request that came while the body went
        }
    }

    void endResponse()
    {
        if (!m_keepAlive) {
            closeAfterWriting();
            return;
        }
        awaitHead();
    }

    void refuse(int status)
    {
        ConsoleLog::log(logNet, QStringLiteral("cast: refused a request (%@)"), status);
        QByteArray answer = statusLine(status) + "Content-Length: 0\r\n";
        if (status == 405)
            answer += "Allow: GET, HEAD\r\n";
        answer += "Connection: close\r\n\r\n";
        m_socket->write(answer);
        emit m_server.refused(status);
        closeAfterWriting();
    }

    void closeAfterWriting()
    {
        m_state = State::Closing;
        m_timer.start(closeGraceMs);
        m_socket->disconnectFromHost(); // after what is written has gone
    }

    static QByteArray statusLine(int status)
    {
        return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    }

    CastServer& m_server;
    QTcpSocket* m_socket; // child
    QTimer m_timer;
    State m_state = State::Head;
    QByteArray m_buffer;
    std::shared_ptr<const CastServer::Entry> m_entry;
    qint64 m_offset = 0;
    qint64 m_remaining = 0;
    int m_requests = 0;
    bool m_keepAlive = false;
    bool m_closed = false;
};

CastServer::CastServer(QObject* parent)
    : CastServer(Limits {}, parent)
{
}

CastServer::CastServer(const Limits& limits, QObject* parent)
    : QObject(parent)
    , m_limits(limits)
{
}

CastServer::~CastServer()
{
    // Nobody is told of a stop that comes with the end of the server.
    blockSignals(true);
    stop();
}

CastServer::StartResult CastServer::start(const QList<QHostAddress>& peers)
{
    stop();
    if (peers.isEmpty())
        return StartResult::NoRoute;
    const QHostAddress local = localAddressTowards(peers.first());
    if (local.isNull())
        return StartResult::NoRoute;
    auto* listener = new Listener;
    listener->setParent(this);
    listener->onIncoming = [this](qintptr descriptor) { accept(descriptor); };
    if (!listener->listen(local, 0)) {
        ConsoleLog::log(logNet, QStringLiteral("cast: cannot listen on %@: %@"), local.toString(), listener->errorString());
        delete listener;
        return StartResult::CannotListen;
    }
    m_listener = listener;
    m_peers = peers;
    ConsoleLog::log(logNet, QStringLiteral("cast: listening on %@ port %@"), local.toString(), int(listener->serverPort()));
    emit listeningChanged(true);
    return StartResult::Started;
}

void CastServer::stop()
{
    const bool wasListening = isListening();
    delete m_listener;
    m_listener = nullptr;
    const std::vector<CastConnection*> connections = m_connections;
    for (CastConnection* connection : connections)
        connection->close();
    const auto entries = std::move(m_entries);
    m_entries.clear();
    m_peers.clear();
    for (const auto& entry : entries)
        emit withdrawn(entry->url);
    if (wasListening)
        emit listeningChanged(false);
}

bool CastServer::isListening() const
{
    return m_listener && m_listener->isListening();
}

QHostAddress CastServer::address() const
{
    return m_listener ? m_listener->serverAddress() : QHostAddress();
}

quint16 CastServer::port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

QUrl CastServer::add(const QString& path, AddResult* result)
{
    auto tell = [result](AddResult r) {
        if (result)
            *result = r;
        return QUrl();
    };
    if (!isListening())
        return tell(AddResult::NotListening);
    const QFileInfo info(path);
    if (!info.isFile())
        return tell(AddResult::NotAFile);
    auto file = std::make_shared<QFile>(info.absoluteFilePath());
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return tell(AddResult::Unreadable);

    auto entry = std::make_shared<Entry>();
    entry->token = newToken();
    const QString name = info.fileName();
    entry->path = '/' + entry->token + '/' + name.toUtf8();
    QString host = address().toString();
    if (address().protocol() == QAbstractSocket::IPv6Protocol)
        host = u'[' + host + u']';
    entry->url = QUrl(QStringLiteral("http://%1:%2/%3/%4")
                          .arg(host, QString::number(port()), QString::fromLatin1(entry->token),
                               QString::fromLatin1(QUrl::toPercentEncoding(name))),
                      QUrl::StrictMode);
    entry->localPath = info.absoluteFilePath();
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    entry->mimeType = mime.isDefault() ? QByteArrayLiteral("application/octet-stream") : mime.name().toLatin1();
    entry->file = std::move(file);
    m_entries.push_back(entry);
    ConsoleLog::log(logNet, QStringLiteral("cast: serving %@"), entry->localPath);
    if (result)
        *result = AddResult::Added;
    return entry->url;
}

bool CastServer::withdraw(const QUrl& url)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&url](const auto& entry) { return entry->url == url; });
    if (it == m_entries.end())
        return false;
    const std::shared_ptr<const Entry> entry = *it;
    m_entries.erase(it);
    const std::vector<CastConnection*> connections = m_connections;
    for (CastConnection* connection : connections)
        if (connection->serving() == entry.get())
            connection->close();
    ConsoleLog::log(logNet, QStringLiteral("cast: no longer serving %@"), entry->localPath);
    emit withdrawn(entry->url);
    return true;
}

QList<QUrl> CastServer::urls() const
{
    QList<QUrl> list;
    for (const auto& entry : m_entries)
        list << entry->url;
    return list;
}

QString CastServer::localPath(const QUrl& url) const
{
    for (const auto& entry : m_entries)
        if (entry->url == url)
            return entry->localPath;
    return {};
}

std::shared_ptr<const CastServer::Entry> CastServer::find(QByteArrayView decodedPath) const
{
    std::shared_ptr<const Entry> found;
    for (const auto& entry : m_entries)
        if (sameBytes(entry->path, decodedPath) && !found)
            found = entry;
    return found;
}

bool CastServer::isPeer(const QHostAddress& address) const
{
    for (const QHostAddress& peer : m_peers)
        if (peer.isEqual(address, QHostAddress::TolerantConversion))
            return true;
    return false;
}

void CastServer::accept(qintptr descriptor)
{
    sockaddr_storage storage {};
    socklen_t length = sizeof storage;
    if (::getpeername(int(descriptor), reinterpret_cast<sockaddr*>(&storage), &length) != 0) {
        ::close(int(descriptor));
        return;
    }
    const QHostAddress peer(reinterpret_cast<const sockaddr*>(&storage));
    if (!isPeer(peer)) {
        ::close(int(descriptor));
        ConsoleLog::log(logNet, QStringLiteral("cast: refused a connection from %@"), peer.toString());
        emit peerRefused(peer);
        return;
    }
    if (int(m_connections.size()) >= m_limits.maxConnections) {
        ::close(int(descriptor));
        ConsoleLog::log(logNet, QStringLiteral("cast: refused a connection beyond %@"), m_limits.maxConnections);
        return;
    }
    auto* socket = new QTcpSocket;
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(int(descriptor));
        return;
    }
    m_connections.push_back(new CastConnection(*this, socket));
    m_connections.back()->setParent(this);
}

void CastServer::forget(CastConnection* connection)
{
    std::erase(m_connections, connection);
}

QHostAddress CastServer::localAddressTowards(const QHostAddress& peer)
{
    bool isV4 = false;
    const quint32 v4 = peer.toIPv4Address(&isV4);
    sockaddr_storage target {};
    socklen_t targetLength = 0;
    if (isV4) {
        auto* in = reinterpret_cast<sockaddr_in*>(&target);
        in->sin_family = AF_INET;
        in->sin_port = htons(9);
        in->sin_addr.s_addr = htonl(v4);
        targetLength = sizeof(sockaddr_in);
    } else if (peer.protocol() == QAbstractSocket::IPv6Protocol) {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&target);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(9);
        const Q_IPV6ADDR bytes = peer.toIPv6Address();
        std::memcpy(&in6->sin6_addr, &bytes, sizeof bytes);
        if (!peer.scopeId().isEmpty()) {
            bool numeric = false;
            const uint index = peer.scopeId().toUInt(&numeric);
            in6->sin6_scope_id = numeric ? index : uint(QNetworkInterface::interfaceIndexFromName(peer.scopeId()));
        }
        targetLength = sizeof(sockaddr_in6);
    } else {
        return {};
    }
    const int fd = ::socket(target.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    // A datagram socket's connect only picks the route and the source
    // address; nothing goes on the wire.
    QHostAddress local;
    sockaddr_storage source {};
    socklen_t sourceLength = sizeof source;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), targetLength) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&source), &sourceLength) == 0)
        local = QHostAddress(reinterpret_cast<const sockaddr*>(&source));
    ::close(fd);
    return local;
}
