#pragma once

#include "models/AppContext.h"
#include "ui/ViewController.h"
#include "ui/WebView.h"

#include <QPointer>
#include <QString>
#include <QUrl>

class ActivityIndicatorView;
class BarButtonItem;
class QLineEdit;
class QNetworkAccessManager;

// The skin gallery browser: an address bar, the page, back, forward and
// reload, and a wheel that turns while a page loads. It opens on the
// gallery site when one is configured and on a bundled page about skins
// otherwise. A skin link tapped in a page is handed on (skinLinkChosen) to
// the same question as a skin link from outside; mail links open outside.
class SkinsWebViewController : public ViewController {
    Q_OBJECT
public:
    // network: not owned; nullptr makes the screen use one of its own.
    // The context's network: nullptr makes the screen use one of its own.
    explicit SkinsWebViewController(const AppContext& context, QWidget* parent = nullptr);
    ~SkinsWebViewController() override;

    // The gallery page and the address bar's completion (SkinGalleryAddress).
    QUrl galleryAddress() const;
    static QString completedAddress(const QString& typed);

    void loadSkinGallery();
    // Loads the address (nothing for none).
    void loadUrlString(const QString& address);
    // Loads what the address bar holds, completed.
    void addressEntered();
    void back();
    void forward();
    void reload();
    void updateButtons();

    WebView* theWebView() const { return m_theWebView; }
    QLineEdit* addressBar() const { return m_addressBar; }
    BarButtonItem* backButton() const { return m_backButton; }
    BarButtonItem* forwardButton() const { return m_forwardButton; }
    BarButtonItem* reloadButton() const { return m_reloadButton; }
    ActivityIndicatorView* updating() const { return m_updating; }

    bool shouldStartLoadWithRequest(const QUrl& url, WebView::NavigationType type);

signals:
    // A skin link, as the page gave it ("plskins://host/path").
    void skinLinkChosen(const QString& link);

protected:
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void webViewDidStartLoad();
    void webViewDidFinishLoad();
    void didFailLoadWithError(const WebLoadError& error);
    void showAddress(const QUrl& url);

    AppContext m_context;
    QNetworkAccessManager* m_network;
    QPointer<WebView> m_theWebView;
    QLineEdit* m_addressBar = nullptr;
    ActivityIndicatorView* m_updating = nullptr;
    BarButtonItem* m_backButton = nullptr;
    BarButtonItem* m_forwardButton = nullptr;
    BarButtonItem* m_reloadButton = nullptr;
};
