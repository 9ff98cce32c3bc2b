#include "vlc/AlbumArtCache.h"

#include <algorithm>

AlbumArtCache::AlbumArtCache(int maxEntries, qint64 maxBytes)
    : m_maxEntries(std::max(1, maxEntries))
    , m_maxBytes(std::max<qint64>(0, maxBytes))
{
}

const AlbumArtCache::Entry* AlbumArtCache::find(qint64 itemId)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [itemId](const Entry& e) { return e.itemId == itemId; });
    if (it == m_entries.end())
        return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, it);
    return &m_entries.front();
}

void AlbumArtCache::insert(qint64 itemId, const QString& artworkUrl, const QByteArray& bytes)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [itemId](const Entry& e) { return e.itemId == itemId; });
    if (it != m_entries.end()) {
        m_bytes -= it->bytes.size();
        m_entries.erase(it);
    }
    if (bytes.size() > m_maxBytes)
        return;
    m_entries.push_front({ itemId, artworkUrl, bytes });
    m_bytes += bytes.size();
    while (m_entries.size() > size_t(m_maxEntries) || m_bytes > m_maxBytes) {
        m_bytes -= m_entries.back().bytes.size();
        m_entries.pop_back();
    }
}

void AlbumArtCache::clear()
{
    m_entries.clear();
    m_bytes = 0;
}
