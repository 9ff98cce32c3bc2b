#pragma once

#include "core/xml/XmlText.h"

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

// One item of VLC's playlist. The texts point into the reply they came
// from, which the Playlist keeps, as they were written there: ten thousand
// items make no strings until a screen asks for one.
struct PlaylistItem {
    qint64 id = 0;
    qint64 duration = 0;
    bool hasDuration = false;
    bool isCurrent = false; // carries the "current" marker
    std::string_view name;
    std::string_view uri;

    QString nameText() const { return decodedAttributeText(name); }
    QString uriText() const { return decodedAttributeText(uri); }
};

// The items of one playlist reply, in document order, whatever their depth.
class Playlist {
public:
    // firstBranchOnly: VLC 3 lists its media library beside the playlist;
    // only the first branch is what plays. Read in one pass over the tags,
    // with no tree: a reply of ten thousand items is read several times
    // faster than through the document reader.
    static Playlist read(const QByteArray& body, bool firstBranchOnly);

    const std::vector<PlaylistItem>& items() const { return m_items; }
    int size() const { return int(m_items.size()); }
    const PlaylistItem* at(int index) const
    {
        return index >= 0 && size_t(index) < m_items.size() ? &m_items[size_t(index)] : nullptr;
    }

private:
    QByteArray m_text; // shared with the reply, never written
    std::vector<PlaylistItem> m_items;
};
