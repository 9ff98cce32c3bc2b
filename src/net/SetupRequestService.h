#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class UserDefaults;
#include <QNetworkReply>

// The maker's setup-request service, when one is configured: it e-mails
// setup instructions to an address, and hears once that a remote worked.
// Its replies are not read beyond their status.
class SetupRequestService : public QObject {
    Q_OBJECT
public:
    // defaults: where the service's address and this installation's
    // identifier are kept. network: not owned; nullptr makes the service
    // use one of its own.
    explicit SetupRequestService(UserDefaults& defaults, QNetworkAccessManager* network = nullptr,
                                 QObject* parent = nullptr);
    ~SetupRequestService() override;

    static bool isConfigured(const UserDefaults& defaults);
    static inline const QString applicationName = QStringLiteral("playerlink-iphone");

    // The two requests, or an empty URL without a service.
    QUrl instructionsRequestUrl(const QString& email, bool subscribe) const;
    QUrl successReportUrl() const;

    // Asks for the instructions by e-mail; false (and nothing sent) without
    // a service. The answer is not waited for.
    bool requestInstructions(const QString& email, bool subscribe);
    // Reports a working set-up unless a report is already on its way;
    // successReported() tells how it went.
    bool reportSuccess();
    bool isReporting() const { return m_report != nullptr; }

    static constexpr int transferTimeoutMs = 20000;

signals:
    // ok: the service answered with a 2xx status.
    void successReported(bool ok);

private:
    QNetworkReply* send(const QUrl& url);

    UserDefaults& m_defaults;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_request;
    QPointer<QNetworkReply> m_report;
};
