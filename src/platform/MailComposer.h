#pragma once

#include <QString>
#include <QUrl>

class AlertPresenter;

// E-mail composition for any screen (feedback, "Tell a friend", setup
// instructions). A desktop has no in-application mail composer, so every
// message goes to the desktop's mail program as a mailto: link, through
// UrlOpener.
class MailComposer {
public:
    // recipient may be empty (the user fills it in). An HTML body is sent as
    // its plain text, since a mailto: body is plain text. Returns whether a
    // mail program took the message; when none did, alerts tells the user.
    static bool sendEmailTo(AlertPresenter& alerts, const QString& recipient, const QString& subject,
                            const QString& body, bool html);

    // "mailto:" recipient "?subject=" subject "&body=" body, each part
    // percent-escaped as UTF-8 so that any character, "&" and "=" included,
    // arrives as typed; line breaks go as CR LF, as mail wants them.
    static QUrl mailtoUrl(const QString& recipient, const QString& subject, const QString& body);

    static bool launchMailAppOnDevice(AlertPresenter& alerts, const QString& recipient, const QString& subject,
                                      const QString& body);
};
