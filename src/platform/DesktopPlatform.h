#pragma once

#include "models/LinkOpener.h"
#include "models/MailSender.h"
#include "models/PlatformServices.h"
#include "platform/SavedRemotesFileStore.h"

class AlertPresenter;

// Web pages and mail links in the desktop's own programs, through UrlOpener
// (which tests replace).
class DesktopLinkOpener : public LinkOpener {
public:
    bool open(const QUrl& url) override;
};

// A mail as a mailto: link to the desktop's mail program (MailComposer); a
// desktop has no composer of its own to show.
class DesktopMailSender : public MailSender {
public:
    explicit DesktopMailSender(AlertPresenter& alerts)
        : m_alerts(alerts)
    {
    }
    bool compose(const QString& recipient, const QString& subject, const QString& body) override;

private:
    AlertPresenter& m_alerts;
};

// The platform services of a desktop, and of a Linux phone, which takes the
// desktop's: the saved remotes' file with the standard keyring, links and
// mail through the desktop's programs.
class DesktopPlatform {
public:
    explicit DesktopPlatform(AlertPresenter& alerts);

    PlatformServices services() { return { m_savedRemotes, m_links, m_mail }; }

private:
    SavedRemotesFileStore m_savedRemotes;
    DesktopLinkOpener m_links;
    DesktopMailSender m_mail;
};
