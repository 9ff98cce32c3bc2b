#pragma once

class QString;

// Composes a mail in the platform's mail program (feedback, "Tell a friend",
// the setup instructions); the user sends it.
class MailSender {
public:
    virtual ~MailSender() = default;
    // recipient may be empty. Whether a mail program took the message; when
    // none did, the user has been told.
    virtual bool compose(const QString& recipient, const QString& subject, const QString& body) = 0;
};
