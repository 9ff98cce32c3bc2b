#include "MemoryNetwork.h"

#include <QPointer>
#include <QTimer>

namespace {
class MemoryReply : public QNetworkReply {
    Q_OBJECT
public:
    MemoryReply(const QNetworkRequest& request, const MemoryNetwork::Response& response, QObject* parent)
        : QNetworkReply(parent)
        , m_response(response)
    {
        setRequest(request);
        setUrl(request.url());
        setOperation(QNetworkAccessManager::GetOperation);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        if (response.hang) {
            const int timeout = request.transferTimeout() > 0 ? request.transferTimeout() : 30000;
            QTimer::singleShot(timeout, this, [this] { fail(QNetworkReply::OperationCanceledError); });
        } else if (!response.held) {
            QTimer::singleShot(0, this, &MemoryReply::deliver);
        }
    }

    void abort() override
    {
        if (!m_done)
            emit aborted();
        fail(QNetworkReply::OperationCanceledError);
    }
    void release() { deliver(); }
    qint64 bytesAvailable() const override { return m_response.body.size() - m_offset + QIODevice::bytesAvailable(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, qint64(m_response.body.size()) - m_offset);
        if (n <= 0)
            return m_done ? -1 : 0;
        memcpy(data, m_response.body.constData() + m_offset, size_t(n));
        m_offset += n;
        return n;
    }

private:
    void deliver()
    {
        if (m_done)
            return;
        if (m_response.error) {
            fail(*m_response.error);
            return;
        }
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, m_response.status);
        for (const auto& [name, value] : m_response.headers) {
            setRawHeader(name, value);
            if (name.compare("Location", Qt::CaseInsensitive) == 0)
                setAttribute(QNetworkRequest::RedirectionTargetAttribute, QUrl::fromEncoded(value));
        }
        if (m_response.status == 401)
            setError(QNetworkReply::AuthenticationRequiredError, QStringLiteral("401"));
        else if (m_response.status == 403)
            setError(QNetworkReply::ContentAccessDenied, QStringLiteral("403"));
        else if (m_response.status == 404)
            setError(QNetworkReply::ContentNotFoundError, QStringLiteral("404"));
        else if (m_response.status >= 500)
            setError(QNetworkReply::InternalServerError, QStringLiteral("500"));
        emit metaDataChanged();
        if (!m_response.body.isEmpty())
            emit readyRead();
        if (m_done)
            return; // aborted while reading: it has finished already
        m_done = true;
        setFinished(true);
        emit finished();
    }

    void fail(QNetworkReply::NetworkError error)
    {
        if (m_done)
            return;
        m_done = true;
        m_response.body.clear();
        setError(error, QStringLiteral("failed"));
        setFinished(true);
        emit errorOccurred(error);
        emit finished();
    }

signals:
    void aborted();

private:
    MemoryNetwork::Response m_response;
    qint64 m_offset = 0;
    bool m_done = false;
};

// A channel's exchange answered by one of the replies above.
class MemoryExchange : public HttpExchange {
public:
    MemoryExchange(MemoryNetwork* network, const HttpExchange::Request& request)
        : m_network(network)
        , m_request(request)
    {
    }
    ~MemoryExchange() override
    {
        if (m_reply) {
            QObject::disconnect(m_finished);
            m_reply->deleteLater();
        }
    }

    void start() override
    {
        QNetworkRequest request(m_request.url);
        for (const auto& [name, value] : m_request.headers)
            request.setRawHeader(name, value);
        request.setTransferTimeout(m_request.idleTimeoutMs);
        m_reply = m_network->get(request);
        m_finished = QObject::connect(m_reply, &QNetworkReply::finished, m_reply, [this] { onFinished(); });
    }

    void abort() override
    {
        if (!m_reply || m_reply->isFinished())
            return;
        QObject::disconnect(m_finished);
        m_reply->abort();
    }

private:
    void onFinished()
    {
        QNetworkReply* reply = m_reply;
        const QNetworkReply::NetworkError error = reply->error();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (error != QNetworkReply::NoError && status == 0) {
            const bool idle = error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError;
            onFailed(idle ? RequestFailure::IdleTimeout : RequestFailure::Network);
            return;
        }
        if (reply->bytesAvailable() > m_request.maxBodyBytes) {
            onFailed(RequestFailure::TooLarge);
            return;
        }
        HttpResponseParser::Message message;
        message.status = status;
        for (const auto& [name, value] : reply->rawHeaderPairs())
            message.headers.append(qMakePair(name, value));
        message.body = reply->readAll();
        onDone(std::move(message));
    }

    MemoryNetwork* m_network;
    HttpExchange::Request m_request;
    QPointer<QNetworkReply> m_reply;
    QMetaObject::Connection m_finished;
};
}

MemoryNetwork::MemoryNetwork(QObject* parent)
    : QNetworkAccessManager(parent)
{
}

MemoryNetwork::Response MemoryNetwork::ok(const QByteArray& body)
{
    Response r;
    r.body = body;
    return r;
}

MemoryNetwork::Response MemoryNetwork::refused()
{
    Response r;
    r.error = QNetworkReply::ConnectionRefusedError;
    return r;
}

QList<QByteArray> MemoryNetwork::targets() const
{
    QList<QByteArray> out;
    for (const QNetworkRequest& r : m_requests)
        out.append(r.url().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment));
    return out;
}

QNetworkReply* MemoryNetwork::createRequest(Operation, const QNetworkRequest& request, QIODevice*)
{
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
    auto* reply = new MemoryReply(request, response, this);
    connect(reply, &MemoryReply::aborted, this, [this] { ++m_aborts; });
    if (response.held) {
        m_held.push_back([reply = QPointer<MemoryReply>(reply)] {
            if (reply)
                reply->release();
        });
    } else if (!response.hang) {
        ++m_inFlight;
        connect(reply, &QNetworkReply::finished, this, [this] { --m_inFlight; });
    }
    return reply;
}

std::unique_ptr<HttpExchange> MemoryNetwork::createExchange(const HttpExchange::Request& request)
{
    return std::make_unique<MemoryExchange>(this, request);
}

void MemoryNetwork::releaseHeld()
{
    std::vector<std::function<void()>> held;
    held.swap(m_held);
    for (const auto& release : held)
        release();
}

#include "MemoryNetwork.moc"
