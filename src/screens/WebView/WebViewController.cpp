#include "screens/WebView/WebViewController.h"

#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "ui/UrlOpener.h"

#include <QNetworkAccessManager>
#include <QVBoxLayout>

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

void WebViewController::load(const HelpPages::Choice& choice)
{
    m_backup = choice.backup;
    setUrlToLoad(choice.url);
}

void WebViewController::loadHelpPage(const QString& name)
{
    load(HelpPages::helpPage(m_context.defaults, name));
}

void WebViewController::loadBundledPage(const QString& name)
{
    load(HelpPages::bundledPage(m_context.defaults, name));
}

void WebViewController::loadAbout()
{
    load(HelpPages::about(m_context.defaults));
}

void WebViewController::loadNewsletter()
{
    const QUrl address = HelpPages::newsletter(m_context.defaults);
    if (address.isEmpty())
        loadHTMLString(HelpPages::noNewsletterPage());
    else
        load({ address, {} });
}

void WebViewController::loadUrlString(const QString& address)
{
    load({ QUrl(address, QUrl::TolerantMode), {} });
}

void WebViewController::loadHTMLString(const QString& html)
{
    loadViewIfNeeded();
    if (!m_theWebView) {
        ConsoleLog::log(QStringLiteral("view should have loaded itself automatically - but it didn't"));
        return;
    }
    m_urlToLoad.reset(); // the latest request wins
    m_theWebView->loadHtml(html, HelpPages::bundleBase());
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
    return HelpPages::follow(url, &UrlOpener::open);
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
