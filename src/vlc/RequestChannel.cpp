#include "vlc/RequestChannel.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>

struct RequestChannel::Request {
    int tag = 0;
    qint64 maxBodyBytes = 0;
    QUrl firstUrl;
    QPointer<QNetworkReply> reply;
    QByteArray data;
    QTimer deadline;
    int redirects = 0;
    qint64 skipped = 0;
    bool deadlineHit = false;
    bool concluded = false;
};

namespace {
constexpr qint64 readBufferBytes = 256 * 1024;

bool isHttpStatusError(QNetworkReply::NetworkError error)
{
    // Content (2xx) and server (4xx) error codes mean an HTTP reply did
    // arrive, with a status such as 401 or 500 and a body worth reading.
    const int code = int(error);
    return (code >= 201 && code <= 299) || (code >= 401 && code <= 499);
}

int effectivePort(const QUrl& url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
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
        if (request->reply) {
            request->reply->disconnect(this);
            request->reply->abort();
            request->reply->deleteLater();
        }
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
    connect(&request->deadline, &QTimer::timeout, this, [request] {
        request->deadlineHit = true;
        if (request->reply)
            request->reply->abort();
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
    QNetworkRequest req(url);
    req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    req.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    req.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    req.setRawHeader("Cache-Control", "no-cache");
    req.setTransferTimeout(m_idleTimeoutMs);
    if (mayCarryPassword(request, url))
        req.setRawHeader("Authorization", "Basic " + (QByteArray(":") + m_password.toUtf8()).toBase64());

    if (!m_network) {
        // No transport given: as good as unreachable, told through the loop.
        QTimer::singleShot(0, this, [this, request] {
            if (!request->concluded)
                conclude(request, RequestFailure::Network);
        });
        return;
    }
    QNetworkReply* reply = m_network->get(req);
    // Qt's network thread stops reading the socket once this much waits to
    // be read, so a body without end can never pile up out of our sight.
    reply->setReadBufferSize(readBufferBytes);
    request->reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, request] { onReadyRead(request); });
    connect(reply, &QNetworkReply::finished, this, [this, request] { onFinished(request); });
}

void RequestChannel::onReadyRead(Request* request)
{
    QNetworkReply* reply = request->reply;
    if (!reply || request->concluded)
        return;
    if (request != m_accepted) {
        // Abandoned: its data is ignored, and it may not run without end.
        request->skipped += reply->skip(reply->bytesAvailable());
        if (request->skipped > request->maxBodyBytes)
            conclude(request, RequestFailure::TooLarge);
        return;
    }
    if (request->data.size() + reply->bytesAvailable() > request->maxBodyBytes) {
        conclude(request, RequestFailure::TooLarge);
        return;
    }
    request->data.append(reply->readAll());
}

void RequestChannel::onFinished(Request* request)
{
    QNetworkReply* reply = request->reply;
    if (request->concluded || !reply) {
        release(request);
        return;
    }
    if (request != m_accepted) {
        // Abandoned: nothing it says matters, and its redirects are refused.
        release(request);
        return;
    }

    const QNetworkReply::NetworkError error = reply->error();
    if (error != QNetworkReply::NoError && !isHttpStatusError(error)) {
        RequestFailure failure = RequestFailure::Network;
        if (request->deadlineHit)
            failure = RequestFailure::Deadline;
        else if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
            failure = RequestFailure::IdleTimeout;
        conclude(request, failure);
        return;
    }

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (status >= 300 && status < 400 && target.isValid()) {
        if (request->redirects >= maxRedirects) {
            conclude(request, RequestFailure::Redirects);
            return;
        }
        const QUrl next = reply->url().resolved(target);
        // A remote control has no reason to follow VLC anywhere else: not
        // to another host or port, and never to another scheme (file:).
        if (next.scheme() != QLatin1String("http") || !isSameServer(next, request->firstUrl)) {
            conclude(request, RequestFailure::RedirectRefused);
            return;
        }
        ++request->redirects;
        reply->disconnect(this);
        reply->deleteLater();
        request->data.clear();
        start(request, next);
        return;
    }

    onReadyRead(request);
    if (request->concluded)
        return;
    HttpReply result;
    result.httpStatus = status;
    result.body = std::move(request->data);
    result.wwwAuthenticate = reply->rawHeader("WWW-Authenticate");
    result.url = reply->url();
    conclude(request, std::nullopt, result);
}

void RequestChannel::conclude(Request* request, std::optional<RequestFailure> failure, const HttpReply& reply)
{
    request->concluded = true;
    request->deadline.stop();
    if (request->reply && !request->reply->isFinished()) {
        request->reply->disconnect(this);
        request->reply->abort();
    }
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
    if ((*it)->reply) {
        (*it)->reply->disconnect(this);
        (*it)->reply->deleteLater();
    }
    if (m_accepted == request)
        m_accepted = nullptr;
    (*it)->deadline.stop();
    // Deleted later: release can run inside the request's own timer or reply
    // signals.
    if (m_retired.empty())
        QTimer::singleShot(0, this, [this] { m_retired.clear(); });
    m_retired.push_back(std::move(*it));
    m_running.erase(it);
}
