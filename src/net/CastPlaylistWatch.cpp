#include "net/CastPlaylistWatch.h"

#include <algorithm>

QByteArray CastPlaylistWatch::tokenOf(const QUrl& url)
{
    return url.path(QUrl::FullyEncoded).section(u'/', 1, 1).toLatin1();
}

void CastPlaylistWatch::offer(const QUrl& url)
{
    const QByteArray token = tokenOf(url);
    if (token.isEmpty())
        return;
    forget(url);
    m_entries.push_back(Entry { url, token, {}, false, 0 });
}

void CastPlaylistWatch::forget(const QUrl& url)
{
    std::erase_if(m_entries, [&url](const Entry& entry) { return entry.url == url; });
}

QList<QUrl> CastPlaylistWatch::read(const std::vector<Item>& items)
{
    QList<QUrl> gone;
    for (Entry& entry : m_entries) {
        entry.ids.clear();
        for (const Item& item : items)
            if (item.uri.contains(entry.token))
                entry.ids.insert(item.id);
        if (!entry.ids.isEmpty()) {
            entry.listed = true;
            entry.absentReads = 0;
        } else if (entry.listed || ++entry.absentReads >= readsBeforeGivenUp) {
            gone << entry.url;
        }
    }
    for (const QUrl& url : gone)
        forget(url);
    return gone;
}

std::optional<QUrl> CastPlaylistWatch::fileWithId(qint64 id) const
{
    for (const Entry& entry : m_entries)
        if (entry.ids.contains(id))
            return entry.url;
    return std::nullopt;
}

bool CastPlaylistWatch::isListed(const QUrl& url) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&url](const Entry& entry) { return entry.url == url && entry.listed; });
}

QList<QUrl> CastPlaylistWatch::files() const
{
    QList<QUrl> list;
    for (const Entry& entry : m_entries)
        list << entry.url;
    return list;
}
