#include "platform/DesktopPlatform.h"

#include "platform/MailComposer.h"
#include "platform/PasswordKeyring.h"
#include "platform/UrlOpener.h"

bool DesktopLinkOpener::open(const QUrl& url)
{
    return UrlOpener::open(url);
}

bool DesktopMailSender::compose(const QString& recipient, const QString& subject, const QString& body)
{
    return MailComposer::sendEmailTo(m_alerts, recipient, subject, body, false);
}

DesktopPlatform::DesktopPlatform(AlertPresenter& alerts)
    : m_savedRemotes(PasswordKeyring::standard())
    , m_mail(alerts)
{
}
