#include "vlc/ByteSearch.h"

#include <cstring>

namespace {
inline char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Next position at or after from where c stands, or end when none.
qsizetype nextOf(const char* data, qsizetype from, qsizetype end, char c)
{
    if (from >= end)
        return end;
    const void* hit = std::memchr(data + from, c, size_t(end - from));
    return hit ? static_cast<const char*>(hit) - data : end;
}
}

bool ByteSearch::containsIgnoringCase(QByteArrayView haystack, QByteArrayView needle)
{
    if (needle.isEmpty())
        return true;
    if (haystack.size() < needle.size())
        return false;
    const char lo = lower(needle[0]);
    const char up = (lo >= 'a' && lo <= 'z') ? char(lo - 'a' + 'A') : lo;
    const char* data = haystack.data();
    const qsizetype end = haystack.size() - needle.size() + 1; // last possible start + 1

    // The next candidates of each case, refreshed only once passed, so that
    // the search stays linear.
    qsizetype nextLo = nextOf(data, 0, end, lo);
    qsizetype nextUp = up == lo ? end : nextOf(data, 0, end, up);
    while (true) {
        const qsizetype at = nextLo < nextUp ? nextLo : nextUp;
        if (at >= end)
            return false;
        qsizetype k = 1;
        while (k < needle.size() && lower(data[at + k]) == lower(needle[k]))
            ++k;
        if (k == needle.size())
            return true;
        if (at == nextLo)
            nextLo = nextOf(data, at + 1, end, lo);
        if (at == nextUp)
            nextUp = nextOf(data, at + 1, end, up);
    }
}
