#include "models/HelpPages.h"

#include "core/BundledPages.h"
#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/Localization.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"

namespace {
HelpPages::Choice translated(const UserDefaults& defaults, const QUrl& address, const QString& resource)
{
    const QUrl bundled = BundledPages::address(defaults, resource, BundledPages::pageType, BundledPages::pageDirectory);
    const QString language = BundledPages::readerLanguage(defaults);
    // Without a help site the bundled page is the page.
    if (BundledPages::isEnglish(language) || address.isEmpty())
        return { bundled, {} };
    const QUrl service = ServiceHosts::translationService(defaults);
    if (service.isEmpty())
        return { address, bundled };
    const QString escapedLanguage = StringHelpers::fullyEscapedStringForUrl(language);
    const QString page = address.toString(QUrl::FullyEncoded);
    return { QUrl(service.toString()
                      + QStringLiteral("/translate?hl=%1&sl=en&tl=%1&u=%2")
                            .arg(escapedLanguage, StringHelpers::fullyEscapedStringForUrl(page)),
                  QUrl::TolerantMode),
             bundled };
}
}

HelpPages::Choice HelpPages::helpPage(const UserDefaults& defaults, const QString& name)
{
    return translated(defaults, ServiceHosts::helpSiteAddress(defaults, helpPagePath + name + u'.' + BundledPages::pageType), name);
}

HelpPages::Choice HelpPages::bundledPage(const UserDefaults& defaults, const QString& name)
{
    return { BundledPages::address(defaults, name, BundledPages::pageType, BundledPages::pageDirectory), {} };
}

HelpPages::Choice HelpPages::about(const UserDefaults& defaults)
{
    const QUrl bundled = bundledPage(defaults, aboutPage).url;
    const QUrl address = ServiceHosts::helpSiteAddress(defaults, aboutPath);
    return address.isEmpty() ? Choice { bundled, {} } : Choice { address, bundled };
}

QUrl HelpPages::newsletter(const UserDefaults& defaults)
{
    return ServiceHosts::helpSiteAddress(defaults, newsletterPath);
}

QString HelpPages::noNewsletterPage()
{
    return QStringLiteral("<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">"
                          "<title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(localizedString("Newsletter").toHtmlEscaped(),
             localizedString("The newsletter is read from the maker's web site, and none "
                             "is set up for this copy of PlayerLink.")
                 .toHtmlEscaped());
}

QUrl HelpPages::bundleBase()
{
    return QUrl::fromLocalFile(HomePaths::bundle() + u'/' + BundledPages::pageDirectory + u'/');
}

HelpPages::LinkUse HelpPages::useOf(const QUrl& url, std::optional<Action>* action)
{
    const QString address = url.toString();
    for (const char* scheme : { applicationScheme, makerScheme }) {
        const QString actionPrefix = QString::fromLatin1(scheme) + QStringLiteral("://");
        if (!address.startsWith(actionPrefix, Qt::CaseInsensitive))
            continue;
        // The name is the address's host, which URL parsing lower-cases.
        // Pages come from the network, so they reach these and no others.
        const QString name = address.mid(actionPrefix.size());
        if (action)
            *action = name == setupHelperAction ? std::optional(Action::ShowSetup) : std::nullopt;
        return LinkUse::Action;
    }
    if (url.scheme().compare(u"mailto", Qt::CaseInsensitive) == 0)
        return LinkUse::Outside;
    for (const QString& prefix : ServiceHosts::storeLinkPrefixes())
        if (address.startsWith(prefix, Qt::CaseInsensitive))
            return LinkUse::Outside;
    return LinkUse::Load;
}

bool HelpPages::follow(const QUrl& url, const std::function<bool(const QUrl&)>& openOutside,
                       const std::function<void(Action)>& perform)
{
    ConsoleLog::log(logModels, QStringLiteral("load: %@"), url.toString());
    std::optional<Action> action;
    switch (useOf(url, &action)) {
    case LinkUse::Action:
        if (!action)
            ConsoleLog::log(logModels, QStringLiteral("a page asked for an unknown action: %@"), url.toString());
        else if (perform)
            perform(*action);
        return false;
    case LinkUse::Outside:
        openOutside(url);
        return false;
    case LinkUse::Load:
        break;
    }
    return true;
}
