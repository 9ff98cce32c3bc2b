#pragma once

#include <QString>
#include <QUrl>

// A mail to compose, as a mailto: address for the desktop's mail program:
// the recipient (none leaves the part before the question mark empty), the
// subject and the body, each percent-escaped as UTF-8.
class MailLink {
public:
    static QUrl make(const QString& recipient, const QString& subject, const QString& body);
    // Hands the address to the desktop (through UrlOpener).
    static bool open(const QString& recipient, const QString& subject, const QString& body);
};
