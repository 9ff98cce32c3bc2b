#include "screens/WebView/WebViewController.h"

#include "core/AlertPresenter.h"
#include "core/BundledPages.h"
#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "ui/UrlOpener.h"

#include <QFileInfo>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QVBoxLayout>

namespace {
// The notifications a page may post through a link of the application's
// scheme. Pages come from the network, so they reach these and no others.
bool isPageAction(const QString& name)
{
    return name == NotificationNames::setupHelper;
}

bool isStoreLink(const QString& address)
{
    for (const QString& prefix : ServiceHosts::storeLinkPrefixes())
        if (address.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    return false;
}
}

WebViewController::WebViewController(const AppContext& context, QWidget* parent)
    : ViewController(parent)
    , m_context(context)
    , m_network(context.network ? context.network : new QNetworkAccessManager(this))
{
}

WebViewController::~WebViewController() = default;

void WebViewController::viewDidLoad()
{
    m_theWebView = new WebView(m_network, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_theWebView);
    m_theWebView->setNavigationPolicy([this](const QUrl& url, WebView::NavigationType type) {
        return shouldStartLoadWithRequest(url, type);
    });
    connect(m_theWebView, &WebView::loadFailed, this, &WebViewController::didFailLoadWithError);
    connect(m_theWebView, &WebView::loadFinished, this, [this] { setTitle(m_theWebView->documentTitle()); });
    m_viewIsAvailable = true;
    loadUrlIfPossible();
}

void WebViewController::viewDidAppear(bool)
{
    m_viewIsAvailable = true;
    loadUrlIfPossible();
    if (m_theWebView)
        m_theWebView->setFocus();
}

void WebViewController::viewDidDisappear(bool)
{
    m_viewIsAvailable = false;
}

// --- Choosing what to load ----------------------------------------------------

QString WebViewController::currentLanguage() const
{
    return BundledPages::readerLanguage(m_context.defaults);
}

QUrl WebViewController::bundleUrl(const QString& resource, const QString& type, const QString& directory) const
{
    return BundledPages::address(m_context.defaults, resource, type, directory);
}

QUrl WebViewController::backupUrl() const
{
    return m_backupResource.isEmpty() ? QUrl() : bundleUrl(m_backupResource, m_backupType, m_backupDirectory);
}

void WebViewController::setBackup(const QString& resource, const QString& type, const QString& directory)
{
    m_backupResource = resource;
    m_backupType = type;
    m_backupDirectory = directory;
}

void WebViewController::translateUrl(const QString& address, const QString& resource, const QString& type,
                                     const QString& directory)
{
    // Without a help site the bundled page is the page.
    if (!resource.isEmpty() && (BundledPages::isEnglish(currentLanguage()) || address.isEmpty())) {
        loadFromResource(resource, type, directory);
        return;
    }
    setBackup(resource, type, directory);
    translateUrlString(address);
}

void WebViewController::translateUrlString(const QString& address)
{
    const QString language = currentLanguage();
    const QUrl service = ServiceHosts::translationService(m_context.defaults);
    QUrl url(address, QUrl::TolerantMode);
    if (!BundledPages::isEnglish(language) && !service.isEmpty() && !address.isEmpty()) {
        const QString escapedLanguage = StringHelpers::fullyEscapedStringForUrl(language);
        url = QUrl(service.toString()
                       + QStringLiteral("/translate?hl=%1&sl=en&tl=%1&u=%2")
                             .arg(escapedLanguage, StringHelpers::fullyEscapedStringForUrl(address)),
                   QUrl::TolerantMode);
    }
    setUrlToLoad(url);
}

void WebViewController::loadUrlStringWithBackupResourceTypeDirectory(const QString& address, const QString& resource,
                                                                     const QString& type, const QString& directory)
{
    setBackup(resource, type, directory);
    setUrlToLoad(QUrl(address, QUrl::TolerantMode));
}

void WebViewController::loadUrlString(const QString& address)
{
    setBackup({}, {}, {});
    setUrlToLoad(QUrl(address, QUrl::TolerantMode));
}

void WebViewController::loadFromResource(const QString& resource, const QString& type, const QString& directory)
{
    setUrlToLoad(bundleUrl(resource, type, directory));
}

void WebViewController::loadFromPath(const QString& path)
{
    setUrlToLoad(QUrl::fromLocalFile(path));
}

void WebViewController::loadHelpPage(const QString& name)
{
    const QUrl address = ServiceHosts::helpSiteAddress(m_context.defaults, helpPagePath + name + u'.' + bundlePageType);
    translateUrl(address.toString(QUrl::FullyEncoded), name, bundlePageType, bundlePageDirectory);
}

void WebViewController::loadHTMLString(const QString& html, const QString& baseDirectory)
{
    QUrl base;
    if (!baseDirectory.isEmpty())
        base = QUrl::fromLocalFile(HomePaths::bundle() + u'/' + baseDirectory + u'/');
    loadViewIfNeeded();
    if (!m_theWebView) {
        ConsoleLog::log(QStringLiteral("view should have loaded itself automatically - but it didn't"));
        return;
    }
    m_urlToLoad.reset(); // the latest request wins
    m_theWebView->loadHtml(html, base);
}

// --- Deferred loading -----------------------------------------------------------

void WebViewController::setUrlToLoad(const QUrl& url)
{
    m_urlToLoad = url;
    loadUrlIfPossible();
}

void WebViewController::loadUrlIfPossible()
{
    if (!m_viewIsAvailable || !m_urlToLoad || !m_theWebView)
        return;
    const QUrl url = *m_urlToLoad;
    m_urlToLoad.reset();
    m_theWebView->loadUrl(url);
}

// --- What pages may do ----------------------------------------------------------

bool WebViewController::shouldStartLoadWithRequest(const QUrl& url, WebView::NavigationType)
{
    const QString address = url.toString();
    ConsoleLog::log(QStringLiteral("load: %@"), address);
    for (const char* scheme : { applicationScheme, makerScheme }) {
        const QString actionPrefix = QString::fromLatin1(scheme) + QStringLiteral("://");
        if (!address.startsWith(actionPrefix, Qt::CaseInsensitive))
            continue;
        // The name is the address's host, which URL parsing lower-cases.
        const QString name = address.mid(actionPrefix.size());
        if (isPageAction(name))
            NotificationCenter::defaultCenter().post(name);
        else
            ConsoleLog::log(QStringLiteral("a page asked for an unknown action: %@"), name);
        return false;
    }
    if (url.scheme().compare(u"mailto", Qt::CaseInsensitive) == 0 || isStoreLink(address)) {
        UrlOpener::open(url);
        return false;
    }
    return true;
}

void WebViewController::didFailLoadWithError(const WebLoadError& error)
{
    ConsoleLog::log(QStringLiteral("could not load %@: %@"), error.url.toString(), error.description);
    const QUrl backup = backupUrl();
    // The bundled page itself failing (a missing resource) must not start
    // the same load again.
    if (!backup.isEmpty() && error.url.adjusted(QUrl::RemoveFragment) != backup) {
        setUrlToLoad(backup);
        return;
    }
    AlertRequest alert;
    alert.title = localizedString("Error loading page.");
    alert.message = localizedString("Sorry, we weren't able to load the requested page.");
    alert.buttons = { localizedString("Ok") };
    m_context.alerts.present(alert);
}
