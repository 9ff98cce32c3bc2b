#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QTcpServer;
class QTcpSocket;

// An HTTP server on loopback for what a real VLC cannot be made to do:
// delays, trickling bodies, early closes, redirects, error statuses, broken
// or oversized bodies. It records every request it receives.
class FakeHttpServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray target; // path and query exactly as sent
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };

    struct Response {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        int delayMs = 0;          // before anything is sent
        int trickleChunk = 0;     // send the body this many bytes at a time...
        int trickleIntervalMs = 0; // ...with this pause between chunks
        bool closeEarly = false;  // announce the full length, send half, close
        bool hang = false;        // never answer
        bool endlessChunks = false; // a chunked body that never ends

        void addHeader(const QByteArray& name, const QByteArray& value) { headers.append(qMakePair(name, value)); }
    };

    using Handler = std::function<Response(const Request&)>;

    explicit FakeHttpServer(QObject* parent = nullptr);
    ~FakeHttpServer() override;

    quint16 port() const;
    QString hostAddress() const; // "127.0.0.1:<port>"

    // Answers are taken from the queue first, then from the handler, else 404.
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void enqueue(const Response& response) { m_queue.push_back(response); }

    const std::vector<Request>& requests() const { return m_requests; }
    QList<QByteArray> targets() const;
    void clearRequests() { m_requests.clear(); }
    int openConnections() const { return m_open; }

    static Response ok(const QByteArray& body, const QByteArray& contentType = "text/xml");
    static QByteArray statusText(int status);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const Response& response);
    void trickle(QTcpSocket* socket, QByteArray rest, int chunk, int intervalMs);
    void sendChunks(QTcpSocket* socket);

    QTcpServer* m_server;
    Handler m_handler;
    std::deque<Response> m_queue;
    std::vector<Request> m_requests;
    int m_open = 0;
};
