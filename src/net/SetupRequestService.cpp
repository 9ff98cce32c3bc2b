#include "net/SetupRequestService.h"

#include "core/ConsoleLog.h"
#include "core/DeviceIdentifier.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
// The replies are not examined; a reply that goes on past this is dropped.
constexpr qint64 maximumReplyBytes = 64 * 1024;

QString escaped(const QString& text)
{
    return StringHelpers::fullyEscapedStringForUrl(text);
}
}

SetupRequestService::SetupRequestService(UserDefaults& defaults, QNetworkAccessManager* network, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_network(network ? network : new QNetworkAccessManager(this))
{
}

SetupRequestService::~SetupRequestService()
{
    for (QNetworkReply* reply : { m_request.data(), m_report.data() }) {
        if (!reply)
            continue;
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
}

bool SetupRequestService::isConfigured(const UserDefaults& defaults)
{
    return !ServiceHosts::configuredBase(defaults, ServiceHosts::setupServiceKey).isEmpty();
}

QUrl SetupRequestService::instructionsRequestUrl(const QString& email, bool subscribe) const
{
    return ServiceHosts::serviceAddress(m_defaults, ServiceHosts::setupServiceKey,
                                        QStringLiteral("/setup_request/create?application=%1&udid=%2&email=%3&subscribe=%4")
                                            .arg(escaped(applicationName), escaped(DeviceIdentifier::uniqueIdentifier(m_defaults)),
                                                 escaped(email))
                                            .arg(subscribe ? 1 : 0));
}

QUrl SetupRequestService::successReportUrl() const
{
    return ServiceHosts::serviceAddress(m_defaults, ServiceHosts::setupServiceKey,
                                        QStringLiteral("/setup_request/connected_succesfully?application=%1&udid=%2")
                                            .arg(escaped(applicationName), escaped(DeviceIdentifier::uniqueIdentifier(m_defaults))));
}

QNetworkReply* SetupRequestService::send(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::readyRead, this, [reply] {
        if (reply->bytesAvailable() > maximumReplyBytes)
            reply->abort();
        else
            reply->readAll();
    });
    return reply;
}

bool SetupRequestService::requestInstructions(const QString& email, bool subscribe)
{
    const QUrl url = instructionsRequestUrl(email, subscribe);
    if (url.isEmpty())
        return false;
    // A newer request replaces one still on its way.
    if (m_request) {
        m_request->disconnect(this);
        if (m_request->isRunning())
            m_request->abort();
        m_request->deleteLater();
    }
    m_request = send(url);
    connect(m_request, &QNetworkReply::finished, this, [this, reply = m_request.data()] {
        if (reply->error() != QNetworkReply::NoError)
            ConsoleLog::log(logNet, QStringLiteral("the setup request failed: %@"), reply->errorString());
        reply->deleteLater();
    });
    return true;
}

bool SetupRequestService::reportSuccess()
{
    if (m_report)
        return true;
    const QUrl url = successReportUrl();
    if (url.isEmpty())
        return false;
    m_report = send(url);
    connect(m_report, &QNetworkReply::finished, this, [this, reply = m_report.data()] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool ok = reply->error() == QNetworkReply::NoError && status >= 200 && status <= 299;
        reply->deleteLater();
        m_report = nullptr;
        emit successReported(ok);
    });
    return true;
}
