#include "platform/MprisState.h"

#include "vlc/VLCController.h"

#include <QDBusObjectPath>

MprisState MprisState::of(const VLCController& remote)
{
    MprisState state;
    if (!remote.state().hasStatus())
        return state;
    switch (remote.state().playback()) {
    case PlaybackState::Playing:
        state.playbackStatus = QStringLiteral("Playing");
        break;
    case PlaybackState::Paused:
        state.playbackStatus = QStringLiteral("Paused");
        break;
    default:
        state.playbackStatus = QStringLiteral("Stopped");
        break;
    }
    const PlayerStatus& status = remote.state().playerStatus();
    if (state.playbackStatus != u"Stopped") {
        if (status.currentPlaylistId && *status.currentPlaylistId >= 0)
            state.trackNumber = *status.currentPlaylistId;
        else if (remote.state().currentIndex())
            state.trackNumber = remote.state().idForIndex(PlayerState::currentItem);
        state.title = remote.state().statusTitle();
        if (state.title.isEmpty())
            state.title = remote.state().titleForIndex(PlayerState::currentItem).value_or(QString());
        state.lengthMicroseconds = qlonglong(remote.state().timeLengthSeconds()) * 1'000'000;
        state.positionMicroseconds = qlonglong(std::max(0, remote.timeElapsedSeconds())) * 1'000'000;
    }
    state.volume = remote.state().volume() / 100.0;
    state.rate = status.rate.value_or(1.0) > 0 ? status.rate.value_or(1.0) : 1.0;
    state.shuffle = remote.state().isRandom();
    state.loopStatus = remote.state().isRepeating() ? QStringLiteral("Track")
        : remote.state().isLooping()                ? QStringLiteral("Playlist")
                                            : QStringLiteral("None");
    const bool hasItems = remote.state().itemsInPlaylist() > 0 || state.trackNumber >= 0;
    state.canGoNext = hasItems;
    state.canGoPrevious = hasItems;
    state.canPlay = hasItems;
    state.canPause = hasItems;
    state.canSeek = state.lengthMicroseconds > 0;
    return state;
}

QString MprisState::trackId() const
{
    return trackNumber >= 0 ? QStringLiteral("/org/playerlink/track/%1").arg(trackNumber) : QString::fromLatin1(noTrack);
}

QVariantMap MprisState::metadata() const
{
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(trackId())));
    if (trackNumber < 0)
        return map;
    if (lengthMicroseconds > 0)
        map.insert(QStringLiteral("mpris:length"), lengthMicroseconds);
    if (!title.isEmpty())
        map.insert(QStringLiteral("xesam:title"), title);
    if (!artUrl.isEmpty())
        map.insert(QStringLiteral("mpris:artUrl"), artUrl);
    return map;
}

QVariantMap MprisState::announcedProperties() const
{
    return {
        { QStringLiteral("PlaybackStatus"), playbackStatus },
        { QStringLiteral("Metadata"), metadata() },
        { QStringLiteral("Volume"), volume },
        { QStringLiteral("Rate"), rate },
        { QStringLiteral("Shuffle"), shuffle },
        { QStringLiteral("LoopStatus"), loopStatus },
        { QStringLiteral("CanGoNext"), canGoNext },
        { QStringLiteral("CanGoPrevious"), canGoPrevious },
        { QStringLiteral("CanPlay"), canPlay },
        { QStringLiteral("CanPause"), canPause },
        { QStringLiteral("CanSeek"), canSeek },
    };
}

QVariantMap MprisState::changes(const MprisState& before, const MprisState& after)
{
    const QVariantMap old = before.announcedProperties();
    const QVariantMap now = after.announcedProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const bool same = it.key() == u"Metadata"
            ? before.trackNumber == after.trackNumber && before.title == after.title
                && before.lengthMicroseconds == after.lengthMicroseconds && before.artUrl == after.artUrl
            : old.value(it.key()) == it.value();
        if (!same)
            changed.insert(it.key(), it.value());
    }
    return changed;
}
