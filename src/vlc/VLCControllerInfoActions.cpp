// The commands: each builds one request for VLC and hands it to the channel,
// superseding whatever is in flight.
#include "vlc/VLCController.h"

#include "core/ConsoleLog.h"
#include "core/StringHelpers.h"
#include "vlc/ServerDialect.h"

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

void VLCController::sendHotkey(const QString& name)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("key"), name));
}

void VLCController::toggleAudioDevice() { sendHotkey(QStringLiteral("audiodevice-cycle")); }
void VLCController::subtitleDelayDown() { sendHotkey(QStringLiteral("subdelay-down")); }
void VLCController::subtitleDelayUp() { sendHotkey(QStringLiteral("subdelay-up")); }
void VLCController::toggleSubtitles() { sendHotkey(QStringLiteral("subtitle-track")); }
void VLCController::toggleAudioTrack() { sendHotkey(QStringLiteral("audio-track")); }
void VLCController::cropAspectRatio() { sendHotkey(QStringLiteral("crop")); }
void VLCController::toggleAspectRatio() { sendHotkey(QStringLiteral("aspect-ratio")); }
void VLCController::dvdMenu() { sendHotkey(QStringLiteral("disc-menu")); }
void VLCController::dvdSelect() { sendHotkey(QStringLiteral("nav-activate")); }
void VLCController::dvdRight() { sendHotkey(QStringLiteral("nav-right")); }
void VLCController::dvdLeft() { sendHotkey(QStringLiteral("nav-left")); }
void VLCController::dvdDown() { sendHotkey(QStringLiteral("nav-down")); }
void VLCController::dvdUp() { sendHotkey(QStringLiteral("nav-up")); }
void VLCController::audioDelayUp() { sendHotkey(QStringLiteral("audiodelay-up")); }
void VLCController::audioDelayDown() { sendHotkey(QStringLiteral("audiodelay-down")); }
void VLCController::speedSlower() { sendHotkey(QStringLiteral("slower")); }
void VLCController::speedFaster() { sendHotkey(QStringLiteral("faster")); }

void VLCController::pause()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_pause")));
}

void VLCController::stop()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_stop")));
}

void VLCController::previous()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_previous")));
    m_playlistDirty = true;
    m_playlistHint = true;
}

void VLCController::next()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_next")));
    m_playlistDirty = true;
    m_playlistHint = true;
}

void VLCController::repeat()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_repeat")));
}

void VLCController::loop()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_loop")));
}

void VLCController::random()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_random")));
}

void VLCController::fullScreen()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("fullscreen")));
}

void VLCController::emptyPlaylist()
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("pl_empty")));
    m_playlistDirty = true;
    m_playlistHint = true;
}

void VLCController::removeFromPlaylist(int itemId)
{
    sendAsynchronousRequest(statusPath, commandWithId(QStringLiteral("pl_delete"), itemId));
    m_playlistDirty = true;
    m_playlistHint = true;
}

void VLCController::playFromStart(int itemId)
{
    sendAsynchronousRequest(statusPath, commandWithId(QStringLiteral("pl_play"), itemId));
    m_playlistDirty = true;
    m_playlistHint = true;
}

void VLCController::playPause(int itemId)
{
    const QString name = itemId == idForIndex(currentItem) ? QStringLiteral("pl_pause") : QStringLiteral("pl_play");
    sendAsynchronousRequest(statusPath, commandWithId(name, itemId));
    m_playlistDirty = true;
    m_playlistHint = true;
}

void VLCController::playLastItemInPlaylist()
{
    playFromStart(idForIndex(itemsInPlaylist() - 1));
}

void VLCController::playFilename(const QString& path)
{
    sendAsynchronousRequest(statusPath, dialect().inputRequest(QStringLiteral("in_play"), path));
    m_playlistDirty = true;
    m_statusDirty = true;
    m_playlistHint = true;
}

void VLCController::enqueueFilename(const QString& path)
{
    sendAsynchronousRequest(statusPath, dialect().inputRequest(QStringLiteral("in_enqueue"), path));
    m_playlistDirty = true;
    m_statusDirty = true;
    m_playlistHint = true;
}

void VLCController::seek(int percent)
{
    m_temporaryPosition = percent;
    m_updatesToIgnore = 1;
    sendAsynchronousRequest(statusPath, command(QStringLiteral("seek"), QStringLiteral("%1%25").arg(percent)));
}

void VLCController::seekSeconds(int seconds)
{
    setTemporaryPositionSeconds(seconds);
    m_updatesToIgnore = 1;
    sendAsynchronousRequest(statusPath, command(QStringLiteral("seek"), QString::number(seconds)));
}

void VLCController::seekRelative(const QString& offset)
{
    sendAsynchronousRequest(statusPath,
                            command(QStringLiteral("seek"), StringHelpers::fullyEscapedStringForUrl(offset)));
}

void VLCController::setVolume(int percent)
{
    m_temporaryVolume = percent;
    m_updatesToIgnore = 1;
    sendAsynchronousRequest(statusPath, dialect().volumeRequest(percent));
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

void VLCController::setAudioTrack(int index)
{
    if (const auto id = streamIdAt(m_audioTracks, index))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("audio_track"), *id));
}

void VLCController::setVideoTrack(int index)
{
    if (const auto id = streamIdAt(m_videoTracks, index))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("video_track"), *id));
}

void VLCController::setSubtitleTrack(int index)
{
    if (const auto id = streamIdAt(m_subtitleTracks, index))
        sendAsynchronousRequest(statusPath, command(QStringLiteral("subtitle_track"), *id));
}

void VLCController::setAspectRatio(const QString& ratio)
{
    sendAsynchronousRequest(statusPath, dialect().aspectRatioRequest(ratio));
}

void VLCController::playChapter(int number)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("chapter"), QString::number(number)));
}

void VLCController::playTitle(int number)
{
    sendAsynchronousRequest(statusPath, command(QStringLiteral("title"), QString::number(number)));
}

void VLCController::setSpeed(int speed)
{
    sendAsynchronousRequest(statusPath, dialect().speedRequest(speed));
}

void VLCController::setRate(double multiplier)
{
    sendAsynchronousRequest(statusPath, dialect().rateRequest(multiplier));
}

void VLCController::setAudioDelay(float seconds)
{
    sendAsynchronousRequest(statusPath, dialect().audioDelayRequest(seconds));
}

void VLCController::updateBrowseList()
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("dir"), StringHelpers::fullyEscapedStringForUrl(m_browseDir));
    QUrl url(baseAddress());
    url.setPath(QStringLiteral("/requests/browse.xml"));
    url.setQuery(query);
    ConsoleLog::log(QStringLiteral("browse:  %@"), url.toString(QUrl::FullyEncoded));
    // Marked as a folder request, so that an answer without a listing can be
    // told from one that merely is not a status.
    sendRequest(QStringLiteral("/requests/browse.xml"), query, BrowseRequest, maxListBytes);
}
