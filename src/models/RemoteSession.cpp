#include "models/RemoteSession.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/PlaylistModel.h"
#include "models/RemoteLink.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"
#include "vlc/VolumeRange.h"

#include <QUrl>

#include <algorithm>
#include <cmath>

RemoteSession::RemoteSession(const AppContext& context, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_playlist(new PlaylistModel(this))
{
    m_statusTimer.setInterval(statusIntervalMs);
    m_playlistTimer.setInterval(playlistIntervalMs);
    connect(&m_statusTimer, &QTimer::timeout, this, &RemoteSession::poll);
    connect(&m_playlistTimer, &QTimer::timeout, this, [this] {
        if (m_remote)
            m_remote->pollPlaylist();
    });
    m_clockTick.setSingleShot(true);
    m_clockTick.setTimerType(Qt::PreciseTimer); // a coarse one may fire before the second turns
    connect(&m_clockTick, &QTimer::timeout, this, &RemoteSession::refresh);
    refresh();
}

RemoteSession::~RemoteSession() = default;

void RemoteSession::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    m_remote = remote;
    m_connectionLogged = false;
    m_passwordDeclined = false;
    m_artGeneration = ~quint64(0); // another remote's art, whatever its count
    if (remote) {
        // Every request ends there once, after its reply (if any) was
        // stored: read once per request, whatever it brought or changed.
        connect(remote.get(), &VLCController::requestConcluded, this, &RemoteSession::refresh);
        connect(remote.get(), &VLCController::albumArtChanged, this, &RemoteSession::refresh);
        connect(remote.get(), &VLCController::recordChanged, this, &RemoteSession::refresh);
    }
    m_playlist->setRemote(remote);
    emit remoteChanged();
    refresh();
}

// --- Polling ------------------------------------------------------------------

void RemoteSession::setActive(bool active)
{
    const bool changed = active != m_active;
    m_active = active;
    if (active) {
        m_statusTimer.start();
        m_playlistTimer.start();
        // Ask at once rather than a poll later: the screen shows the player,
        // and its playlist (which enables the transport buttons), as it appears.
        // Where another request is on its way (the list's probe, as the
        // screen opens at launch) the status follows its reply at once.
        if (m_remote) {
            m_remote->connection().setStatusDirty(true);
            m_remote->connection().setPlaylistDirty(true);
            poll();
        }
    } else {
        m_statusTimer.stop();
        m_playlistTimer.stop();
        m_clockTick.stop();
    }
    if (changed)
        emit activeChanged();
}

void RemoteSession::poll()
{
    // The times move on by the estimate even when the channel is busy and
    // the status is not asked for; the connection may have been lost.
    if (m_remote)
        m_remote->updateStatus();
    refresh();
}

// --- Reading the remote --------------------------------------------------------

RemoteSession::Connection RemoteSession::connectionOf(ConnectionState state)
{
    switch (state) {
    case ConnectionState::Connecting: return Connection::Connecting;
    case ConnectionState::Connected: return Connection::Connected;
    case ConnectionState::Lost: return Connection::Lost;
    case ConnectionState::PasswordNeeded: return Connection::PasswordNeeded;
    case ConnectionState::PasswordRefused: return Connection::PasswordRefused;
    case ConnectionState::PasswordNotSet: return Connection::PasswordNotSet;
    case ConnectionState::UnusableReplies: return Connection::UnusableReplies;
    }
    return Connection::Connecting;
}

namespace {
RemoteSession::Playback playbackOf(PlaybackState state)
{
    switch (state) {
    case PlaybackState::None: return RemoteSession::Playback::Unknown;
    case PlaybackState::Playing: return RemoteSession::Playback::Playing;
    case PlaybackState::Paused: return RemoteSession::Playback::Paused;
    case PlaybackState::Stopped: return RemoteSession::Playback::Stopped;
    case PlaybackState::Other: return RemoteSession::Playback::Other;
    }
    return RemoteSession::Playback::Unknown;
}
}

RemoteSession::Values RemoteSession::read() const
{
    Values v;
    v.maximumVolume = volumeLimit();
    if (!m_remote)
        return v;
    const VLCController& r = *m_remote;
    const PlayerState& state = r.state();
    v.remoteName = r.name();
    v.hasStatus = state.hasStatus();
    v.playback = playbackOf(state.playback());
    v.playing = state.isPlaying();
    v.stopped = state.isStopped();
    v.volume = state.volume();
    // Elapsed and remaining both from the estimate, so that they add up to
    // the length and move together between replies.
    v.elapsed = r.timeElapsedSeconds();
    v.length = state.timeLengthSeconds();
    // Counted from the time shown, so that the two always add up.
    v.remaining = v.length > 0 ? std::max(0, v.length - v.elapsed) : state.timeRemainingSeconds();
    if (state.temporaryPosition() != -1)
        v.position = state.temporaryPosition() / 100.0;
    else if (v.length > 0)
        v.position = std::clamp(double(v.elapsed) / v.length, 0.0, 1.0);
    else
        v.position = state.position() / 100.0;
    v.title = state.titleForIndex(PlayerState::currentItem).value_or(QString());
    v.random = state.isRandom();
    v.loop = state.isLooping();
    v.repeat = state.isRepeating();
    const RemoteLink link = r.connectionState();
    v.connection = connectionOf(link);
    v.connectionText = RemoteLinks::statusText(link, v.remoteName);
    // The title says what plays; when nothing does, or the player cannot be
    // reached, it names the remote and says why below.
    const bool showsTitle = link == RemoteLink::Connected && !v.title.isEmpty();
    v.nowPlaying = showsTitle ? v.title : v.remoteName;
    v.nowPlayingNote = showsTitle ? v.remoteName : RemoteLinks::note(link);
    return v;
}

void RemoteSession::refresh()
{
    Values v = read();
    // The art is read again only when the remote has other art.
    const quint64 artGeneration = m_remote ? m_remote->albumArtGeneration() : 0;
    const bool otherArt = artGeneration != m_artGeneration;
    if (!otherArt)
        v.albumArt = m_values.albumArt;
    else if (m_remote)
        v.albumArt = m_remote->albumArt();
    m_artGeneration = artGeneration;
    const Connection before = m_values.connection;
    std::swap(m_values, v); // v holds the values before
    const Values& now = m_values;
    // Each property's own signal, and only for a change.
#define PL_SIGNAL_CHANGE(field, signal)                                                                                 \
    if (!(v.field == now.field))                                                                                       \
        emit signal();
    PL_SIGNAL_CHANGE(remoteName, remoteNameChanged)
    PL_SIGNAL_CHANGE(hasStatus, hasStatusChanged)
    PL_SIGNAL_CHANGE(playback, playbackChanged)
    PL_SIGNAL_CHANGE(playing, playingChanged)
    PL_SIGNAL_CHANGE(stopped, stoppedChanged)
    PL_SIGNAL_CHANGE(volume, volumeChanged)
    PL_SIGNAL_CHANGE(maximumVolume, maximumVolumeChanged)
    PL_SIGNAL_CHANGE(elapsed, elapsedChanged)
    PL_SIGNAL_CHANGE(remaining, remainingChanged)
    PL_SIGNAL_CHANGE(length, lengthChanged)
    PL_SIGNAL_CHANGE(position, positionChanged)
    PL_SIGNAL_CHANGE(title, titleChanged)
    PL_SIGNAL_CHANGE(nowPlaying, nowPlayingChanged)
    PL_SIGNAL_CHANGE(nowPlayingNote, nowPlayingNoteChanged)
    PL_SIGNAL_CHANGE(random, randomChanged)
    PL_SIGNAL_CHANGE(loop, loopChanged)
    PL_SIGNAL_CHANGE(repeat, repeatChanged)
    PL_SIGNAL_CHANGE(connection, connectionChanged)
    PL_SIGNAL_CHANGE(connectionText, connectionTextChanged)
#undef PL_SIGNAL_CHANGE
    if (otherArt && v.albumArt != now.albumArt)
        emit albumArtChanged();
    noteConnection(before);
    scheduleClockTick();
}

void RemoteSession::scheduleClockTick()
{
    const std::optional<double> start = m_remote ? m_remote->state().estimatedStartTime() : std::nullopt;
    if (!start || !m_active || m_values.connection != Connection::Connected || !m_values.playing) {
        m_clockTick.stop();
        return;
    }
    constexpr int lateMs = 20; // after the estimate's whole second
    const double elapsed = m_context.clock.now() - *start;
    m_clockTick.start(int(std::ceil((std::floor(elapsed) + 1 - elapsed) * 1000)) + lateMs);
}

void RemoteSession::noteConnection(Connection before)
{
    // Told while shown: the first line as the session becomes active.
    if (!m_remote || !m_active)
        return;
    const Connection now = m_values.connection;
    if (now == before && m_connectionLogged)
        return;
    // One line per change; the text names the remote and never carries a reply.
    ConsoleLog::log(logModels, QStringLiteral("remote screen: %@"), m_values.connectionText);
    m_connectionLogged = true;
    const bool wantsPassword = now == Connection::PasswordNeeded || now == Connection::PasswordRefused;
    if (!wantsPassword)
        m_passwordDeclined = false;
    if (wantsPassword && !m_passwordDeclined)
        emit passwordWanted();
    else if (now == Connection::PasswordNotSet)
        emit passwordNotSetNoticed();
}

// --- Commands ------------------------------------------------------------------------

void RemoteSession::playPause()
{
    if (!m_remote)
        return;
    if (m_remote->state().isPlaying())
        m_remote->pause();
    else
        m_remote->playPause(m_remote->state().idForIndex(PlayerState::currentItem));
}

void RemoteSession::stop()
{
    if (m_remote)
        m_remote->stop();
}

void RemoteSession::previous()
{
    if (m_remote)
        m_remote->previous();
}

void RemoteSession::next()
{
    if (m_remote)
        m_remote->next();
}

void RemoteSession::toggleRandom()
{
    if (m_remote)
        m_remote->random();
}

void RemoteSession::toggleLoop()
{
    if (m_remote)
        m_remote->loop();
}

void RemoteSession::toggleRepeat()
{
    if (m_remote)
        m_remote->repeat();
}

int RemoteSession::volumeLimit() const
{
    // Read when used: the settings may have changed it since the last reply.
    return VolumeRange::maximumPercent(m_context.defaults.boolForKey(PreferenceKeys::doubleVol));
}

void RemoteSession::volumeUp()
{
    if (m_remote)
        setVolume(std::min(m_remote->state().volume() + volumeStep, volumeLimit()));
}

void RemoteSession::volumeDown()
{
    if (m_remote)
        setVolume(std::max(m_remote->state().volume() - volumeStep, 0));
}

void RemoteSession::setVolume(int percent)
{
    if (!m_remote)
        return;
    ConsoleLog::log(logModels, QStringLiteral("--setting volume to %d"), percent);
    m_remote->setVolume(percent);
    refresh(); // the value asked for shows until VLC has caught up
}

void RemoteSession::seek(int seconds)
{
    if (!m_remote)
        return;
    // A time past the end would skip to the next item, or stop the player.
    const int length = m_remote->state().timeLengthSeconds();
    m_remote->seekSeconds(length > 0 ? std::clamp(seconds, 0, length - 1) : std::max(0, seconds));
    refresh();
}

void RemoteSession::skipForward()
{
    if (m_remote)
        m_remote->seekRelative(fmt(QStringLiteral("+%ds"), m_context.defaults.integerForKey(PreferenceKeys::skipDistance)));
}

void RemoteSession::skipBack()
{
    if (m_remote)
        m_remote->seekRelative(fmt(QStringLiteral("-%ds"), m_context.defaults.integerForKey(PreferenceKeys::skipDistance)));
}

void RemoteSession::fullScreen()
{
    if (m_remote)
        m_remote->fullScreen();
}

void RemoteSession::sendKeyCommand(KeyCommand command)
{
    // Only the older interface needed a setup helper for these; VLC 3's own
    // web interface takes them as they are.
    if (m_remote && m_remote->state().hasStatus() && !m_remote->state().dialect().isModern()
        && !m_context.defaults.boolForKey(PreferenceKeys::haveShownDvdWarning))
        emit setupNoticeWanted();
    if (!m_remote)
        return;
    VLCController& r = *m_remote;
    switch (command) {
    case KeyCommand::DvdUp: r.dvdUp(); break;
    case KeyCommand::DvdDown: r.dvdDown(); break;
    case KeyCommand::DvdLeft: r.dvdLeft(); break;
    case KeyCommand::DvdRight: r.dvdRight(); break;
    case KeyCommand::DvdSelect: r.dvdSelect(); break;
    case KeyCommand::DvdMenu: r.dvdMenu(); break;
    case KeyCommand::SubtitleDelayDown: r.subtitleDelayDown(); break;
    case KeyCommand::SubtitleDelayUp: r.subtitleDelayUp(); break;
    case KeyCommand::AudioDelayDown: r.audioDelayDown(); break;
    case KeyCommand::AudioDelayUp: r.audioDelayUp(); break;
    case KeyCommand::SpeedSlower: r.speedSlower(); break;
    case KeyCommand::SpeedFaster: r.speedFaster(); break;
    case KeyCommand::ToggleSubtitles: r.toggleSubtitles(); break;
    case KeyCommand::ToggleAudioTrack: r.toggleAudioTrack(); break;
    case KeyCommand::CropAspectRatio: r.cropAspectRatio(); break;
    case KeyCommand::ToggleAspectRatio: r.toggleAspectRatio(); break;
    }
}

void RemoteSession::supplyPassword(const QString& password)
{
    if (!m_remote)
        return;
    m_remote->setPassword(password);
    m_passwordDeclined = false;
    m_connectionLogged = false; // a refusal of this password is news again
    m_remote->connection().clearOldRequest();
    m_remote->connection().setPlaylistDirty(true);
    m_remote->updateStatus();
}

void RemoteSession::declinePassword()
{
    m_passwordDeclined = true;
}

// --- Intents -------------------------------------------------------------------------

void RemoteSession::openPlaylist()
{
    if (!m_remote)
        return;
    m_context.navigator.showPlaylist();
    m_remote->updatePlaylist();
}

void RemoteSession::openBrowser()
{
    if (!m_remote)
        return;
    m_context.navigator.showBrowser();
    m_remote->setListsOnlyMediaFiles(m_context.defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles));
    m_remote->updateBrowseList();
}

void RemoteSession::openAdvancedControls()
{
    if (!m_remote)
        return;
    if (offersAdvancedScreens(*m_remote))
        m_context.navigator.showAdvancedControls();
    else
        m_context.navigator.showKeyCommands();
}

bool RemoteSession::offersAdvancedScreens(const VLCController& remote)
{
    // VLC 3's interface is the Lua one, and its status lists what those
    // screens show (its apiversion says which interface answers).
    return remote.record().isLuaUnlocked() || remote.state().dialect().isModern();
}

void RemoteSession::openSearch(const QString& base, const QString& path, const QString& key)
{
    if (!m_remote)
        return;
    const QString terms = StringHelpers::fullyEscapedStringForUrl(title());
    m_context.navigator.openExternalUrl(QUrl(QStringLiteral("%1%2?%3=%4").arg(base, path, key, terms), QUrl::StrictMode));
}

void RemoteSession::findInMovieDatabase()
{
    openSearch(ServiceHosts::movieDatabase, QStringLiteral("/find"), QStringLiteral("q"));
}

void RemoteSession::findInShop()
{
    openSearch(ServiceHosts::shop, QStringLiteral("/s"), QStringLiteral("field-keywords"));
}
