#include "platform/MailComposer.h"

#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/StringHelpers.h"
#include "platform/UrlOpener.h"

#include <QTextDocumentFragment>

namespace {
QString withMailLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}
}

bool MailComposer::sendEmailTo(AlertPresenter& alerts, const QString& recipient, const QString& subject,
                               const QString& body, bool html)
{
    const QString text = html ? QTextDocumentFragment::fromHtml(body).toPlainText() : body;
    return launchMailAppOnDevice(alerts, recipient, subject, text);
}

QUrl MailComposer::mailtoUrl(const QString& recipient, const QString& subject, const QString& body)
{
    // The address keeps its "@"; everything else that is not plain goes escaped.
    const QString to = QString::fromLatin1(QUrl::toPercentEncoding(recipient.trimmed(), "@"));
    const QString text = QStringLiteral("mailto:%1?subject=%2&body=%3")
                             .arg(to, StringHelpers::fullyEscapedStringForUrl(withMailLineBreaks(subject)),
                                  StringHelpers::fullyEscapedStringForUrl(withMailLineBreaks(body)));
    return QUrl(text, QUrl::StrictMode);
}

bool MailComposer::launchMailAppOnDevice(AlertPresenter& alerts, const QString& recipient, const QString& subject,
                                         const QString& body)
{
    if (UrlOpener::open(mailtoUrl(recipient, subject, body)))
        return true;
    ConsoleLog::log(logPlatform, QStringLiteral("no mail program took the message to %@"), recipient);
    alerts.present(AlertRequest::notice(QStringLiteral("Email..."), QStringLiteral("Email failed")));
    return false;
}
