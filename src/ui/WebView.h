#pragma once

#include "ui/WebFetch.h"
#include "ui/WebHistory.h"
#include "ui/WebLoadError.h"
#include "ui/WebPicture.h"

#include <QHash>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;

// A web view on QTextBrowser: loads pages over http(s) and from local files
// with their pictures and style sheets, runs no script, keeps its own
// back/forward history and asks a policy before following any address.
// Everything arrives through the event loop; nothing blocks.
//
// setSource() behaves like loadUrl(); setHtml() and friends bypass the
// history and should not be used on it.
class WebView : public QTextBrowser {
    Q_OBJECT
public:
    enum class NavigationType { LinkClicked, BackForward, Reload, Other };
    // False keeps the view where it is (the policy may act on the address
    // itself, for example open it elsewhere).
    using NavigationPolicy = std::function<bool(const QUrl& url, NavigationType type)>;

    // network: not owned; nullptr makes the view use one of its own.
    explicit WebView(QNetworkAccessManager* network = nullptr, QWidget* parent = nullptr);
    ~WebView() override;

    void setNavigationPolicy(NavigationPolicy policy) { m_policy = std::move(policy); }

    void loadUrl(const QUrl& url);
    // Shows the given text; relative addresses in it resolve against base.
    void loadHtml(const QString& html, const QUrl& base = {});
    void stopLoading();

    void backward() override;
    void forward() override;
    void reload() override;
    void home() override;
    bool canGoBack() const { return m_history.canGoBack(); }
    bool canGoForward() const { return m_history.canGoForward(); }
    bool isLoading() const { return m_pageFetch != nullptr; }
    // The address of the page shown (the base address of a page given as text).
    QUrl url() const;

    static constexpr qint64 maximumPageBytes = 2 * 1024 * 1024;
    static constexpr qint64 maximumResourceBytes = WebPicture::maximumBytes;
    static constexpr int maximumResourcesPerPage = WebPicture::maximumPerPage;
    static constexpr int maximumImagePixels = WebPicture::maximumPixels;
    // Space around a page, as browsers leave it.
    static constexpr int documentMargin = 10;

signals:
    void loadStarted(const QUrl& url);
    void loadFinished(const QUrl& url);
    void loadFailed(const WebLoadError& error);
    void loadingChanged(bool loading);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    struct PendingPage {
        QUrl url;
        NavigationType type = NavigationType::Other;
        int historyIndex = -1; // the history entry being revisited, or -1 for a new page
    };

    void navigate(const QUrl& url, NavigationType type, int historyIndex = -1);
    void goToHistoryItem(int index, NavigationType type);
    void onPageFetched(const WebFetch::Result& result);
    void onPageFailed(const WebLoadError& error);
    void commit(const WebHistory::Item& item, int historyIndex);
    void display(const QString& html, const QUrl& base, int scrollY, const QString& fragment);
    void cancelPageFetch();
    void clearResources();
    void fetchResource(int type, const QUrl& url);
    void onResourceFetched(int type, const QUrl& url, const WebFetch::Result& result);
    QVariant decodedResource(int type, const QByteArray& data) const;
    QUrl resolved(const QUrl& url) const;
    bool isSameDocument(const QUrl& a, const QUrl& b) const;
    void rememberScroll();
    void emitHistorySignals();

    QNetworkAccessManager* m_network;
    NavigationPolicy m_policy;
    WebHistory m_history;
    PendingPage m_pending;
    QPointer<WebFetch> m_pageFetch;
    QUrl m_base;
    QString m_html;
    QHash<QUrl, QVariant> m_resources;
    QHash<QUrl, QPointer<WebFetch>> m_resourceFetches;
    int m_resourcesRequested = 0;
    bool m_needsReparse = false;
    QTimer m_relayoutTimer;
};
