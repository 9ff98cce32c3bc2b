#pragma once

#include <QByteArray>
#include <QString>

#include <list>

// The art of playlist items as VLC sent it (encoded image bytes), by item
// id, least recently used first out. Bounded both in entries and in bytes,
// so that a long evening of music never grows the memory.
class AlbumArtCache {
public:
    struct Entry {
        qint64 itemId = -1;
        // The artwork_url the bytes belong to: a new one means new art.
        QString artworkUrl;
        // Empty: VLC has no art for the item (it answered 404).
        QByteArray bytes;
    };

    static constexpr int defaultMaxEntries = 24;
    static constexpr qint64 defaultMaxBytes = 24LL * 1024 * 1024;

    explicit AlbumArtCache(int maxEntries = defaultMaxEntries, qint64 maxBytes = defaultMaxBytes);

    // The entry of an item, made the most recently used; null when none.
    const Entry* find(qint64 itemId);
    // Stores (or replaces) an item's art, then drops the least recently
    // used entries until both bounds hold. Art larger than the whole byte
    // bound is not kept.
    void insert(qint64 itemId, const QString& artworkUrl, const QByteArray& bytes);
    void clear();

    int size() const { return int(m_entries.size()); }
    qint64 bytes() const { return m_bytes; }

private:
    std::list<Entry> m_entries; // most recently used first
    int m_maxEntries;
    qint64 m_maxBytes;
    qint64 m_bytes = 0;
};
