#include "screens/SkinsWebView/SkinsWebViewController.h"

#include "core/AlertPresenter.h"
#include "core/BundledPages.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/ServiceHosts.h"
#include "screens/SkinsWebView/BrowserIcons.h"
#include "skin/SkinDownloader.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/UiPalette.h"
#include "ui/UrlOpener.h"

#include <QHBoxLayout>
#include <QHostAddress>
#include <QRegularExpression>
#include <QKeyEvent>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QVBoxLayout>

namespace {
bool isWeb(const QUrl& url)
{
    return url.scheme() == u"http" || url.scheme() == u"https";
}

bool isSkinLink(const QString& text)
{
    return text.startsWith(QString::fromLatin1(SkinDownloader::skinLinkScheme) + u':', Qt::CaseInsensitive);
}

// A typed host that a "www." would break: an IP address, a bracketed IPv6
// address, "localhost", one with a port, or a name without a dot.
bool isPlainHost(const QString& typed)
{
    const QString authority = typed.section(QRegularExpression(QStringLiteral("[/?#]")), 0, 0);
    if (authority.startsWith(u'['))
        return true;
    const qsizetype colon = authority.lastIndexOf(u':');
    const QString host = colon >= 0 ? authority.left(colon) : authority;
    return colon >= 0 || !host.contains(u'.') || host.compare(u"localhost", Qt::CaseInsensitive) == 0
        || !QHostAddress(host).isNull();
}

// How a failed address is told: whole when short, else cut in the middle.
QString shownAddress(const QUrl& url)
{
    constexpr qsizetype longest = 120;
    const QString text = url.toDisplayString(QUrl::RemoveUserInfo);
    return text.size() <= longest ? text : text.left(longest / 2) + QStringLiteral("…") + text.right(longest / 2 - 1);
}

}

SkinsWebViewController::SkinsWebViewController(const AppContext& context, QWidget* parent)
    : ViewController(parent)
    , m_context(context)
    , m_network(context.network ? context.network : new QNetworkAccessManager(this))
{
    setTitle(localizedString("Skin Gallery"));
}

SkinsWebViewController::~SkinsWebViewController() = default;

QUrl SkinsWebViewController::galleryAddress() const
{
    const QUrl site = ServiceHosts::serviceAddress(m_context.defaults, ServiceHosts::skinGalleryKey, galleryPath);
    return site.isEmpty() ? BundledPages::address(m_context.defaults, bundledGalleryPage, BundledPages::pageType,
                                                  BundledPages::pageDirectory)
                          : site;
}

QString SkinsWebViewController::completedAddress(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.startsWith(u"http", Qt::CaseInsensitive))
        return text;
    if (text.startsWith(u"www", Qt::CaseInsensitive) || isPlainHost(text))
        return QStringLiteral("http://") + text;
    return QStringLiteral("http://www.") + text;
}

void SkinsWebViewController::viewDidLoad()
{
    auto* addressStrip = new QWidget(this);
    addressStrip->setObjectName(QStringLiteral("addressStrip"));
    addressStrip->setAttribute(Qt::WA_StyledBackground);
    addressStrip->setStyleSheet(QStringLiteral("#addressStrip { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                               "stop:0 %1, stop:1 %2); border-bottom: 1px solid %3; }")
                                    .arg(UiPalette::barTop().name(), UiPalette::barBottom().name(),
                                         UiPalette::barLine().name()));
    m_addressBar = new QLineEdit(addressStrip);
    m_addressBar->setObjectName(QStringLiteral("addressBar"));
    m_addressBar->setPlaceholderText(localizedString("Type a gallery's address"));
    // An address, not prose: no capitals, no corrections.
    m_addressBar->setInputMethodHints(Qt::ImhUrlCharactersOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
    m_addressBar->setClearButtonEnabled(true);
    m_addressBar->setFont(UiPalette::font(15));
    m_addressBar->setMinimumHeight(30);
    m_addressBar->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; border: 1px solid %1; "
                                               "border-radius: 6px; padding: 2px 8px; }")
                                    .arg(UiPalette::barLine().name()));
    m_addressBar->installEventFilter(this);
    connect(m_addressBar, &QLineEdit::returnPressed, this, &SkinsWebViewController::addressEntered);
    m_updating = new ActivityIndicatorView(addressStrip);
    m_updating->setFixedSize(22, 22);
    auto* stripLayout = new QHBoxLayout(addressStrip);
    stripLayout->setContentsMargins(8, 6, 8, 6);
    stripLayout->setSpacing(8);
    stripLayout->addWidget(m_addressBar, 1);
    stripLayout->addWidget(m_updating);

    m_theWebView = new WebView(m_network, this);
    m_theWebView->setNavigationPolicy([this](const QUrl& url, WebView::NavigationType type) {
        return shouldStartLoadWithRequest(url, type);
    });
    connect(m_theWebView, &WebView::loadStarted, this, &SkinsWebViewController::showAddress);
    connect(m_theWebView, &WebView::loadingChanged, this, [this](bool loading) {
        if (loading)
            webViewDidStartLoad();
    });
    connect(m_theWebView, &WebView::loadFinished, this, &SkinsWebViewController::webViewDidFinishLoad);
    connect(m_theWebView, &WebView::loadFailed, this, &SkinsWebViewController::didFailLoadWithError);
    connect(m_theWebView, &WebView::historyChanged, this, &SkinsWebViewController::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(addressStrip);
    layout->addWidget(m_theWebView, 1);

    m_backButton = new BarButtonItem(BrowserIcons::back(), BarButtonItem::Plain, this);
    m_forwardButton = new BarButtonItem(BrowserIcons::forward(), BarButtonItem::Plain, this);
    m_reloadButton = new BarButtonItem(BrowserIcons::reload(), BarButtonItem::Plain, this);
    m_backButton->setToolTip(localizedString("Back"));
    m_forwardButton->setToolTip(localizedString("Forward"));
    m_reloadButton->setToolTip(localizedString("Reload"));
    connect(m_backButton, &BarButtonItem::triggered, this, &SkinsWebViewController::back);
    connect(m_forwardButton, &BarButtonItem::triggered, this, &SkinsWebViewController::forward);
    connect(m_reloadButton, &BarButtonItem::triggered, this, &SkinsWebViewController::reload);
    setToolbarItems({ m_backButton, BarButtonItem::space(BarButtonItem::FixedSpace, 24, this), m_forwardButton,
                      BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this), m_reloadButton });
    updateButtons();
}

// --- Loading -------------------------------------------------------------------

void SkinsWebViewController::loadSkinGallery()
{
    loadUrlString(galleryAddress().toString(QUrl::FullyEncoded));
}

void SkinsWebViewController::loadUrlString(const QString& address)
{
    if (address.isEmpty())
        return;
    loadViewIfNeeded();
    m_theWebView->loadUrl(QUrl(address, QUrl::TolerantMode));
}

void SkinsWebViewController::addressEntered()
{
    loadViewIfNeeded();
    const QString typed = m_addressBar->text().trimmed();
    // The keyboard goes away, as after "Go".
    m_theWebView->setFocus();
    if (typed.isEmpty())
        return;
    // A skin link typed or pasted asks the same question as one tapped.
    if (isSkinLink(typed)) {
        showAddress(m_theWebView->url());
        emit skinLinkChosen(typed);
        return;
    }
    const QString address = completedAddress(typed);
    m_addressBar->setText(address);
    loadUrlString(address);
}

void SkinsWebViewController::back()
{
    updateButtons();
    if (m_theWebView)
        m_theWebView->backward();
}

void SkinsWebViewController::forward()
{
    updateButtons();
    if (m_theWebView)
        m_theWebView->forward();
}

void SkinsWebViewController::reload()
{
    if (m_theWebView && !m_theWebView->url().isEmpty())
        m_theWebView->reload();
}

void SkinsWebViewController::updateButtons()
{
    if (!m_theWebView)
        return;
    m_backButton->setEnabled(m_theWebView->canGoBack());
    m_forwardButton->setEnabled(m_theWebView->canGoForward());
}

void SkinsWebViewController::webViewDidStartLoad()
{
    m_reloadButton->setEnabled(false);
    m_updating->startAnimating();
}

void SkinsWebViewController::webViewDidFinishLoad()
{
    m_reloadButton->setEnabled(true);
    m_updating->stopAnimating();
    updateButtons();
    const QString pageTitle = m_theWebView->documentTitle().trimmed();
    setTitle(pageTitle.isEmpty() ? localizedString("Skin Gallery") : pageTitle);
    showAddress(m_theWebView->url());
}

void SkinsWebViewController::didFailLoadWithError(const WebLoadError& error)
{
    ConsoleLog::log(QStringLiteral("could not load %@: %@"), error.url.toString(), error.description);
    m_updating->stopAnimating();
    m_reloadButton->setEnabled(true);
    updateButtons();
    showAddress(m_theWebView->url());
    // Every failure here is one the reader asked for (no load is ever
    // cancelled with a report), so each is told.
    // The address says which page: a typed one may be mistyped.
    QString message = QStringLiteral("Sorry, we weren't able to load the requested page.");
    if (!error.url.isEmpty())
        message += QStringLiteral("\n\n") + shownAddress(error.url);
    AlertRequest alert;
    alert.title = QStringLiteral("Error loading page.");
    alert.message = message;
    alert.buttons = { QStringLiteral("Ok") };
    m_context.alerts.present(alert);
}

void SkinsWebViewController::showAddress(const QUrl& url)
{
    // Not while the reader is typing; the bundled page has no address worth showing.
    if (!m_addressBar || m_addressBar->hasFocus())
        return;
    m_addressBar->setText(isWeb(url) ? url.toString() : QString());
}

// --- What pages may do ----------------------------------------------------------

bool SkinsWebViewController::shouldStartLoadWithRequest(const QUrl& url, WebView::NavigationType)
{
    const QString address = url.toString();
    ConsoleLog::log(QStringLiteral("load: %@"), address);
    if (isSkinLink(address)) {
        emit skinLinkChosen(address);
        return false;
    }
    if (url.scheme().compare(u"mailto", Qt::CaseInsensitive) == 0) {
        UrlOpener::open(url);
        return false;
    }
    // A page from the network does not lead to this computer's files.
    if (url.isLocalFile() && m_theWebView && isWeb(m_theWebView->url())) {
        ConsoleLog::log(QStringLiteral("a web page linked to a local file; not followed: %@"), address);
        return false;
    }
    return true;
}

bool SkinsWebViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_addressBar && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape gives up the typing and shows the page's address again.
        m_theWebView->setFocus();
        showAddress(m_theWebView->url());
        return true;
    }
    return ViewController::eventFilter(watched, event);
}
