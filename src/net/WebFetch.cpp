#include "net/WebFetch.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
bool isLocal(const QUrl& url)
{
    return url.isLocalFile() || url.scheme() == u"qrc";
}

QString localPath(const QUrl& url)
{
    return url.scheme() == u"qrc" ? u':' + url.path() : url.toLocalFile();
}

WebLoadError::Kind kindOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
        return WebLoadError::Kind::CannotConnect;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer time-out; we abort only after finishing
    case QNetworkReply::ProxyTimeoutError:
        return WebLoadError::Kind::TimedOut;
    case QNetworkReply::ProtocolUnknownError:
        return WebLoadError::Kind::Unsupported;
    default:
        return WebLoadError::Kind::Other;
    }
}

// "text/html; charset=ISO-8859-1" → type and charset, in lower case.
std::pair<QByteArray, QByteArray> splitContentType(const QByteArray& header)
{
    const QList<QByteArray> parts = header.split(';');
    const QByteArray type = parts.value(0).trimmed().toLower();
    QByteArray charset;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray part = parts[i].trimmed();
        if (part.toLower().startsWith("charset="))
            charset = part.mid(8).trimmed().replace('"', "").toLower();
    }
    return { type, charset };
}
}

WebFetch::WebFetch(QNetworkAccessManager* network, const QUrl& url, qint64 maxBytes, QObject* parent)
    : QObject(parent)
    , m_network(network)
    , m_url(url)
    , m_maxBytes(maxBytes)
{
}

WebFetch::~WebFetch()
{
    abort();
}

void WebFetch::start()
{
    if (isLocal(m_url)) {
        QTimer::singleShot(0, this, &WebFetch::readLocalFile);
        return;
    }
    if (m_url.scheme() != u"http" && m_url.scheme() != u"https") {
        QTimer::singleShot(0, this, [this] {
            fail(WebLoadError::Kind::Unsupported, QStringLiteral("cannot load addresses of this kind"));
        });
        return;
    }
    QNetworkRequest request(m_url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(transferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("PlayerLink"));
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &WebFetch::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &WebFetch::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &WebFetch::onFinished);
}

void WebFetch::abort()
{
    m_done = true;
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
    }
}

void WebFetch::readLocalFile()
{
    if (m_done)
        return;
    const QString path = localPath(m_url);
    QFileInfo info(path);
    if (!info.isFile())
        return fail(WebLoadError::Kind::FileNotFound, QStringLiteral("no such file: %1").arg(path));
    if (info.size() > m_maxBytes)
        return fail(WebLoadError::Kind::TooLarge, QStringLiteral("file larger than %1 bytes").arg(m_maxBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(WebLoadError::Kind::FileNotFound, file.errorString());
    Result result;
    result.url = m_url;
    result.data = file.read(m_maxBytes + 1);
    if (result.data.size() > m_maxBytes)
        return fail(WebLoadError::Kind::TooLarge, QStringLiteral("file larger than %1 bytes").arg(m_maxBytes));
    result.contentType = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).name().toLatin1();
    m_done = true;
    emit finished(result);
}

void WebFetch::onMetaData()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > m_maxBytes)
        fail(WebLoadError::Kind::TooLarge, QStringLiteral("announced %1 bytes").arg(length.toLongLong()));
}

void WebFetch::onReadyRead()
{
    m_data += m_reply->readAll();
    if (m_data.size() > m_maxBytes)
        fail(WebLoadError::Kind::TooLarge, QStringLiteral("more than %1 bytes").arg(m_maxBytes));
}

void WebFetch::onFinished()
{
    if (m_done || !m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_data += reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_data.size() > m_maxBytes)
        return fail(WebLoadError::Kind::TooLarge, QStringLiteral("more than %1 bytes").arg(m_maxBytes));
    if (status >= 400)
        return fail(WebLoadError::Kind::HttpStatus, QStringLiteral("HTTP status %1").arg(status), status);
    if (reply->error() != QNetworkReply::NoError)
        return fail(kindOf(reply->error()), reply->errorString());
    Result result;
    result.url = reply->url();
    result.data = std::move(m_data);
    std::tie(result.contentType, result.charset) = splitContentType(reply->header(QNetworkRequest::ContentTypeHeader).toByteArray());
    m_reply = nullptr;
    reply->deleteLater();
    m_done = true;
    emit finished(result);
}

void WebFetch::fail(WebLoadError::Kind kind, const QString& description, int httpStatus)
{
    if (m_done)
        return;
    abort();
    emit failed(WebLoadError { kind, m_url, httpStatus, description });
}
