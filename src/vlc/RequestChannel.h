#pragma once

#include "vlc/HttpReply.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>
#include <vector>

#include <QNetworkAccessManager>
class HttpExchange;
class QTimer;

// One HTTP channel to one computer: at most one accepted request at a time.
// A new request supersedes the accepted one, which is abandoned (left to run,
// its data ignored), not cancelled: a command already on its way still
// reaches the player. Every request has an idle time-out, an overall deadline
// and a cap on its body (enforced as the bytes arrive; reaching it closes the
// connection at once), never uses a cache, and follows redirects only to the
// same http host and port. The channel speaks HTTP/1 over sockets of its own;
// the network access given by the channel's owner only says whether there is
// a network, unless it makes the exchanges itself (HttpExchangeFactory).
class RequestChannel : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultIdleTimeoutMs = 2000;
    static constexpr int defaultDeadlineMs = 15000;
    // Large enough for a playlist of 100,000 items with long paths.
    static constexpr qint64 defaultMaxBodyBytes = 64LL * 1024 * 1024;
    static constexpr int maxRedirects = 5;

    explicit RequestChannel(QNetworkAccessManager* network, QObject* parent = nullptr);
    ~RequestChannel() override;

    void setPassword(const QString& password) { m_password = password; }
    void setIdleTimeoutMs(int ms) { m_idleTimeoutMs = ms; }
    void setDeadlineMs(int ms) { m_deadlineMs = ms; }
    void setMaxBodyBytes(qint64 bytes) { m_maxBodyBytes = bytes; }

    void setNetwork(QNetworkAccessManager* network) { m_network = network; }

    // Starts a GET and makes it the accepted request; tag travels with it.
    // maxBodyBytes caps this request's body (0: the channel's cap).
    void send(const QUrl& url, int tag, qint64 maxBodyBytes = 0);
    // Forgets the accepted request without cancelling it.
    void clear();
    bool busy() const { return m_accepted != nullptr; }
    int acceptedTag() const;

    // Requests still running, the accepted one included.
    int runningCount() const { return int(m_running.size()); }

signals:
    void finished(int tag, const HttpReply& reply);
    void failed(int tag, RequestFailure failure);

private:
    struct Request;

    void start(Request* request, const QUrl& url);
    void onDone(Request* request, const QUrl& url, int status, const QByteArray& location,
        const QByteArray& wwwAuthenticate, QByteArray body);
    void conclude(Request* request, std::optional<RequestFailure> failure, const HttpReply& reply = {});
    void release(Request* request);
    bool mayCarryPassword(const Request* request, const QUrl& url) const;
    static bool isSameServer(const QUrl& a, const QUrl& b);

    std::vector<std::unique_ptr<Request>> m_running;
    std::vector<std::unique_ptr<Request>> m_retired;
    Request* m_accepted = nullptr;
    QPointer<QNetworkAccessManager> m_network;
    QString m_password;
    int m_idleTimeoutMs = defaultIdleTimeoutMs;
    int m_deadlineMs = defaultDeadlineMs;
    qint64 m_maxBodyBytes = defaultMaxBodyBytes;
};
