#include "vlc/RequestChannel.h"

#include "vlc/HttpExchange.h"
#include "vlc/HttpExchangeFactory.h"
#include "vlc/SocketHttpExchange.h"

#include <QTimer>

#include <algorithm>

struct RequestChannel::Request {
    int tag = 0;
    qint64 maxBodyBytes = 0;
    QUrl firstUrl;
    std::unique_ptr<HttpExchange> exchange;
    std::vector<std::unique_ptr<HttpExchange>> ended; // of earlier redirect steps
    QTimer deadline;
    int redirects = 0;
    bool concluded = false;
};

namespace {
int effectivePort(const QUrl& url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}
}

RequestChannel::RequestChannel(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent)
    , m_network(network)
{
}

RequestChannel::~RequestChannel()
{
    for (auto& request : m_running) {
        if (request->exchange)
            request->exchange->abort();
    }
}

int RequestChannel::acceptedTag() const
{
    return m_accepted ? m_accepted->tag : -1;
}

void RequestChannel::send(const QUrl& url, int tag, qint64 maxBodyBytes)
{
    auto owned = std::make_unique<Request>();
    Request* request = owned.get();
    request->tag = tag;
    request->maxBodyBytes = maxBodyBytes > 0 ? maxBodyBytes : m_maxBodyBytes;
    request->firstUrl = url;
    request->deadline.setSingleShot(true);
    connect(&request->deadline, &QTimer::timeout, this, [this, request] {
        if (!request->concluded)
            conclude(request, RequestFailure::Deadline);
    });
    m_running.push_back(std::move(owned));
    m_accepted = request;
    request->deadline.start(m_deadlineMs);
    start(request, url);
}

void RequestChannel::clear()
{
    m_accepted = nullptr;
}

bool RequestChannel::isSameServer(const QUrl& a, const QUrl& b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && effectivePort(a) == effectivePort(b);
}

bool RequestChannel::mayCarryPassword(const Request* request, const QUrl& url) const
{
    return !m_password.isEmpty() && isSameServer(url, request->firstUrl);
}

void RequestChannel::start(Request* request, const QUrl& url)
{
    if (!m_network) {
        // No transport given: as good as unreachable, told through the loop.
        QTimer::singleShot(0, this, [this, request] {
            if (!request->concluded)
                conclude(request, RequestFailure::Network);
        });
        return;
    }
    HttpExchange::Request head;
    head.url = url;
    head.idleTimeoutMs = m_idleTimeoutMs;
    head.maxBodyBytes = request->maxBodyBytes;
    head.headers.append(qMakePair(QByteArray("Cache-Control"), QByteArray("no-cache")));
    if (mayCarryPassword(request, url))
        head.headers.append(qMakePair(QByteArray("Authorization"), "Basic " + (QByteArray(":") + m_password.toUtf8()).toBase64()));

    std::unique_ptr<HttpExchange> exchange;
    if (auto* factory = dynamic_cast<HttpExchangeFactory*>(m_network.data()))
        exchange = factory->createExchange(head);
    else
        exchange = std::make_unique<SocketHttpExchange>(head);
    exchange->onDone = [this, request, url](HttpResponseParser::Message message) {
        onDone(request, url, message.status, message.header("Location"), message.header("WWW-Authenticate"),
            std::move(message.body));
    };
    exchange->onFailed = [this, request](RequestFailure failure) {
        if (!request->concluded)
            conclude(request, failure);
    };
    if (request->exchange)
        request->ended.push_back(std::move(request->exchange)); // it may be telling us this very moment
    request->exchange = std::move(exchange);
    request->exchange->start();
}

void RequestChannel::onDone(Request* request, const QUrl& url, int status, const QByteArray& location,
    const QByteArray& wwwAuthenticate, QByteArray body)
{
    if (request->concluded)
        return;
    if (request != m_accepted) {
        // Abandoned: nothing it says matters, and its redirects are refused.
        release(request);
        return;
    }
    const QUrl target = QUrl::fromEncoded(location);
    if (isRedirect(status) && !location.isEmpty() && target.isValid()) {
        if (request->redirects >= maxRedirects) {
            conclude(request, RequestFailure::Redirects);
            return;
        }
        const QUrl next = url.resolved(target);
        // A remote control has no reason to follow VLC anywhere else: not
        // to another host or port, and never to another scheme (file:).
        if (next.scheme() != QLatin1String("http") || !isSameServer(next, request->firstUrl)) {
            conclude(request, RequestFailure::RedirectRefused);
            return;
        }
        ++request->redirects;
        start(request, next);
        return;
    }
    HttpReply result;
    result.httpStatus = status;
    result.body = std::move(body);
    result.wwwAuthenticate = wwwAuthenticate;
    result.url = url;
    conclude(request, std::nullopt, result);
}

void RequestChannel::conclude(Request* request, std::optional<RequestFailure> failure, const HttpReply& reply)
{
    request->concluded = true;
    request->deadline.stop();
    if (request->exchange)
        request->exchange->abort();
    const bool accepted = request == m_accepted;
    const int tag = request->tag;
    if (accepted)
        m_accepted = nullptr;
    release(request);
    // Told last: the listener may start the next request at once.
    if (accepted) {
        if (failure)
            emit failed(tag, *failure);
        else
            emit finished(tag, reply);
    }
}

void RequestChannel::release(Request* request)
{
    auto it = std::find_if(m_running.begin(), m_running.end(), [request](const auto& r) { return r.get() == request; });
    if (it == m_running.end())
        return;
    if (m_accepted == request)
        m_accepted = nullptr;
    (*it)->concluded = true;
    (*it)->deadline.stop();
    // Deleted later: release can run inside the request's own timer or its
    // exchange's callbacks.
    if (m_retired.empty())
        QTimer::singleShot(0, this, [this] { m_retired.clear(); });
    m_retired.push_back(std::move(*it));
    m_running.erase(it);
}
