// The commands: each builds one request for VLC and hands it to the channel,
// superseding whatever is in flight.
#include "vlc/RemoteConnection.h"

#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "vlc/EqualizerBands.h"
#include "vlc/PlayerState.h"
#include "vlc/ServerDialect.h"

#include <QUrl>

#include <cmath>

namespace {
const QString statusPath = QStringLiteral("/requests/status.xml");

QUrlQuery command(const QString& name, const QString& value = QString())
{
    return ServerDialect::command(name, value);
}

QUrlQuery commandWithId(const QString& name, int id)
{
    QUrlQuery query = command(name);
    query.addQueryItem(QStringLiteral("id"), QString::number(id));
    return query;
}
}

void RemoteConnection::playlistCommand(const QUrlQuery& query)
{
    // The playlist changes: fetch it after the command, and soon.
    sendAsynchronousRequest(statusPath, query);
    m_playlistDirty = true;
    m_playlistHint = true;
}

void RemoteConnection::sendHotkey(const QString& name)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("key"), name));
}

void RemoteConnection::toggleAudioDevice() { sendHotkey(QStringLiteral("audiodevice-cycle")); }
void RemoteConnection::subtitleDelayDown() { sendHotkey(QStringLiteral("subdelay-down")); }
void RemoteConnection::subtitleDelayUp() { sendHotkey(QStringLiteral("subdelay-up")); }
void RemoteConnection::toggleSubtitles() { sendHotkey(QStringLiteral("subtitle-track")); }
void RemoteConnection::toggleAudioTrack() { sendHotkey(QStringLiteral("audio-track")); }
void RemoteConnection::cropAspectRatio() { sendHotkey(QStringLiteral("crop")); }
void RemoteConnection::toggleAspectRatio() { sendHotkey(QStringLiteral("aspect-ratio")); }
void RemoteConnection::dvdMenu() { sendHotkey(QStringLiteral("disc-menu")); }
void RemoteConnection::dvdSelect() { sendHotkey(QStringLiteral("nav-activate")); }
void RemoteConnection::dvdRight() { sendHotkey(QStringLiteral("nav-right")); }
void RemoteConnection::dvdLeft() { sendHotkey(QStringLiteral("nav-left")); }
void RemoteConnection::dvdDown() { sendHotkey(QStringLiteral("nav-down")); }
void RemoteConnection::dvdUp() { sendHotkey(QStringLiteral("nav-up")); }
void RemoteConnection::audioDelayUp() { sendHotkey(QStringLiteral("audiodelay-up")); }
void RemoteConnection::audioDelayDown() { sendHotkey(QStringLiteral("audiodelay-down")); }
void RemoteConnection::speedSlower() { sendHotkey(QStringLiteral("slower")); }
void RemoteConnection::speedFaster() { sendHotkey(QStringLiteral("faster")); }


void RemoteConnection::pause()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_pause")));
}

void RemoteConnection::pauseIfPlaying()
{
    // VLC 3 pauses only a player that plays: one paused since its last
    // status stays paused. Older servers only toggle, so the status decides.
    if (m_state.dialect().isModern())
        sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_forcepause")));
    else if (m_state.isPlaying())
        pause();
}

void RemoteConnection::stop()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_stop")));
}

void RemoteConnection::previous()
{
    playlistCommand(command(QStringLiteral("pl_previous")));
}

void RemoteConnection::next()
{
    playlistCommand(command(QStringLiteral("pl_next")));
}

void RemoteConnection::repeat()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_repeat")));
}

void RemoteConnection::loop()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_loop")));
}

void RemoteConnection::random()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_random")));
}

void RemoteConnection::fullScreen()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("fullscreen")));
}

void RemoteConnection::emptyPlaylist()
{
    playlistCommand(command(QStringLiteral("pl_empty")));
}

void RemoteConnection::removeFromPlaylist(int itemId)
{
    playlistCommand(commandWithId(QStringLiteral("pl_delete"), itemId));
}

void RemoteConnection::playFromStart(int itemId)
{
    playlistCommand(commandWithId(QStringLiteral("pl_play"), itemId));
}

void RemoteConnection::playPause(int itemId)
{
    const bool current = itemId == m_state.idForIndex(PlayerState::currentItem);
    const QString name = current ? QStringLiteral("pl_pause") : QStringLiteral("pl_play");
    playlistCommand(commandWithId(name, itemId));
}

void RemoteConnection::playLastItemInPlaylist()
{
    playFromStart(m_state.idForIndex(m_state.itemsInPlaylist() - 1));
}

void RemoteConnection::playFilename(const QString& path)
{
    playlistCommand(m_state.dialect().inputRequest(QStringLiteral("in_play"), path));
    m_statusDirty = true;
}

void RemoteConnection::enqueueFilename(const QString& path)
{
    playlistCommand(m_state.dialect().inputRequest(QStringLiteral("in_enqueue"), path));
    m_statusDirty = true;
}

void RemoteConnection::seek(int percent)
{
    m_state.setTemporaryPosition(percent);
    m_state.setUpdatesToIgnore(1);
    sendAsynchronousRequest(statusPath, command(QStringLiteral("seek"), QStringLiteral("%1%25").arg(percent)));
}

void RemoteConnection::seekSeconds(int seconds)
{
    m_state.setTemporaryPositionSeconds(seconds);
    m_state.setUpdatesToIgnore(1);
    sendAsynchronousRequest(statusPath, command(QStringLiteral("seek"), QString::number(seconds)));
}

void RemoteConnection::seekRelative(const QString& offset)
{
    sendAsynchronousRequest(statusPath,
                            command(QStringLiteral("seek"), StringHelpers::fullyEscapedStringForUrl(offset)));
}

void RemoteConnection::setVolume(int percent)
{
    m_state.setTemporaryVolume(percent);
    m_state.setUpdatesToIgnore(1);
    sendAsynchronousRequest(statusPath, m_state.dialect().volumeRequest(percent));
}

namespace {
// The stream id of a cached track, or nothing when the index is outside the
// list.
std::optional<QString> streamIdAt(const TrackList& tracks, int index)
{
    if (index < 0 || size_t(index) >= tracks.size())
        return std::nullopt;
    return tracks[size_t(index)].value(u"streamId");
}
}

void RemoteConnection::setAudioTrack(int index)
{
    if (const auto id = streamIdAt(m_state.audioTracks(), index))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("audio_track"), *id));
}

void RemoteConnection::setVideoTrack(int index)
{
    if (const auto id = streamIdAt(m_state.videoTracks(), index))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("video_track"), *id));
}

void RemoteConnection::setSubtitleTrack(int index)
{
    if (const auto id = streamIdAt(m_state.subtitleTracks(), index))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("subtitle_track"), *id));
}

void RemoteConnection::setAspectRatio(const QString& ratio)
{
    sendAsynchronousRequest(statusPath, m_state.dialect().aspectRatioRequest(ratio));
}

void RemoteConnection::playChapter(int number)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("chapter"), QString::number(number)));
}

void RemoteConnection::playTitle(int number)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("title"), QString::number(number)));
}

void RemoteConnection::setSpeed(int speed)
{
    sendAsynchronousRequest(statusPath, m_state.dialect().speedRequest(speed));
}

void RemoteConnection::setRate(double multiplier)
{
    sendAsynchronousRequest(statusPath, m_state.dialect().rateRequest(multiplier));
}

void RemoteConnection::setAudioDelay(float seconds)
{
    sendAsynchronousRequest(statusPath, m_state.dialect().audioDelayRequest(seconds));
}

void RemoteConnection::setSubtitleDelay(double seconds)
{
    if (!std::isfinite(seconds))
        return;
    sendAsynchronousRequest(statusPath, command(QStringLiteral("subdelay"), fmt(QStringLiteral("%f"), seconds)));
}

void RemoteConnection::enableEqualizer(bool on)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("enableeq"), on ? QStringLiteral("1") : QStringLiteral("0")));
    m_acceptedEnablesEqualizer = on && isBusy();
}

void RemoteConnection::setEqualizerBand(int band, double db)
{
    if (band < 0 || band >= EqualizerBands::count || !EqualizerBands::gainToSend(db))
        return;
    QUrlQuery query = command(QStringLiteral("equalizer"));
    query.addQueryItem(QStringLiteral("band"), QString::number(band));
    query.addQueryItem(QStringLiteral("val"), EqualizerBands::wireText(db));
    sendAsynchronousRequest(statusPath, query);
}

void RemoteConnection::setEqualizerPreamp(double db)
{
    if (EqualizerBands::gainToSend(db))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("preamp"), EqualizerBands::wireText(db)));
}

void RemoteConnection::setEqualizerPreset(int presetId)
{
    if (presetId >= 0)
        sendAsynchronousRequest(statusPath, command(QStringLiteral("setpreset"), QString::number(presetId)));
}

void RemoteConnection::sortPlaylist(PlaylistSortKey key, bool reverse)
{
    QUrlQuery query = command(QStringLiteral("pl_sort"));
    query.addQueryItem(QStringLiteral("id"), reverse ? QStringLiteral("1") : QStringLiteral("0"));
    query.addQueryItem(QStringLiteral("val"), PlaylistSort::wireName(key));
    playlistCommand(query);
}

QString RemoteConnection::subtitlePath(const QString& pathOrFileUrl)
{
    if (!pathOrFileUrl.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive))
        return pathOrFileUrl;
    const QUrl url(pathOrFileUrl);
    QString path = url.toLocalFile();
    // A Windows computer's file URL names its drive after the slash.
    if (path.size() >= 3 && path[0] == u'/' && path[1].isLetter() && path[2] == u':')
        path.remove(0, 1);
    return path;
}

void RemoteConnection::addSubtitle(const QString& path)
{
    const QString plain = subtitlePath(path);
    if (plain.isEmpty())
        return;
    sendAsynchronousRequest(statusPath,
                            command(QStringLiteral("addsubtitle"), StringHelpers::fullyEscapedStringForUrl(plain)));
}
