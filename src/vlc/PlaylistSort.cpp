#include "vlc/PlaylistSort.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<PlaylistSortKey, const char*>, 7> names { {
    { PlaylistSortKey::Title, "title" },
    { PlaylistSortKey::Artist, "artist" },
    { PlaylistSortKey::Album, "album" },
    { PlaylistSortKey::Genre, "genre" },
    { PlaylistSortKey::Duration, "duration" },
    { PlaylistSortKey::Id, "id" }, // the playlist item id
    { PlaylistSortKey::Random, "random" },
} };
}

QString PlaylistSort::wireName(PlaylistSortKey key)
{
    for (const auto& [k, name] : names)
        if (k == key)
            return QLatin1String(name);
    return QStringLiteral("title");
}

std::optional<PlaylistSortKey> PlaylistSort::fromName(const QString& name)
{
    for (const auto& [key, text] : names)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return key;
    return std::nullopt;
}
