#include "vlc/RequestChannel.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>

struct RequestChannel::Request {
    int tag = 0;
    QUrl firstUrl;
    QPointer<QNetworkReply> reply;
    QByteArray data;
    QTimer deadline;
    int redirects = 0;
    bool deadlineHit = false;
    bool concluded = false;
};

namespace {
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

RequestChannel::RequestChannel(QObject* parent)
    : QObject(parent)
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

namespace {
QPointer<QNetworkAccessManager>& sharedManager()
{
    static QPointer<QNetworkAccessManager> manager;
    return manager;
}
}

QNetworkAccessManager& RequestChannel::networkManager()
{
    // One manager for the whole program, as Qt recommends; it dies with the
    // application object at the latest.
    QPointer<QNetworkAccessManager>& manager = sharedManager();
    if (!manager) {
        manager = new QNetworkAccessManager(QCoreApplication::instance());
        manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    }
    return *manager;
}

void RequestChannel::releaseNetworkManager()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete sharedManager().data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RequestChannel::acceptedTag() const
{
    return m_accepted ? m_accepted->tag : -1;
}

void RequestChannel::send(const QUrl& url, int tag)
{
    auto owned = std::make_unique<Request>();
    Request* request = owned.get();
    request->tag = tag;
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

bool RequestChannel::mayCarryPassword(const Request* request, const QUrl& url) const
{
    if (m_password.isEmpty())
        return false;
    const QUrl& own = request->firstUrl;
    return url.scheme() == own.scheme() && url.host().compare(own.host(), Qt::CaseInsensitive) == 0
        && effectivePort(url) == effectivePort(own);
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

    QNetworkReply* reply = networkManager().get(req);
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
        reply->skip(reply->bytesAvailable()); // abandoned: its data is ignored
        return;
    }
    if (request->data.size() + reply->bytesAvailable() > m_maxBodyBytes) {
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
        ++request->redirects;
        reply->disconnect(this);
        reply->deleteLater();
        request->data.clear();
        start(request, reply->url().resolved(target));
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
