#include "screens/Flipside/MailLink.h"

#include "ui/UrlOpener.h"

QUrl MailLink::make(const QString& recipient, const QString& subject, const QString& body)
{
    // Spaces as %20, not "+": mail programs read the query as text.
    const QByteArray text = "mailto:" + QUrl::toPercentEncoding(recipient, "@") + "?subject="
        + QUrl::toPercentEncoding(subject) + "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(text, QUrl::StrictMode);
}

bool MailLink::open(const QString& recipient, const QString& subject, const QString& body)
{
    return UrlOpener::open(make(recipient, subject, body));
}
