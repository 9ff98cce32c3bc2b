#include "ui/WebView.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QScrollBar>
#include <QStringDecoder>

namespace {
bool isLocal(const QUrl& url)
{
    return url.isLocalFile() || url.scheme() == u"qrc";
}

bool isWeb(const QUrl& url)
{
    return url.scheme() == u"http" || url.scheme() == u"https";
}

QString decodeText(const QByteArray& data, const QByteArray& charset, bool html)
{
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder.decode(data);
    }
    if (html) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
        if (decoder.isValid())
            return decoder.decode(data);
    }
    return QString::fromUtf8(data);
}
}

WebView::WebView(QNetworkAccessManager* network, QWidget* parent)
    : QTextBrowser(parent)
    , m_network(network ? network : new QNetworkAccessManager(this))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    // Pages are drawn as on the web: dark text on white unless they say
    // otherwise, whatever the application's own theme.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Link, QColor(0x1a, 0x5f, 0xb4));
    colours.setColor(QPalette::LinkVisited, QColor(0x61, 0x35, 0x83));
    setPalette(colours);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        navigate(url, NavigationType::LinkClicked);
    });
    // Pictures and style sheets arrive one by one; the page is laid out
    // again once a burst of them is in.
    m_relayoutTimer.setSingleShot(true);
    m_relayoutTimer.setInterval(30);
    connect(&m_relayoutTimer, &QTimer::timeout, this, [this] {
        if (m_needsReparse) {
            m_needsReparse = false;
            const int y = verticalScrollBar()->value();
            setHtml(m_html);
            document()->setDocumentMargin(documentMargin);
            verticalScrollBar()->setValue(y);
        } else {
            document()->markContentsDirty(0, document()->characterCount());
        }
    });
}

WebView::~WebView()
{
    cancelPageFetch();
    clearResources();
}

QUrl WebView::url() const
{
    const WebHistory::Item* item = m_history.current();
    return item ? item->url : QUrl();
}

void WebView::loadUrl(const QUrl& url)
{
    navigate(url, NavigationType::Other);
}

void WebView::doSetSource(const QUrl& name, QTextDocument::ResourceType)
{
    navigate(name, NavigationType::Other);
}

void WebView::loadHtml(const QString& html, const QUrl& base)
{
    const bool wasLoading = isLoading();
    cancelPageFetch();
    rememberScroll();
    clearResources();
    m_history.push({ base, html, true, 0 });
    emit loadStarted(base);
    display(html, base, 0, {});
    emitHistorySignals();
    if (wasLoading)
        emit loadingChanged(false);
    emit loadFinished(base);
}

void WebView::stopLoading()
{
    const bool wasLoading = isLoading();
    cancelPageFetch();
    if (wasLoading)
        emit loadingChanged(false);
}

void WebView::backward()
{
    if (canGoBack())
        goToHistoryItem(m_history.index() - 1, NavigationType::BackForward);
}

void WebView::forward()
{
    if (canGoForward())
        goToHistoryItem(m_history.index() + 1, NavigationType::BackForward);
}

void WebView::reload()
{
    goToHistoryItem(m_history.index(), NavigationType::Reload);
}

void WebView::home()
{
    goToHistoryItem(0, NavigationType::BackForward);
}

QUrl WebView::resolved(const QUrl& url) const
{
    return url.isRelative() && !m_base.isEmpty() ? m_base.resolved(url) : url;
}

bool WebView::isSameDocument(const QUrl& a, const QUrl& b) const
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

void WebView::navigate(const QUrl& given, NavigationType type, int historyIndex)
{
    const QUrl url = resolved(given);
    if (url.scheme() == u"javascript")
        return; // no script runs here, so such links do nothing
    if (m_policy && !m_policy(url, type))
        return;

    const WebHistory::Item* current = m_history.current();
    if ((type == NavigationType::LinkClicked || type == NavigationType::Other) && url.hasFragment() && current
        && isSameDocument(url, current->url)) {
        // A jump within the page shown.
        const bool wasLoading = isLoading();
        cancelPageFetch();
        rememberScroll();
        WebHistory::Item jump = *current;
        jump.url = url;
        jump.scrollY = 0;
        m_history.push(std::move(jump));
        scrollToAnchor(url.fragment());
        emitHistorySignals();
        if (wasLoading)
            emit loadingChanged(false);
        return;
    }

    const bool wasLoading = isLoading();
    cancelPageFetch();
    m_pending = { url, type, historyIndex };
    m_pageFetch = new WebFetch(m_network, url.adjusted(QUrl::RemoveFragment), maximumPageBytes, this);
    connect(m_pageFetch, &WebFetch::finished, this, &WebView::onPageFetched);
    connect(m_pageFetch, &WebFetch::failed, this, &WebView::onPageFailed);
    m_pageFetch->start();
    emit loadStarted(url);
    if (!wasLoading)
        emit loadingChanged(true);
}

void WebView::goToHistoryItem(int index, NavigationType type)
{
    if (!m_history.isValidIndex(index))
        return;
    const WebHistory::Item target = m_history.at(index);
    const WebHistory::Item* current = m_history.current();
    if (target.givenAsText) {
        stopLoading();
        rememberScroll();
        m_history.moveTo(index);
        clearResources();
        emit loadStarted(target.url);
        display(target.html, target.url.adjusted(QUrl::RemoveFragment), target.scrollY, {});
        emitHistorySignals();
        emit loadFinished(target.url);
        return;
    }
    if (type == NavigationType::BackForward && current && !current->givenAsText && isSameDocument(target.url, current->url)) {
        // Between two places of the page shown.
        stopLoading();
        rememberScroll();
        m_history.moveTo(index);
        verticalScrollBar()->setValue(target.scrollY);
        emitHistorySignals();
        return;
    }
    navigate(target.url, type, index);
}

void WebView::onPageFetched(const WebFetch::Result& result)
{
    if (m_pageFetch)
        m_pageFetch->deleteLater();
    m_pageFetch = nullptr;
    const PendingPage pending = m_pending;
    QUrl url = result.url;
    if (pending.url.hasFragment())
        url.setFragment(pending.url.fragment());

    const QByteArray& type = result.contentType;
    const bool isImage = type.startsWith("image/");
    const bool isHtml = type.isEmpty() || type == "text/html" || type == "application/xhtml+xml";
    if (!isImage && !isHtml && !type.startsWith("text/")) {
        emit loadingChanged(false);
        emit loadFailed({ WebLoadError::Kind::Unsupported, url, 0, QStringLiteral("cannot show %1").arg(QString::fromLatin1(type)) });
        return;
    }
    clearResources();
    QString html;
    if (isImage) {
        m_resources.insert(result.url, decodedResource(QTextDocument::ImageResource, result.data));
        html = QStringLiteral("<p align=\"center\"><img src=\"%1\"></p>").arg(result.url.toString(QUrl::FullyEncoded).toHtmlEscaped());
    } else if (isHtml) {
        html = decodeText(result.data, result.charset, true);
    } else {
        html = QStringLiteral("<pre>%1</pre>").arg(decodeText(result.data, result.charset, false).toHtmlEscaped());
    }

    rememberScroll();
    int scrollY = 0;
    if (pending.historyIndex >= 0 && m_history.isValidIndex(pending.historyIndex)) {
        m_history.moveTo(pending.historyIndex);
        scrollY = m_history.current()->scrollY;
        m_history.current()->url = url;
    } else {
        m_history.push({ url, {}, false, 0 });
    }
    display(html, result.url, scrollY, url.fragment());
    emitHistorySignals();
    emit loadingChanged(false);
    emit loadFinished(url);
}

void WebView::onPageFailed(const WebLoadError& error)
{
    if (m_pageFetch)
        m_pageFetch->deleteLater();
    m_pageFetch = nullptr;
    WebLoadError reported = error;
    reported.url = m_pending.url;
    emit loadingChanged(false);
    emit loadFailed(reported);
}

void WebView::display(const QString& html, const QUrl& base, int scrollY, const QString& fragment)
{
    m_base = base;
    m_html = html;
    m_needsReparse = false;
    m_relayoutTimer.stop();
    document()->setBaseUrl(base);
    setHtml(html);
    document()->setDocumentMargin(documentMargin);
    // The layout settles in the event loop; place the reader after it.
    auto place = [this, scrollY, fragment] {
        if (fragment.isEmpty())
            verticalScrollBar()->setValue(scrollY);
        else
            scrollToAnchor(fragment);
    };
    place();
    const int placed = verticalScrollBar()->value();
    QTimer::singleShot(0, this, [this, place, placed] {
        if (verticalScrollBar()->value() == placed) // unless someone has moved it since
            place();
    });
}

void WebView::cancelPageFetch()
{
    if (m_pageFetch) {
        m_pageFetch->abort();
        m_pageFetch->deleteLater();
    }
    m_pageFetch = nullptr;
}

void WebView::clearResources()
{
    for (const QPointer<WebFetch>& fetch : std::as_const(m_resourceFetches))
        if (fetch) {
            fetch->abort();
            fetch->deleteLater();
        }
    m_resourceFetches.clear();
    m_resources.clear();
    m_resourcesRequested = 0;
}

void WebView::rememberScroll()
{
    if (WebHistory::Item* item = m_history.current())
        item->scrollY = verticalScrollBar()->value();
}

void WebView::emitHistorySignals()
{
    emit backwardAvailable(canGoBack());
    emit forwardAvailable(canGoForward());
    emit historyChanged();
}

QVariant WebView::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
        return {};
    const QUrl url = resolved(name);
    if (auto found = m_resources.constFind(url); found != m_resources.constEnd())
        return *found;
    if (isLocal(url)) {
        // A page from the network reads nothing from this computer. The
        // answer must not be empty, or the document reads the file itself.
        if (!m_base.isEmpty() && !isLocal(m_base))
            return type == QTextDocument::ImageResource ? QVariant(QImage()) : QVariant(QString());
        QFile file(url.isLocalFile() ? url.toLocalFile() : u':' + url.path());
        QVariant value;
        if (file.size() <= maximumResourceBytes && file.open(QIODevice::ReadOnly))
            value = decodedResource(type, file.readAll());
        m_resources.insert(url, value);
        return value;
    }
    if (isWeb(url))
        fetchResource(type, url);
    return {};
}

void WebView::fetchResource(int type, const QUrl& url)
{
    if (m_resourceFetches.contains(url) || m_resourcesRequested >= maximumResourcesPerPage)
        return;
    ++m_resourcesRequested;
    auto* fetch = new WebFetch(m_network, url, maximumResourceBytes, this);
    m_resourceFetches.insert(url, fetch);
    connect(fetch, &WebFetch::finished, this, [this, type, url, fetch](const WebFetch::Result& result) {
        m_resourceFetches.remove(url);
        fetch->deleteLater();
        onResourceFetched(type, url, result);
    });
    connect(fetch, &WebFetch::failed, this, [this, url, fetch](const WebLoadError&) {
        m_resourceFetches.remove(url);
        fetch->deleteLater();
        m_resources.insert(url, QVariant()); // not asked for again on this page
    });
    fetch->start();
}

void WebView::onResourceFetched(int type, const QUrl& url, const WebFetch::Result& result)
{
    m_resources.insert(url, decodedResource(type, result.data));
    if (type == QTextDocument::StyleSheetResource)
        m_needsReparse = true;
    m_relayoutTimer.start();
}

QVariant WebView::decodedResource(int type, const QByteArray& data) const
{
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    // Pages are fitted to the view: a picture wider than it is shrunk.
    const int fit = viewport()->width() - 2 * int(document()->documentMargin());
    const QImage image = WebPicture::decoded(data, fit > 100 ? fit : 0);
    return image.isNull() ? QVariant() : QVariant(image);
}
