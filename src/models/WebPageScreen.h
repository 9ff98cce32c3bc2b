#pragma once

#include "net/WebFetch.h"
#include "net/WebHistory.h"
#include "net/WebLoadError.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <functional>

class QNetworkAccessManager;

// A web page for Qt Quick's rich text: loads pages over http(s) and from
// local files, with the web view's limits (the same fetch, page size,
// history and picture limits), and runs no script. What reaches the text
// item is the page rewritten by Qt's own HTML reader (with a bundled page's
// style sheets), its pictures fetched here and served by the
// WebPictureStore, so the text item has nothing left to fetch. A local
// page's pictures and style sheets come from its own folder only. Every
// address, typed or linked, passes the policy first; a web page never leads
// to this computer's files.
class WebPageScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Pages are made by the screens that show them")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    // The width pictures are shrunk to as they arrive; 0 for none.
    Q_PROPERTY(int pictureWidth READ pictureWidth WRITE setPictureWidth NOTIFY pictureWidthChanged)
    Q_PROPERTY(QString title READ title NOTIFY shown)
    // The web address of the page shown; empty for a bundled page.
    Q_PROPERTY(QString address READ address NOTIFY shown)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY historyChanged)
    Q_PROPERTY(bool canGoForward READ canGoForward NOTIFY historyChanged)
public:
    // False: the address is not loaded here (the policy may act on it).
    using Policy = std::function<bool(const QUrl& url)>;

    static constexpr qint64 maximumPageBytes = 2 * 1024 * 1024;

    explicit WebPageScreen(QObject* parent = nullptr);
    ~WebPageScreen() override;

    void setPolicy(Policy policy) { m_policy = std::move(policy); }

    QString text() const { return m_text; }
    int pictureWidth() const { return m_pictureWidth; }
    void setPictureWidth(int width);
    QString title() const { return m_title; }
    QString address() const;
    QUrl url() const;
    bool isLoading() const { return m_fetch != nullptr; }
    bool canGoBack() const { return m_history.canGoBack(); }
    bool canGoForward() const { return m_history.canGoForward(); }
    // The place within the page the reader was sent to (the address's
    // fragment); empty for the top.
    Q_INVOKABLE QString anchor() const { return url().fragment(); }

    void load(const QUrl& url);
    // Shows the given page; its relative addresses resolve against base.
    void loadHtml(const QString& html, const QUrl& base);
    // A link of the page shown, as its text wrote it.
    Q_INVOKABLE void follow(const QString& link);
    Q_INVOKABLE void back();
    Q_INVOKABLE void forward();
    Q_INVOKABLE void reload();

    // The page's text as the text item may show it, and its title; base:
    // the page's address.
    static QString inertText(const QString& html, const QUrl& base, QString* title = nullptr);

signals:
    // A page is shown, to be read from its anchor() or its top.
    void shown();
    // The reader goes to anchor() within the page shown, which stays.
    void jumped();
    void historyChanged();
    // The page's text, new or with more of its pictures.
    void textChanged();
    void pictureWidthChanged();
    void loadingChanged();
    void failed(const WebLoadError& error);

private:
    void navigate(const QUrl& url, int historyIndex);
    void goTo(int historyIndex);
    void fetched(const WebFetch::Result& result);
    void failedToFetch(const WebLoadError& error);
    void stop();
    void show();
    void showPage(const QString& html, const QUrl& base);
    void askForPicture(const QUrl& url);
    void addPicture(const QUrl& url, const QImage& picture);
    void clearPictures();

    QNetworkAccessManager* m_network; // child: pages follow redirects
    Policy m_policy;
    WebHistory m_history;
    QPointer<WebFetch> m_fetch;
    int m_pendingIndex = -1;
    QUrl m_pendingUrl;
    QString m_text;
    QString m_title;
    // The page shown, as it came, for drawing it again with its pictures.
    QString m_html;
    QUrl m_base;
    QHash<QUrl, int> m_pictures; // the provider's number, -1 for none
    QHash<QUrl, QPointer<WebFetch>> m_pictureFetches;
    int m_picturesAsked = 0;
    QTimer m_redraw;
    int m_pictureWidth = 0;
};
