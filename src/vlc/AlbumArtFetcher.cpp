#include "vlc/AlbumArtFetcher.h"

#include "vlc/PlayerStatus.h"
#include "vlc/RequestChannel.h"

#include <QUrlQuery>

AlbumArtFetcher::AlbumArtFetcher(QObject* parent)
    : QObject(parent)
    , m_channel(new RequestChannel(nullptr, this))
{
    connect(m_channel, &RequestChannel::finished, this, [this](int, const HttpReply& reply) { onFinished(reply); });
    connect(m_channel, &RequestChannel::failed, this, [this](int, RequestFailure) { onFailed(); });
}

void AlbumArtFetcher::noteStatus(const PlayerStatus& status, bool servesArt, const QUrl& base,
                                 QNetworkAccessManager* network, const QString& password)
{
    const Key key { status.currentPlaylistId.value_or(-1), status.artworkUrl };
    m_wanted = key;
    if (!servesArt || key.itemId < 0 || key.artworkUrl.isEmpty()) {
        // Nothing playing, or VLC has no art for it (yet): the placeholder.
        show(key, {});
        return;
    }
    if (const AlbumArtCache::Entry* entry = m_cache.find(key.itemId); entry && entry->artworkUrl == key.artworkUrl) {
        show(key, entry->bytes);
        return;
    }
    // Another item's art must not stay up while this one's is fetched.
    if (m_shown.itemId != key.itemId)
        show(key, {});
    if (m_inFlight == key)
        return;
    if (m_failed == key && m_failedAt.isValid() && m_failedAt.elapsed() < retryAfterMs)
        return;
    fetch(key, base, network, password);
}

void AlbumArtFetcher::reset()
{
    m_channel->clear();
    m_inFlight.reset();
    m_failed.reset();
    m_cache.clear();
    m_wanted = {};
    show({}, {});
}

void AlbumArtFetcher::fetch(const Key& key, const QUrl& base, QNetworkAccessManager* network, const QString& password)
{
    QUrl url = base;
    if (!network || !url.isValid() || url.host().isEmpty())
        return;
    url.setPath(QStringLiteral("/art"));
    url.setQuery(QUrlQuery { { QStringLiteral("item"), QString::number(key.itemId) } });
    m_inFlight = key;
    ++m_fetchesStarted;
    m_channel->setNetwork(network);
    m_channel->setPassword(password);
    m_channel->send(url, 0, maxArtBytes);
}

void AlbumArtFetcher::onFinished(const HttpReply& reply)
{
    if (!m_inFlight)
        return;
    const Key key = *m_inFlight;
    m_inFlight.reset();
    if (reply.httpStatus == 404 || (reply.httpStatus == 200 && !reply.body.isEmpty())) {
        // A 404 is an answer too: the item has no art, and is not asked again.
        m_cache.insert(key.itemId, key.artworkUrl, reply.httpStatus == 200 ? reply.body : QByteArray());
        m_failed.reset();
        if (key == m_wanted)
            show(key, reply.httpStatus == 200 ? reply.body : QByteArray());
        return;
    }
    onFailedFor(key);
}

void AlbumArtFetcher::onFailed()
{
    if (!m_inFlight)
        return;
    const Key key = *m_inFlight;
    m_inFlight.reset();
    onFailedFor(key);
}

void AlbumArtFetcher::onFailedFor(const Key& key)
{
    m_failed = key;
    m_failedAt.start();
}

void AlbumArtFetcher::show(const Key& key, const QByteArray& bytes)
{
    const bool hasArt = !bytes.isEmpty();
    if (key.itemId == m_shown.itemId && hasArt == m_shownHasArt && (!hasArt || key == m_shown))
        return;
    m_shown = key;
    m_shownHasArt = hasArt;
    m_art = bytes;
    ++m_generation;
    emit artChanged();
}
