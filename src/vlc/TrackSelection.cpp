#include "vlc/TrackSelection.h"

#include "core/StringHelpers.h"
#include "vlc/VLCController.h"

#include <algorithm>
#include <numeric>

TrackSelection::TrackSelection(VLCController& remote)
    : QObject(&remote)
    , m_remote(remote)
{
}

TrackSelection& TrackSelection::of(VLCController& remote)
{
    if (auto* existing = remote.findChild<TrackSelection*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new TrackSelection(remote);
}

int TrackSelection::count(Kind kind)
{
    switch (kind) {
    case Audio:
        return int(m_remote.state().audioTracks().size());
    case Video:
        return int(m_remote.state().videoTracks().size());
    case Subtitle:
        return int(m_remote.state().subtitleTracks().size());
    }
    return 0;
}

QString TrackSelection::streamIdAt(Kind kind, int index) const
{
    const TrackList& list = kind == Audio ? m_remote.state().audioTracks()
        : kind == Video                   ? m_remote.state().videoTracks()
                                          : m_remote.state().subtitleTracks();
    return index >= 0 && size_t(index) < list.size() ? list[size_t(index)].value(u"streamId") : QString();
}

int TrackSelection::current(Kind kind)
{
    const int marked = kind == Audio ? m_remote.state().currentAudioTrack()
        : kind == Video              ? m_remote.state().currentVideoTrack()
                                     : m_remote.state().currentSubtitleTrack();
    if (marked >= 0)
        return marked;
    const auto chosen = m_chosen.find({ m_remote.state().idForIndex(PlayerState::currentItem), kind });
    if (chosen == m_chosen.end())
        return -1;
    // Kept by stream id: the list is rebuilt when the item changes.
    for (int i = 0, n = count(kind); i < n; ++i)
        if (streamIdAt(kind, i) == chosen->second)
            return i;
    return -1;
}

void TrackSelection::select(Kind kind, int index)
{
    if (index < 0 || index >= count(kind))
        return;
    switch (kind) {
    case Audio:
        m_remote.setAudioTrack(index);
        break;
    case Video:
        m_remote.setVideoTrack(index);
        break;
    case Subtitle:
        m_remote.setSubtitleTrack(index);
        break;
    }
    m_chosen[{ m_remote.state().idForIndex(PlayerState::currentItem), kind }] = streamIdAt(kind, index);
}

std::vector<int> TrackSelection::inStreamOrder(Kind kind)
{
    std::vector<int> order(size_t(count(kind)));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return StringHelpers::intValue(streamIdAt(kind, a)) < StringHelpers::intValue(streamIdAt(kind, b));
    });
    return order;
}
