#pragma once

#include "vlc/AlbumArtCache.h"
#include "vlc/HttpReply.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class RequestChannel;
struct PlayerStatus;

// The art of the playing item. VLC 3 serves it at /art?item=ID once it has
// extracted it, which the status tells by an artwork_url in its metadata;
// so art is fetched when that appears or changes, never on every poll. It
// goes through a channel of its own, with the same rules as the remote's
// (time-outs, a cap on the body, no cache, the password only to the remote),
// so that a fetch never holds up a status poll or a command. What came is
// kept in a bounded cache by item id.
class AlbumArtFetcher : public QObject {
    Q_OBJECT
public:
    // A cover is rarely past 1 MB; this leaves room for scans.
    static constexpr qint64 maxArtBytes = 8LL * 1024 * 1024;
    // A fetch that failed (not a 404) is tried again after this long.
    static constexpr int retryAfterMs = 15000;

    explicit AlbumArtFetcher(QObject* parent = nullptr);

    // Looks at a stored status: shows cached art, or fetches it from the
    // server at base ("http://host:port/"). servesArt: the server speaks
    // VLC 3's interface, which has /art.
    void noteStatus(const PlayerStatus& status, bool servesArt, const QUrl& base, QNetworkAccessManager* network,
                    const QString& password);
    // Another server: nothing cached or under way belongs to it.
    void reset();

    // The encoded art of the playing item; empty when it has none (yet).
    const QByteArray& art() const { return m_art; }
    qint64 itemId() const { return m_shown.itemId; }
    // Counts the changes of art() (and of the item it belongs to).
    quint64 generation() const { return m_generation; }
    int fetchesStarted() const { return m_fetchesStarted; }
    const AlbumArtCache& cache() const { return m_cache; }

signals:
    void artChanged();

private:
    struct Key {
        qint64 itemId = -1;
        QString artworkUrl;
        friend bool operator==(const Key&, const Key&) = default;
    };

    void fetch(const Key& key, const QUrl& base, QNetworkAccessManager* network, const QString& password);
    void onFinished(const HttpReply& reply);
    void onFailed();
    void onFailedFor(const Key& key);
    void show(const Key& key, const QByteArray& bytes);

    AlbumArtCache m_cache;
    RequestChannel* m_channel = nullptr;
    Key m_wanted;                     // the playing item and its artwork_url
    std::optional<Key> m_inFlight;
    std::optional<Key> m_failed;
    QElapsedTimer m_failedAt;
    Key m_shown;
    bool m_shownHasArt = false;
    QByteArray m_art;
    quint64 m_generation = 0;
    int m_fetchesStarted = 0;
};
