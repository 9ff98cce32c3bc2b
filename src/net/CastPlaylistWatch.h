#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

// Follows VLC's playlist for the files offered to it from a CastServer:
// which of them it holds, and which have left it (or never came) and are to
// be withdrawn. An item is matched by the random token in its address,
// which survives whatever escaping VLC puts on the rest of it.
class CastPlaylistWatch {
public:
    struct Item {
        qint64 id = 0;
        QByteArrayView uri; // as the reply wrote it: the token needs no unescaping
    };

    // An offered file that none of this many playlist reads holds is given
    // up: VLC did not take it.
    static constexpr int readsBeforeGivenUp = 3;

    // VLC has answered the command that added the file at url: every
    // playlist read from now on should hold it.
    void offer(const QUrl& url);
    void forget(const QUrl& url);
    void clear() { m_entries.clear(); }

    // Takes a playlist as VLC listed it; returns the offered files that
    // left it, or that did not come into it in time.
    QList<QUrl> read(const std::vector<Item>& items);

    // The offered file that the playlist item with this id is.
    std::optional<QUrl> fileWithId(qint64 id) const;
    bool isListed(const QUrl& url) const;
    bool isEmpty() const { return m_entries.empty(); }
    QList<QUrl> files() const;

    // The random part of a cast server's address: its first path segment.
    static QByteArray tokenOf(const QUrl& url);

private:
    struct Entry {
        QUrl url;
        QByteArray token;
        QSet<qint64> ids; // VLC may hold a file twice
        bool listed = false;
        int absentReads = 0;
    };
    std::vector<Entry> m_entries;
};
