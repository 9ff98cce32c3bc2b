#pragma once

#include <QString>

#include <optional>

// How VLC 3 sorts its playlist (pl_sort): by one of the words its Lua
// interface knows. It answers a number with an error page, so only these
// go.
enum class PlaylistSortKey { Title, Artist, Album, Genre, Duration, Id, Random };

namespace PlaylistSort {
// "title", "artist", "album", "genre", "duration", "id", "random".
QString wireName(PlaylistSortKey key);
// The key of such a word, in any letter case.
std::optional<PlaylistSortKey> fromName(const QString& name);
}
