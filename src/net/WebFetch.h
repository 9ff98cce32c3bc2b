#pragma once

#include "net/WebLoadError.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// One download for the web view: a page or a picture, over http(s) or from
// a local file, never longer than a size limit. The answer always arrives
// later from the event loop, never inside start(), so that callers may start
// the next load from their handlers.
class WebFetch : public QObject {
    Q_OBJECT
public:
    struct Result {
        QUrl url; // the final address, after redirects
        QByteArray data;
        QByteArray contentType; // lower case, without parameters
        QByteArray charset;     // from the Content-Type header, if any
    };

    WebFetch(QNetworkAccessManager* network, const QUrl& url, qint64 maxBytes, QObject* parent = nullptr);
    ~WebFetch() override;

    QUrl url() const { return m_url; }
    void start();
    // Drops the download without a signal.
    void abort();

    // A page server that sends nothing for this long has failed.
    static constexpr int transferTimeoutMs = 20000;

signals:
    void finished(const WebFetch::Result& result);
    void failed(const WebLoadError& error);

private:
    void readLocalFile();
    void onReadyRead();
    void onMetaData();
    void onFinished();
    void fail(WebLoadError::Kind kind, const QString& description, int httpStatus = 0);

    QNetworkAccessManager* m_network;
    QUrl m_url;
    qint64 m_maxBytes;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_data;
    bool m_done = false;
};
