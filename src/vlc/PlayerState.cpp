#include "vlc/PlayerState.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/LogCategories.h"
#include "core/Localization.h"
#include "core/NameOrder.h"
#include "core/TextFormat.h"
#include "core/xml/XmlDocument.h"
#include "vlc/PlainStatusReader.h"
#include "vlc/ReplyNumbers.h"
#include "vlc/ServerDialect.h"

#include <QHashFunctions>

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

// What a hash of the same bytes is seeded with; any fixed value will do.
constexpr size_t replySeed = 0x5eed;

size_t fingerprint(const QByteArray& body)
{
    return qHashBits(body.constData(), size_t(body.size()), replySeed);
}

QString pathExtension(const QString& path)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QStringView last = QStringView(path).mid(separator + 1);
    const qsizetype dot = last.lastIndexOf(u'.');
    return dot < 0 ? QString() : last.mid(dot + 1).toString();
}

// The entry that stands for no track, first in each list; what it is
// called is the track list's business.
TrackRecord noTrack()
{
    TrackRecord record;
    record.insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    return record;
}
}

PlayerState::PlayerState()
{
    reset(QString());
}

void PlayerState::reset(const QString& defaultBrowseDirectory)
{
    m_idForTrackCaches = -1;
    m_videoTracks = { noTrack() };
    m_audioTracks = { noTrack() };
    m_subtitleTracks = { noTrack() };
    m_status = {};
    m_statusMemo = {};
    m_hasStatus = false;
    m_statusHash.reset();
    m_playlist = {};
    m_hasPlaylist = false;
    m_playlistHash.reset();
    m_currentIndex.reset();
    m_browseDir = defaultBrowseDirectory.isNull() ? QStringLiteral("~") : defaultBrowseDirectory;
    m_listedDir.reset();
}

void PlayerState::forgetServer()
{
    m_apiVersion = 0;
    m_statusHash.reset();
    m_playlistHash.reset();
}

const ServerDialect& PlayerState::dialect() const
{
    return ServerDialect::forApiVersion(m_apiVersion);
}

// --- Storing replies ----------------------------------------------------------

PlayerState::StatusOutcome PlayerState::storeStatusBody(const QByteArray& body, bool luaMode)
{
    StatusOutcome outcome;
    const size_t hash = fingerprint(body);
    if (m_statusHash == hash) {
        // The same bytes again: nothing to read, nothing to announce, unless
        // the values shown while a command was on its way are now dropped.
        if (dropTemporaryValues()) {
            updateEstimate();
            outcome.announce = true;
        }
        return outcome;
    }
    const PlayerStatus* previous = m_hasStatus ? &m_status : nullptr;
    std::optional<PlayerStatus> status
        = PlainStatusReader::read(std::string_view(body.constData(), size_t(body.size())), previous, &m_statusMemo);
    if (!status) {
        XmlDocument document;
        document.load(body, XmlDocument::Input::WholeDocument);
        status = PlayerStatus::read(document, previous);
    }
    m_statusHash = hash;
    storeStatus(std::move(*status), luaMode, outcome);
    return outcome;
}

void PlayerState::storeStatus(PlayerStatus status, bool luaMode, StatusOutcome& outcome)
{
    // The dialect sticks: a reply cut short or a Lua error page must not
    // send VLC 3 the older interface's requests.
    if (status.apiVersion >= 3 || status.complete || m_apiVersion < 3)
        m_apiVersion = status.apiVersion;
    // What hints that the playlist changed, so that a stretched playlist
    // poll fetches at once.
    outcome.hintsPlaylist = !m_hasStatus || status.currentPlaylistId != m_status.currentPlaylistId
        || status.length != m_status.length || status.state != m_status.state;
    m_status = std::move(status);
    m_hasStatus = true;
    ++m_statusGeneration;
    m_positionPercent = dialect().positionPercent(m_status);
    m_speed = dialect().speed(m_status);
    m_audioDelay = dialect().audioDelay(m_status);
    dropTemporaryValues();
    updateEstimate();
    updateCurrentIndex(luaMode);
    outcome.stored = true;
    outcome.announce = true;
}

bool PlayerState::dropTemporaryValues()
{
    if (m_updatesToIgnore > 0) {
        --m_updatesToIgnore;
        return false;
    }
    const bool had = m_temporaryVolume != -1 || m_temporaryPosition != -1 || m_temporaryPositionSeconds != -1;
    m_temporaryVolume = -1;
    m_temporaryPosition = -1;
    m_temporaryPositionSeconds = -1;
    return had;
}

bool PlayerState::storePlaylistBody(const QByteArray& body, bool luaMode)
{
    const size_t hash = fingerprint(body);
    if (m_playlistHash == hash)
        return false; // the same playlist: the table neither rebuilds nor repaints
    m_playlist = Playlist::read(body, dialect().isModern());
    m_playlistHash = hash;
    m_hasPlaylist = true;
    ++m_playlistGeneration;
    updateCurrentIndex(luaMode);
    return true;
}

void PlayerState::storeBrowseBody(const QByteArray& body, bool luaMode, bool onlyMediaFiles)
{
    m_browseArray = FolderListing::read(body);
    // VLC 3 sorts ".." among the names by bytes, after names that begin
    // with a space, "#", "&", "'", "(" and the like; the browser takes the
    // first entry as the way up, so it goes first.
    const auto parent = std::find_if(m_browseArray.begin(), m_browseArray.end(), [](const BrowseEntry& entry) {
        const QString type = entry.value(u"type");
        return entry.value(u"name") == u".." && (type == u"dir" || type == u"directory");
    });
    if (parent != m_browseArray.end())
        std::rotate(m_browseArray.begin(), parent, parent + 1);
    // The rest by name as people read them, not by bytes: "alpha" after
    // "Zebra", "Café" after "Cub" is no order for anyone.
    const auto firstName = m_browseArray.begin() + (parent != m_browseArray.end() ? 1 : 0);
    std::stable_sort(firstName, m_browseArray.end(), [](const BrowseEntry& a, const BrowseEntry& b) {
        return NameOrder::compare(a.value(u"name"), b.value(u"name")) < 0;
    });
    m_hasBrowseList = true;
    m_listedDir = m_browseDir;
    if (onlyMediaFiles) {
        for (int i = int(m_browseArray.size()) - 1; i >= 0; --i)
            if (filetypeForIndex(i, luaMode) == QStringLiteral("unknown"))
                m_browseArray.erase(m_browseArray.begin() + i);
    }
}

void PlayerState::restoreListedDir()
{
    if (m_listedDir)
        m_browseDir = *m_listedDir;
}

// --- Time, position, volume -----------------------------------------------

void PlayerState::setTemporaryPositionSeconds(int v)
{
    m_temporaryPositionSeconds = v;
    updateEstimate();
}

void PlayerState::updateEstimate()
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

int PlayerState::smoothedTimeElapsedSeconds(std::optional<double> frozenAt) const
{
    const int reported = m_temporaryPositionSeconds != -1 ? m_temporaryPositionSeconds : reportedSeconds(m_status.time);
    if (!isPlaying() || !m_estimatedStartTime)
        return reported;
    const double now = Clock::current().now();
    const double elapsed = (frozenAt ? std::min(now, *frozenAt) : now) - *m_estimatedStartTime;
    return int(std::clamp<double>(std::trunc(elapsed), 0, ReplyNumbers::maxSeconds));
}

int PlayerState::timeLengthSeconds() const
{
    return reportedSeconds(m_status.length);
}

int PlayerState::timeRemainingSeconds() const
{
    // Both are clamped when read, so the difference cannot overflow; past
    // the end (or with no length, as for a stream) nothing remains.
    return std::max(0, reportedSeconds(m_status.length) - reportedSeconds(m_status.time));
}

int PlayerState::position() const
{
    if (m_temporaryPosition != -1)
        return m_temporaryPosition;
    return m_hasStatus ? m_positionPercent : 0;
}

int PlayerState::volume() const
{
    if (m_temporaryVolume != -1)
        return m_temporaryVolume;
    const qint64 raw = m_status.volume.value_or(0);
    return int((400 * raw + 800) / 1024);
}

std::optional<double> PlayerState::rate() const
{
    if (!m_hasStatus)
        return std::nullopt;
    return dialect().rate(m_status);
}

// --- Flags ------------------------------------------------------------------

bool PlayerState::isPlaying() const
{
    return m_status.state == QStringLiteral("playing");
}

bool PlayerState::isStopped() const
{
    if (!m_hasStatus)
        return true;
    return m_status.state == QStringLiteral("stop") || m_status.state == QStringLiteral("stopped");
}

bool PlayerState::isRandom() const
{
    return !m_hasStatus || flag(m_status.random);
}

bool PlayerState::isRepeating() const
{
    return !m_hasStatus || flag(m_status.repeat);
}

bool PlayerState::isLooping() const
{
    return !m_hasStatus || flag(m_status.loop);
}

PlaybackState PlayerState::playback() const
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

QString PlayerState::playbackState() const
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

// --- Playlist ---------------------------------------------------------------

void PlayerState::updateCurrentIndex(bool luaMode)
{
    m_currentIndex.reset();
    const std::vector<PlaylistItem>& items = m_playlist.items();
    if (dialect().marksCurrentItem(luaMode)) {
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

int PlayerState::idForIndex(int index) const
{
    const PlaylistItem* item = index == currentItem ? (m_currentIndex ? m_playlist.at(*m_currentIndex) : nullptr)
                                                    : m_playlist.at(index);
    return item ? int(item->id) : 0;
}

QString PlayerState::titleOf(const PlaylistItem& item) const
{
    return dialect().titleForItemName(item.nameText());
}

std::optional<QString> PlayerState::titleForIndex(int index) const
{
    const PlaylistItem* item = index == currentItem ? (m_currentIndex ? m_playlist.at(*m_currentIndex) : nullptr)
                                                    : m_playlist.at(index);
    if (!item)
        return std::nullopt;
    return titleOf(*item);
}

// --- Tracks -----------------------------------------------------------------

void PlayerState::updateTrackInfoIfNeeded()
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
        ConsoleLog::debug(logVlc, QStringLiteral("name: %@"), name);
    for (const PlayerStatus::Stream& stream : m_status.streams) {
        TrackRecord record;
        record.insert(QStringLiteral("streamId"), stream.streamId);
        for (const auto& [key, value] : stream.details) {
            record.insert(key, value);
            ConsoleLog::debug(logVlc, QStringLiteral("%@ : %@"), value, key);
        }
        if (stream.type == u"Audio") {
            audio.push_back(std::move(record));
        } else if (stream.type == u"Video") {
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

int PlayerState::currentVideoTrack() const
{
    return currentTrack(m_videoTracks, m_status.videoTrack);
}

int PlayerState::currentAudioTrack() const
{
    return currentTrack(m_audioTracks, m_status.audioTrack);
}

int PlayerState::currentSubtitleTrack() const
{
    return currentTrack(m_subtitleTracks, m_status.subtitleTrack);
}

// --- Aspect ratios, chapters, titles ----------------------------------------

QString PlayerState::nameForAspect(int index) const
{
    if (index < 0 || size_t(index) >= m_status.aspectRatios.size())
        return QString();
    const QString& text = m_status.aspectRatios[size_t(index)];
    return text.isEmpty() ? localizedString("Default") : text;
}

QString PlayerState::nameForChapter(int number)
{
    return fmt(localizedString("Chapter %d"), number);
}

QString PlayerState::nameForTitle(int number)
{
    if (number == 0)
        return localizedString("DVD Menu");
    return fmt(localizedString("Title %d"), number);
}

// --- Folder listing -----------------------------------------------------------

std::optional<QString> PlayerState::browseInfo(const QString& attribute, int index) const
{
    if (index < 0 || size_t(index) >= m_browseArray.size())
        return std::nullopt;
    const QString* value = m_browseArray[size_t(index)].find(attribute);
    return value ? std::optional<QString>(*value) : std::nullopt;
}

QString PlayerState::dialectFreeExtension(const AttributeMap& entry, bool luaMode) const
{
    if (luaMode)
        return pathExtension(entry.value(u"path"));
    // VLC 3 lists no "extension"; without it the path tells.
    if (const QString* extension = entry.find(u"extension"))
        return *extension;
    return pathExtension(entry.value(u"path", entry.value(u"name")));
}

std::optional<QString> PlayerState::filetypeForIndex(int index, bool luaMode) const
{
    if (index < 0 || size_t(index) >= m_browseArray.size())
        return std::nullopt;
    const AttributeMap& entry = m_browseArray[size_t(index)];
    const QString type = entry.value(u"type");
    if (type == u"directory" || type == u"dir")
        return QStringLiteral("directory");
    return fileTypeForExtension(dialectFreeExtension(entry, luaMode));
}

QString PlayerState::fileTypeForExtension(const QString& extension)
{
    static const QStringList music { "amr", "ogg", "aac", "m4a", "flac", "mp3", "midi", "ra", "mka",
                                     "rm", "mp2", "ram", "aa", "ts", "wma", "tta", "wav" };
    static const QStringList video { "3gp", "asx", "avi", "bsf", "divx", "dmg", "enc", "flv", "iso", "mkv", "m2t", "m2ts",
                                     "m2v", "m4v", "mp4", "mov", "mpg", "mpeg", "ogm", "rm", "rmvb", "vob", "wmv", "xvid" };
    static const QStringList playlist { "m3u", "xspf" };
    if (music.contains(extension, Qt::CaseInsensitive))
        return QStringLiteral("music");
    if (video.contains(extension, Qt::CaseInsensitive))
        return QStringLiteral("video");
    if (playlist.contains(extension, Qt::CaseInsensitive))
        return QStringLiteral("playlist");
    return QStringLiteral("unknown");
}
