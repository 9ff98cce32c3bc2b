#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
#include <QNetworkReply>

// One news item: element name as written in the feed (prefixes kept, so
// the content is "content:encoded") to the element's text.
using RssItem = QMap<QString, QString>;

// Downloads one RSS feed and reads its items. The document is decoded by
// its own declared encoding (UTF-8 when it declares none); external
// entities are never resolved and the body is capped. Every load ends with
// exactly one completed() from the event loop: successful or not, parsed
// or not.
class RssParser : public QObject {
    Q_OBJECT
public:
    explicit RssParser(int callId, QObject* parent = nullptr);
    ~RssParser() override;

    // Starts the download (network: not owned, must outlive the load).
    void parse(const QUrl& address, QNetworkAccessManager* network);

    bool isSuccessful() const { return m_success; }
    bool isLoading() const { return m_loading; }
    bool isParsed() const { return m_parsed; }
    int getId() const { return m_callId; }
    QUrl requestUrl() const { return m_requestUrl; }
    const QList<RssItem>& getItems() const { return m_items; }
    // The channel's own elements (its title, link, ...).
    const RssItem& getRoot() const { return m_root; }
    // The latest readable "pubDate" of the items; distantPast() when none.
    QDateTime mostRecentItem() const { return m_mostRecentItem; }

    static QDateTime distantPast();
    static constexpr qint64 maximumFeedBytes = 4 * 1024 * 1024;
    // A feed server that sends nothing for this long has failed.
    static constexpr int transferTimeoutMs = 20000;

signals:
    void completed(RssParser* parser);

private:
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void fail();
    void complete();
    void parseDocument(const QByteArray& data);
    void takeText(const QString& chunk);
    void noteDates();

    int m_callId;
    QUrl m_requestUrl;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_webData;
    RssItem m_root;
    QList<RssItem> m_items;
    RssItem m_itemsDictionary;
    bool m_inItem = false;
    QString m_currentElement;
    bool m_success = false;
    bool m_loading = false;
    bool m_parsed = false;
    bool m_responded = false;
    QDateTime m_mostRecentItem;
};
