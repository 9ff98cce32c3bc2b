#pragma once

#include "vlc/HttpExchangeFactory.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPair>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A network access that never touches a socket: every request is answered
// from the queue or the handler, through the event loop, as a real reply
// would be. For everything but faults at the socket level (those need
// FakeHttpServer). A request channel given it asks it for its exchanges,
// which go through the same queue and handler.
class MemoryNetwork : public QNetworkAccessManager, public HttpExchangeFactory {
    Q_OBJECT
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        bool hang = false; // never answers: the request's idle time-out ends it
        bool held = false; // answers only when releaseHeld() is called (a late reply)
        std::optional<QNetworkReply::NetworkError> error; // fails without a reply

        void addHeader(const QByteArray& name, const QByteArray& value) { headers.append(qMakePair(name, value)); }
    };
    using Handler = std::function<Response(const QNetworkRequest&)>;

    explicit MemoryNetwork(QObject* parent = nullptr);

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    void enqueue(const Response& response) { m_queue.push_back(response); }

    // Path and query of every request, exactly as it would go on the wire.
    QList<QByteArray> targets() const;
    const std::vector<QNetworkRequest>& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

    // Replies on their way (neither hanging nor held): when none is, every
    // reply asked for so far has been delivered and handled, so a test can
    // wait for this instead of for a while.
    int inFlight() const { return m_inFlight; }
    // Delivers the held replies now.
    void releaseHeld();
    // How many replies their requester aborted (cancelled) so far.
    int aborts() const { return m_aborts; }

    static Response ok(const QByteArray& body);
    static Response refused();

    std::unique_ptr<HttpExchange> createExchange(const HttpExchange::Request& request) override;

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* data) override;

private:
    Handler m_handler;
    std::deque<Response> m_queue;
    std::vector<QNetworkRequest> m_requests;
    std::vector<std::function<void()>> m_held;
    int m_inFlight = 0;
    int m_aborts = 0;
};
