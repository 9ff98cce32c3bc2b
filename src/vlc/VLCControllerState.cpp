// The player state: values stored when a reply arrives, read by cheap const
// accessors, and the values the commands set for immediate feedback.
#include "vlc/VLCController.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "vlc/ReplyNumbers.h"
#include "vlc/ServerDialect.h"

#include <algorithm>
#include <cmath>

namespace {
bool flag(const std::optional<QString>& value)
{
    return value && (*value == u"1" || *value == u"true");
}

int reportedSeconds(const std::optional<qint64>& value)
{
    return int(value.value_or(0));
}
}

// --- Time, position, volume -----------------------------------------------

void VLCController::setTemporaryPositionSeconds(int v)
{
    m_temporaryPositionSeconds = v;
    updateEstimate();
}

void VLCController::updateEstimate()
{
    // VLC reports whole seconds and polls arrive now and then, so keep an
    // estimated start moment and pull it gently toward what each reply (or
    // a seek) says; the accessor only reads it.
    if (!isPlaying())
        return;
    const int reported = m_temporaryPositionSeconds != -1 ? m_temporaryPositionSeconds : reportedSeconds(m_status.time);
    if (!m_estimatedStartTime)
        m_estimatedStartTime = Clock::distantPast;
    const double impliedStart = Clock::current().now() - reported;
    const double difference = impliedStart - *m_estimatedStartTime;
    if (difference > 2.0 || difference < -2.0)
        m_estimatedStartTime = impliedStart;
    else
        m_estimatedStartTime = *m_estimatedStartTime + difference / 5.0;
}

int VLCController::smoothedTimeElapsedSeconds() const
{
    const int reported = m_temporaryPositionSeconds != -1 ? m_temporaryPositionSeconds : reportedSeconds(m_status.time);
    if (!isPlaying() || !m_estimatedStartTime)
        return reported;
    const double elapsed = Clock::current().now() - *m_estimatedStartTime;
    return int(std::clamp<double>(std::trunc(elapsed), -ReplyNumbers::maxSeconds, ReplyNumbers::maxSeconds));
}

int VLCController::timeLengthSeconds() const
{
    return reportedSeconds(m_status.length);
}

int VLCController::timeRemainingSeconds() const
{
    // Both are clamped when read, so the difference cannot overflow.
    return reportedSeconds(m_status.length) - reportedSeconds(m_status.time);
}

int VLCController::position() const
{
    if (m_temporaryPosition != -1)
        return m_temporaryPosition;
    return m_hasStatus ? m_positionPercent : 0;
}

int VLCController::volume() const
{
    if (m_temporaryVolume != -1)
        return m_temporaryVolume;
    const qint64 raw = m_status.volume.value_or(0);
    return int((400 * raw + 800) / 1024);
}

std::optional<double> VLCController::rate() const
{
    if (!m_hasStatus)
        return std::nullopt;
    return dialect().rate(m_status);
}

// --- Flags ------------------------------------------------------------------

bool VLCController::isPlaying() const
{
    return m_status.state == QStringLiteral("playing");
}

bool VLCController::isStopped() const
{
    if (!m_hasStatus)
        return true;
    return m_status.state == QStringLiteral("stop") || m_status.state == QStringLiteral("stopped");
}

bool VLCController::isRandom() const
{
    return !m_hasStatus || flag(m_status.random);
}

bool VLCController::isRepeating() const
{
    return !m_hasStatus || flag(m_status.repeat);
}

bool VLCController::isLooping() const
{
    return !m_hasStatus || flag(m_status.loop);
}

bool VLCController::isLuaUnlocked() const
{
    return m_record.nickname.endsWith(QStringLiteral("zqv"));
}

PlaybackState VLCController::playback() const
{
    if (!m_hasStatus)
        return PlaybackState::None;
    if (isPlaying())
        return PlaybackState::Playing;
    if (isStopped())
        return PlaybackState::Stopped;
    if (m_status.state && m_status.state->trimmed() == u"paused")
        return PlaybackState::Paused;
    return PlaybackState::Other;
}

QString VLCController::playbackState() const
{
    switch (playback()) {
    case PlaybackState::None:
        return QString();
    case PlaybackState::Other:
        return m_status.state.value_or(QString()).trimmed();
    default:
        return RemoteTypeNames::of(playback());
    }
}

QString VLCController::statusTitle() const
{
    return m_status.metaTitle;
}

// --- Playlist ---------------------------------------------------------------

void VLCController::updateCurrentIndex()
{
    m_currentIndex.reset();
    const std::vector<PlaylistItem>& items = m_playlist.items();
    if (dialect().marksCurrentItem(m_luaMode)) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].isCurrent) {
                m_currentIndex = int(i);
                break;
            }
        }
    } else if (m_status.length) {
        // The Lua interface marks nothing: the first item as long as the
        // playing one is taken for it.
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].hasDuration && items[i].duration == *m_status.length) {
                m_currentIndex = int(i);
                break;
            }
        }
    }
    updateTrackInfoIfNeeded();
}

int VLCController::idForIndex(int index) const
{
    const PlaylistItem* item = index == currentItem ? (m_currentIndex ? m_playlist.at(*m_currentIndex) : nullptr)
                                                    : m_playlist.at(index);
    return item ? int(item->id) : 0;
}

QString VLCController::titleOf(const PlaylistItem& item) const
{
    return dialect().titleForItemName(item.nameText());
}

std::optional<QString> VLCController::titleForIndex(int index) const
{
    const PlaylistItem* item = index == currentItem ? (m_currentIndex ? m_playlist.at(*m_currentIndex) : nullptr)
                                                    : m_playlist.at(index);
    if (!item)
        return std::nullopt;
    return titleOf(*item);
}

// --- Tracks -----------------------------------------------------------------

void VLCController::updateTrackInfoIfNeeded()
{
    // Rebuilt when the current playlist item changes, and when its streams
    // do: VLC 3 lists an item's streams only once it has opened them, often
    // a status or two after the item started.
    const int current = idForIndex(currentItem);
    if (current == m_idForTrackCaches && m_status.streams == m_streamsForTrackCaches)
        return;
    m_idForTrackCaches = current;
    m_streamsForTrackCaches = m_status.streams;

    TrackList video(m_videoTracks.begin(), m_videoTracks.begin() + 1);
    TrackList audio(m_audioTracks.begin(), m_audioTracks.begin() + 1);
    TrackList subtitles(m_subtitleTracks.begin(), m_subtitleTracks.begin() + 1);
    for (const QString& name : m_status.categoryNames)
        ConsoleLog::log(QStringLiteral("name: %@"), name);
    for (const PlayerStatus::Stream& stream : m_status.streams) {
        TrackRecord record;
        record.insert(QStringLiteral("streamId"), stream.streamId);
        for (const auto& [key, value] : stream.details) {
            record.insert(key, value);
            ConsoleLog::log(QStringLiteral("%@ : %@"), value, key);
        }
        if (stream.type == u"Audio") {
            audio.push_back(std::move(record));
        } else if (stream.type == u"Video") {
            record.insert(QStringLiteral("description"), fmt(localizedString("Track %d"), video.size()));
            video.push_back(std::move(record));
        } else if (stream.type == u"Subtitle") {
            subtitles.push_back(std::move(record));
        }
    }
    m_videoTracks = std::move(video);
    m_audioTracks = std::move(audio);
    m_subtitleTracks = std::move(subtitles);
}

namespace {
const TrackRecord* trackAt(const TrackList& list, int index)
{
    if (index < 0 || size_t(index) >= list.size())
        return nullptr;
    return &list[size_t(index)];
}

QString detailsSkipping(const TrackRecord* record, std::initializer_list<QStringView> skipped)
{
    if (!record)
        return QString();
    QString details;
    for (const auto& [key, value] : *record) {
        if (key == u"streamId" || std::find(skipped.begin(), skipped.end(), QStringView(key)) != skipped.end())
            continue;
        details += fmt(QStringLiteral("%@:%@ "), key, value);
    }
    return details;
}

int currentTrack(const TrackList& list, const std::optional<QString>& streamId)
{
    if (!streamId)
        return -1;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].value(u"streamId") == *streamId)
            return int(i);
    return -1;
}
}

QString VLCController::nameForVideoTrack(int index) const
{
    const TrackRecord* record = trackAt(m_videoTracks, index);
    return record ? record->value(u"description") : QString();
}

QString VLCController::nameForAudioTrack(int index) const
{
    const TrackRecord* record = trackAt(m_audioTracks, index);
    if (!record)
        return QString();
    if (const QString* language = record->find(u"Language"))
        return *language;
    return localizedString("Unspecified language");
}

QString VLCController::nameForSubtitleTrack(int index) const
{
    const TrackRecord* record = trackAt(m_subtitleTracks, index);
    if (!record)
        return QString();
    const QString* description = record->find(u"Description");
    const QString* language = record->find(u"Language");
    if (description && language)
        return fmt(QStringLiteral("%@ %@"), *description, *language);
    if (description)
        return *description;
    if (language)
        return *language;
    return fmt(QStringLiteral("( %@ )"), localizedString("Unnamed"));
}

QString VLCController::detailsForVideoTrack(int index) const
{
    return detailsSkipping(trackAt(m_videoTracks, index), { u"description" });
}

QString VLCController::detailsForAudioTrack(int index) const
{
    return detailsSkipping(trackAt(m_audioTracks, index), { u"Language" });
}

QString VLCController::detailsForSubtitleTrack(int index) const
{
    return detailsSkipping(trackAt(m_subtitleTracks, index), { u"Language", u"Description" });
}

int VLCController::currentVideoTrack() const
{
    return currentTrack(m_videoTracks, m_status.videoTrack);
}

int VLCController::currentAudioTrack() const
{
    return currentTrack(m_audioTracks, m_status.audioTrack);
}

int VLCController::currentSubtitleTrack() const
{
    return currentTrack(m_subtitleTracks, m_status.subtitleTrack);
}

// --- Aspect ratios, chapters, titles ----------------------------------------

QString VLCController::nameForAspect(int index) const
{
    if (index < 0 || size_t(index) >= m_status.aspectRatios.size())
        return QString();
    const QString& text = m_status.aspectRatios[size_t(index)];
    return text.isEmpty() ? localizedString("Default") : text;
}

QString VLCController::nameForChapter(int number) const
{
    return fmt(localizedString("Chapter %d"), number);
}

QString VLCController::nameForTitle(int number) const
{
    if (number == 0)
        return localizedString("DVD Menu");
    return fmt(localizedString("Title %d"), number);
}

// --- Connection --------------------------------------------------------------

ConnectionState VLCController::connectionState() const
{
    if (!m_lastResponse)
        return ConnectionState::Connecting;
    const qint64 age = qint64(std::trunc(Clock::current().now() - *m_lastResponse));
    if (age > 2)
        return ConnectionState::Lost;
    // VLC answers, but not to us: say why instead of claiming a connection.
    if (m_passwordNotSet)
        return ConnectionState::PasswordNotSet;
    if (m_passwordRequired)
        return hasPassword() ? ConnectionState::PasswordRefused : ConnectionState::PasswordNeeded;
    return ConnectionState::Connected;
}

QString VLCController::noPasswordHint()
{
    return localizedString("Set one in VLC under Tools › Preferences › Show settings: All › Interface › Main "
                           "interfaces › Lua › Lua HTTP › Password, then restart VLC; or start VLC with "
                           "--http-password.");
}

QString VLCController::status() const
{
    switch (connectionState()) {
    case ConnectionState::Connecting:
        return fmt(localizedString("Trying to connect to %@"), name());
    case ConnectionState::Lost:
        return fmt(localizedString("Lost connection to %@"), name());
    case ConnectionState::PasswordNotSet:
        return fmt(localizedString("VLC on %@ has no password set"), name());
    case ConnectionState::PasswordRefused:
        return fmt(localizedString("Wrong password for %@"), name());
    case ConnectionState::PasswordNeeded:
        return fmt(localizedString("Password needed for %@"), name());
    case ConnectionState::Connected:
        break;
    }
    return fmt(localizedString("Connected to %@"), name());
}
