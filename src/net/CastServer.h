#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

class CastConnection;
class QFile;
class QTcpServer;

// Serves files of this computer to one VLC over HTTP, so that a VLC on
// another computer can play them while they stay here. Strict, since the
// port is open on the local network:
// - only the files added, each at a path of its own holding 192 random
//   bits from the system's generator, the file's name after it; every other
//   path (another file beside it, "..", a listing) is "404 Not Found", and
//   the path is only ever compared, never turned into a file name;
// - only to the peer's addresses: any other connection is closed as it is
//   accepted, before a byte is read;
// - only on the local address through which this computer reaches the peer
//   (127.0.0.1 for a VLC on this computer);
// - GET and HEAD with byte ranges (one range; 206 with Content-Range, 416
//   when none of the file is asked for), so that VLC can seek; a bounded
//   request head, a deadline for it and for a peer that stops reading, a
//   bounded number of connections.
// Files are streamed in chunks as the socket drains, never read whole.
// A withdrawn file, or all of them on stop(), is gone at once: its path
// answers 404, and transfers of it under way are cut off.
class CastServer : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int maxConnections = 8;
        int headTimeoutMs = 10000;  // for a request's head, from when one is awaited
        int stallTimeoutMs = 60000; // while sending, for the peer to take more
        int maxRequestsPerConnection = 100;
        qint64 chunkBytes = 256 * 1024;
    };

    enum class StartResult { Started, NoRoute, CannotListen };
    enum class AddResult { Added, NotListening, NotAFile, Unreadable };

    explicit CastServer(QObject* parent = nullptr);
    explicit CastServer(const Limits& limits, QObject* parent = nullptr);
    ~CastServer() override;

    // Listens on a free port of the local address that reaches the first
    // peer address, taking connections from the peer's addresses only.
    // Stops serving whatever was served before.
    StartResult start(const QList<QHostAddress>& peers);
    // Closes the port, ends every connection and forgets every file.
    void stop();

    bool isListening() const;
    QList<QHostAddress> peers() const { return m_peers; }
    QHostAddress address() const;
    quint16 port() const;

    // Serves a local file from now on; returns the address VLC opens it at
    // (empty when it cannot be served, result telling why). The file is
    // opened here and kept open: what is served is the file chosen, even if
    // another takes its name later.
    QUrl add(const QString& path, AddResult* result = nullptr);
    // Stops serving the file at url; false when it was not served.
    bool withdraw(const QUrl& url);
    QList<QUrl> urls() const;
    QString localPath(const QUrl& url) const;
    int openConnections() const { return int(m_connections.size()); }
    const Limits& limits() const { return m_limits; }

    // The local address that the kernel's routes would send from towards
    // peer (no packet is sent); null when there is no route.
    static QHostAddress localAddressTowards(const QHostAddress& peer);

signals:
    void listeningChanged(bool listening);
    // A request for a served file was answered: 200 (first to last, the
    // whole file), 206 (first to last) or 416 (first and last -1).
    void answered(const QUrl& url, int status, qint64 first, qint64 last);
    // A request was refused with status and its connection closed.
    void refused(int status);
    // A connection from an address that is not the peer's was closed.
    void peerRefused(const QHostAddress& address);
    void withdrawn(const QUrl& url);

private:
    friend class CastConnection;

    struct Entry {
        QByteArray token;
        QByteArray path; // "/token/name", unescaped UTF-8, as a request's path must decode to
        QUrl url;
        QString localPath;
        QByteArray mimeType;
        std::shared_ptr<QFile> file;
    };

    void accept(qintptr descriptor);
    std::shared_ptr<const Entry> find(QByteArrayView decodedPath) const;
    void forget(CastConnection* connection);
    bool isPeer(const QHostAddress& address) const;

    Limits m_limits;
    QTcpServer* m_listener = nullptr; // child
    QList<QHostAddress> m_peers;
    std::vector<std::shared_ptr<const Entry>> m_entries;
    std::vector<CastConnection*> m_connections; // children
};
