#pragma once

#include "models/AppContext.h"
#include "models/HelpPages.h"
#include "ui/ViewController.h"
#include "ui/WebView.h"

#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;

// The screen that shows help pages, the what's-new page, credits, the about
// page and news items: the page HelpPages chooses (a page of the help site
// with a bundled page to fall back on, or a bundled page), or given HTML.
// Links are followed as HelpPages says: actions of the program's own scheme
// post their notification, mail and software-centre links open outside. A
// load asked for before the screen can show it waits until it can.
class WebViewController : public ViewController {
    Q_OBJECT
public:
    // The context's network: nullptr makes the screen use one of its own.
    explicit WebViewController(const AppContext& context, QWidget* parent = nullptr);
    ~WebViewController() override;

    // The help page of that name ("help", "cantSee", "whatsNew", ...), from
    // the configured help site (translated for readers of other languages)
    // with the bundled page to fall back on, or from the bundle.
    void loadHelpPage(const QString& name);
    void loadBundledPage(const QString& name);
    void loadAbout();
    // The newsletter from the help site, or a page saying there is none.
    void loadNewsletter();
    // A remote page without fallback (forgets any fallback).
    void loadUrlString(const QString& address);
    // Shows html at once; relative addresses in it resolve inside the bundle.
    void loadHTMLString(const QString& html);

    WebView* theWebView() const { return m_theWebView; }
    std::optional<QUrl> urlToLoad() const { return m_urlToLoad; }
    bool viewIsAvailable() const { return m_viewIsAvailable; }
    // The bundled page loaded when a remote one fails; empty when none.
    QUrl backupUrl() const { return m_backup; }

    bool shouldStartLoadWithRequest(const QUrl& url, WebView::NavigationType type);
    void didFailLoadWithError(const WebLoadError& error);

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void load(const HelpPages::Choice& choice);
    void setUrlToLoad(const QUrl& url);
    void loadUrlIfPossible();

    AppContext m_context;
    QNetworkAccessManager* m_network;
    QPointer<WebView> m_theWebView;
    std::optional<QUrl> m_urlToLoad;
    bool m_viewIsAvailable = false;
    QUrl m_backup;
};
