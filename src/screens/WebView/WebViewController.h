#pragma once

#include "core/BundledPages.h"
#include "models/AppContext.h"
#include "ui/ViewController.h"
#include "ui/WebView.h"

#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;

// The screen that shows help pages, the what's-new page, credits, the about
// page and news items: a page of the help site (machine-translated when the
// reader's language is not English) with a bundled page to fall back on, or
// a bundled page, or given HTML. Pages ask the application to act through
// links of its own scheme ("playerlink://bw_setuphelper", or the older
// "brindlewood://bw_setuphelper"); mail and
// software-centre links open outside. A load asked for before the screen
// can show it waits until it can.
class WebViewController : public ViewController {
    Q_OBJECT
public:
    // The context's network: nullptr makes the screen use one of its own.
    explicit WebViewController(const AppContext& context, QWidget* parent = nullptr);
    ~WebViewController() override;

    static constexpr const char* applicationScheme = "playerlink";
    // The scheme the help pages of the desktop side were written with; its
    // links ask for the same actions.
    static constexpr const char* makerScheme = "brindlewood";
    // Where the help site keeps the pages that have bundled copies.
    static inline const QString helpPagePath = QStringLiteral("/MobileHelp/PlayerLink-iphone/");
    static inline const QString bundlePageType = BundledPages::pageType;
    static inline const QString bundlePageDirectory = BundledPages::pageDirectory;

    // The usual entry for help pages: the bundled page when the reader reads
    // English or there is no address, else the (translated) address with
    // the bundled page as fallback.
    void translateUrl(const QString& address, const QString& resource, const QString& type, const QString& directory);
    // Loads the address, through the translation service when the reader's
    // language is not English and a service is configured.
    void translateUrlString(const QString& address);
    void loadUrlStringWithBackupResourceTypeDirectory(const QString& address, const QString& resource,
                                                      const QString& type, const QString& directory);
    // A remote page without fallback (forgets any fallback).
    void loadUrlString(const QString& address);
    void loadFromResource(const QString& resource, const QString& type, const QString& directory);
    void loadFromPath(const QString& path);
    // Shows html at once; relative addresses in it resolve inside the bundle
    // folder baseDirectory (none: no base).
    void loadHTMLString(const QString& html, const QString& baseDirectory);
    // The help page of that name ("help", "cantSee", "whatsNew", ...) by
    // translateUrl, from the configured help site or the bundle.
    void loadHelpPage(const QString& name);

    // The reader's language code (BundledPages::readerLanguage).
    QString currentLanguage() const;
    // The bundled page in the reader's language (BundledPages::address).
    QUrl bundleUrl(const QString& resource, const QString& type, const QString& directory) const;

    WebView* theWebView() const { return m_theWebView; }
    std::optional<QUrl> urlToLoad() const { return m_urlToLoad; }
    bool viewIsAvailable() const { return m_viewIsAvailable; }
    // The bundled page loaded when a remote one fails; empty when none.
    QUrl backupUrl() const;

    bool shouldStartLoadWithRequest(const QUrl& url, WebView::NavigationType type);
    void didFailLoadWithError(const WebLoadError& error);

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void setUrlToLoad(const QUrl& url);
    void loadUrlIfPossible();
    void setBackup(const QString& resource, const QString& type, const QString& directory);

    AppContext m_context;
    QNetworkAccessManager* m_network;
    QPointer<WebView> m_theWebView;
    std::optional<QUrl> m_urlToLoad;
    bool m_viewIsAvailable = false;
    QString m_backupResource;
    QString m_backupType;
    QString m_backupDirectory;
};
