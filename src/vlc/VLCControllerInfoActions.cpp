// The commands: each formats one request for VLC and hands it to the channel,
// superseding whatever is in flight.
#include "vlc/VLCController.h"

#include "core/ConsoleLog.h"
#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "vlc/ServerDialect.h"

namespace {
const QString statusCommand = QStringLiteral("%@requests/status.xml?command=%@");
}

void VLCController::sendHotkey(const QString& name)
{
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=key&val=%@"), baseAddress(), name));
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
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_pause")));
}

void VLCController::stop()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_stop")));
}

void VLCController::previous()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_previous")));
    m_playlistDirty = true;
}

void VLCController::next()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_next")));
    m_playlistDirty = true;
}

void VLCController::repeat()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_repeat")));
}

void VLCController::loop()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_loop")));
}

void VLCController::random()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_random")));
}

void VLCController::fullScreen()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("fullscreen")));
}

void VLCController::emptyPlaylist()
{
    sendAsynchronousRequest(fmt(statusCommand, baseAddress(), QStringLiteral("pl_empty")));
    m_playlistDirty = true;
}

void VLCController::removeFromPlaylist(int itemId)
{
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=pl_delete&id=%d"), baseAddress(), itemId));
    m_playlistDirty = true;
}

void VLCController::playFromStart(int itemId)
{
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=pl_play&id=%d"), baseAddress(), itemId));
    m_playlistDirty = true;
}

void VLCController::playPause(int itemId)
{
    const QString pattern = itemId == idForIndex(currentItem)
        ? QStringLiteral("%@requests/status.xml?command=pl_pause&id=%d")
        : QStringLiteral("%@requests/status.xml?command=pl_play&id=%d");
    sendAsynchronousRequest(fmt(pattern, baseAddress(), itemId));
    m_playlistDirty = true;
}

void VLCController::playLastItemInPlaylist()
{
    playFromStart(idForIndex(itemsInPlaylist() - 1));
}

void VLCController::playFilename(const QString& path)
{
    sendAsynchronousRequest(dialect().inputRequest(baseAddress(), QStringLiteral("in_play"), path));
    m_playlistDirty = true;
    m_statusDirty = true;
}

void VLCController::enqueueFilename(const QString& path)
{
    sendAsynchronousRequest(dialect().inputRequest(baseAddress(), QStringLiteral("in_enqueue"), path));
    m_playlistDirty = true;
    m_statusDirty = true;
}

void VLCController::seek(int percent)
{
    m_temporaryPosition = percent;
    m_updatesToIgnore = 1;
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=seek&val=%d%%25"), baseAddress(), percent));
}

void VLCController::seekSeconds(int seconds)
{
    m_temporaryPositionSeconds = seconds;
    m_updatesToIgnore = 1;
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=seek&val=%d"), baseAddress(), seconds));
}

void VLCController::seekRelative(const QString& offset)
{
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=seek&val=%@"), baseAddress(),
                                StringHelpers::fullyEscapedStringForUrl(offset)));
}

void VLCController::setVolume(int percent)
{
    m_temporaryVolume = percent;
    m_updatesToIgnore = 1;
    sendAsynchronousRequest(dialect().volumeRequest(baseAddress(), percent));
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
        sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=audio_track&val=%@"), baseAddress(), *id));
}

void VLCController::setVideoTrack(int index)
{
    if (const auto id = streamIdAt(m_videoTracks, index))
        sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=video_track&val=%@"), baseAddress(), *id));
}

void VLCController::setSubtitleTrack(int index)
{
    if (const auto id = streamIdAt(m_subtitleTracks, index))
        sendAsynchronousRequest(
            fmt(QStringLiteral("%@requests/status.xml?command=subtitle_track&val=%@"), baseAddress(), *id));
}

void VLCController::setAspectRatio(const QString& ratio)
{
    sendAsynchronousRequest(dialect().aspectRatioRequest(baseAddress(), ratio));
}

void VLCController::playChapter(int number)
{
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=chapter&val=%d"), baseAddress(), number));
}

void VLCController::playTitle(int number)
{
    sendAsynchronousRequest(fmt(QStringLiteral("%@requests/status.xml?command=title&val=%d"), baseAddress(), number));
}

void VLCController::setSpeed(int speed)
{
    sendAsynchronousRequest(dialect().speedRequest(baseAddress(), speed));
}

void VLCController::setAudioDelay(float seconds)
{
    sendAsynchronousRequest(dialect().audioDelayRequest(baseAddress(), seconds));
}

void VLCController::updateBrowseList()
{
    const QString url = fmt(QStringLiteral("%@requests/browse.xml?dir=%@"), baseAddress(),
                            StringHelpers::fullyEscapedStringForUrl(m_browseDir));
    ConsoleLog::log(QStringLiteral("browse:  %@"), url);
    sendAsynchronousRequest(url);
}
